#pragma once

#include "access/AccessControl.h"
#include "ui/gui/LazyDialog.h"

class Messages;
class QLabel;
class QLineEdit;
class ConfigurationModel;

// The password dialog: one masked field that takes digits
// only; however it is closed, its close handler decides the result.
class QtPasswordDialog : public LazyDialog, public PasswordDialog {
    Q_OBJECT
public:
    QtPasswordDialog(ConfigurationModel& model, Messages& messages, QWidget* parent = nullptr);

    void prepareChange() override;
    int exec() override;
    std::string typedText() const override;

    QLineEdit* passwordEdit = nullptr;
    QLabel* warningLabel = nullptr;

protected:
    void build() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int ignored) override;
    void showEvent(QShowEvent* event) override;

private:
    ConfigurationModel& model_;
    Messages& messages_;
};
