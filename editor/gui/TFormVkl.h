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
class TFormVkl : public CommandDialog, public InclusionDialog {
    Q_OBJECT
public:
    TFormVkl(Messages& messages, QWidget* parent = nullptr);
    using QDialog::exec;
    void exec(InclusionDialogData& data) override;

    QLabel* LabNVh = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* SBVkl = nullptr; // down = included
    QLineEdit* EditText = nullptr;
    QPushButton* OK = nullptr;

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
