#pragma once

#include "editor/InputProcessing.h"
#include "editor/gui/CommandDialog.h"

class Messages;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Включение в обработку входа ВИЛ-3": inclusion in processing and the name
// of one input.
class QtInclusionDialog : public CommandDialog, public InclusionDialog {
    Q_OBJECT
public:
    QtInclusionDialog(Messages& messages, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(InclusionDialogData& data) override;

    QLabel* inputLabel = nullptr;
    QLabel* rowLabel = nullptr;
    QToolButton* includedButton = nullptr; // down = included
    QLineEdit* nameEdit = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void build() override;
    void closeHandler() override;
    void showEvent(QShowEvent* event) override;
    // A click on the dialog's free surface closes it.
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Messages& messages_;
};
