#include "link/gui/TFormNastr.h"

#include "link/LinkTexts.h"
#include "ui/gui/DialogFrame.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace link_text;

namespace {

QSpinBox* MakeDelay(const char* name) {
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(kDelayMin, kDelayMax);
    box->setSingleStep(1);
    box->setWrapping(false);
    box->findChild<QLineEdit*>()->setReadOnly(true);
    return box;
}

QComboBox* MakeRetries(const char* name, const std::array<int, 2>& entries) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    for (int n : entries)
        box->addItem(QString::number(n));
    return box;
}

QLabel* HiddenLabel(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->hide();
    return label;
}

} // namespace

TFormNastr::TFormNastr(QWidget* parent) : LazyDialog(parent) {
    setObjectName("FormNastr");
    setWindowTitle(QString::fromUtf8(kCaptionExchangeDialog));
    setFixedSize(343, 290);
    UseFixedBorder(*this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

void TFormNastr::build() {
    sendPauseBox = MakeDelay("Edit1");
    receivePauseBox = MakeDelay("Edit2");
    CBoxPovt1 = MakeRetries("CBoxPovt1", kHeaderRetryEntries);
    CBoxPovt2 = MakeRetries("CBoxPovt2", kBodyRetryEntries);
    OK = new QPushButton(QString::fromUtf8(kButtonOk));
    OK->setObjectName("OK");
    OK->setDefault(true);

    auto* frame = new QFrame;
    frame->setObjectName("Frame");
    frame->setStyleSheet("QFrame#Frame { border: 1px solid gray; }");
    auto* frameLayout = new QVBoxLayout(frame);
    auto* sendLabel = new QLabel(QString::fromUtf8(kLabelSendDelay));
    sendLabel->setWordWrap(true);
    frameLayout->addWidget(sendLabel);
    sendPauseBox->setFixedWidth(80);
    frameLayout->addWidget(sendPauseBox, 0, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             HiddenLabel(kLabelReceiveDelay), receivePauseBox, HiddenLabel(kLabelRetries1),
             CBoxPovt1, HiddenLabel(kLabelRetries2), CBoxPovt2}) {
        hidden->hide();
        layout->addWidget(hidden);
    }
    layout->addStretch();
    layout->addWidget(OK, 0, Qt::AlignHCenter);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFormNastr::exec(ExchangeSettingsData& data) {
    ensureBuilt();
    sendPauseBox->setValue(data.sendDelay);
    receivePauseBox->setValue(data.receiveDelay);
    CBoxPovt1->setCurrentIndex(data.headerRetriesEntry);
    CBoxPovt2->setCurrentIndex(data.bodyRetriesEntry);
    if (QDialog::exec() != QDialog::Accepted)
        return false;
    data.sendDelay = sendPauseBox->value();
    data.receiveDelay = receivePauseBox->value();
    data.headerRetriesEntry = CBoxPovt1->currentIndex();
    data.bodyRetriesEntry = CBoxPovt2->currentIndex();
    return true;
}
