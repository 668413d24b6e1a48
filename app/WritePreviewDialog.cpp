#include "app/WritePreviewDialog.h"

#include "app/AppTexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

WritePreviewDialog::WritePreviewDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("writePreviewDialog");
    setWindowTitle(QString::fromUtf8(app_text::kTitleWritePreview));
    setWindowModality(Qt::ApplicationModal);
    resize(560, 320);
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName("writePreviewHeading");
    list_ = new QListWidget(this);
    list_->setObjectName("writePreviewList");
    note_ = new QLabel(this);
    note_->setObjectName("writePreviewNote");
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
    layout->addWidget(heading_);
    layout->addWidget(list_);
    layout->addWidget(note_);
    layout->addWidget(buttons);
}

bool WritePreviewDialog::confirmSend(const DifferenceReport& report) {
    heading_->setText(report.heading);
    ListDifferences(*list_, report.lines);
    list_->setVisible(!report.lines.empty());
    note_->setText(report.note);
    note_->setVisible(!report.note.isEmpty());
    findChild<QPushButton*>("cancelButton")->setFocus();
    // Shown in the middle of the write: the operator is asked, so no wait cursor.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool send = exec() == QDialog::Accepted;
    if (busy)
        QApplication::restoreOverrideCursor();
    return send;
}
