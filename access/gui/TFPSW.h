#pragma once

#include "access/AccessControl.h"
#include "ui/gui/LazyDialog.h"

class Messages;
class QLabel;
class QLineEdit;
class TProgVilClass;

// The password dialog (unit Obrpar_mb): one masked field that takes digits
// only; however it is closed, its close handler decides the result.
class TFPSW : public LazyDialog, public PasswordDialog {
    Q_OBJECT
public:
    TFPSW(TProgVilClass& model, Messages& messages, QWidget* parent = nullptr);

    void prepareChange() override;
    int exec() override;
    std::string typedText() const override;

    QLineEdit* passwordEdit = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void build() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int ignored) override;
    void showEvent(QShowEvent* event) override;

private:
    TProgVilClass& model_;
    Messages& messages_;
};
