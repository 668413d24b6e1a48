#include "app/WritePreviewDialog.h"

#include "app/AppTexts.h"
#include "app/WindowFit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

WritePreviewDialog::WritePreviewDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("writePreviewDialog");
    setWindowTitle(QString::fromUtf8(app_text::kTitleWritePreview));
    setWindowModality(Qt::ApplicationModal);
    resize(560, 320);
    auto* layout = new QVBoxLayout(this);
    view_ = new DifferenceReportView(this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* send =
        buttons->addButton(QString::fromUtf8(app_text::kButtonSend), QDialogButtonBox::AcceptRole);
    send->setObjectName("sendButton");
    send->setAutoDefault(false);
    QPushButton* cancel = buttons->addButton(QString::fromUtf8(app_text::kButtonCancel),
                                             QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancelButton");
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(view_);
    layout->addWidget(buttons);
}

bool WritePreviewDialog::confirmSend(const DifferenceReport& report) {
    view_->present(report);
    view_->list().setVisible(!report.lines.empty());
    findChild<QPushButton*>("cancelButton")->setFocus();
    if (parentWidget() != nullptr)
        PlaceOver(*this, *parentWidget());
    // Shown in the middle of the write: the operator is asked, so no wait cursor.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool send = exec() == QDialog::Accepted;
    if (busy)
        QApplication::restoreOverrideCursor();
    return send;
}
