#include "link/gui/QtExchangeDialog.h"

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

QtExchangeDialog::QtExchangeDialog(QWidget* parent) : LazyDialog(parent) {
    setObjectName("ExchangeDialog");
    setWindowTitle(QString::fromUtf8(kCaptionExchangeDialog));
    setFixedSize(343, 290);
    UseFixedBorder(*this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

void QtExchangeDialog::build() {
    sendPauseBox = MakeDelay("sendPauseBox");
    receivePauseBox = MakeDelay("receivePauseBox");
    headerRetriesBox = MakeRetries("headerRetriesBox", kHeaderRetryEntries);
    bodyRetriesBox = MakeRetries("bodyRetriesBox", kBodyRetryEntries);
    okButton = new QPushButton(QString::fromUtf8(kButtonOk));
    okButton->setObjectName("okButton");
    okButton->setDefault(true);

    auto* frame = new QFrame;
    frame->setObjectName("settingsFrame");
    frame->setStyleSheet("QFrame#settingsFrame { border: 1px solid gray; }");
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
             headerRetriesBox, HiddenLabel(kLabelRetries2), bodyRetriesBox}) {
        hidden->hide();
        layout->addWidget(hidden);
    }
    layout->addStretch();
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool QtExchangeDialog::exec(ExchangeSettingsData& data) {
    ensureBuilt();
    sendPauseBox->setValue(data.sendDelay);
    receivePauseBox->setValue(data.receiveDelay);
    headerRetriesBox->setCurrentIndex(data.headerRetriesEntry);
    bodyRetriesBox->setCurrentIndex(data.bodyRetriesEntry);
    if (QDialog::exec() != QDialog::Accepted)
        return false;
    data.sendDelay = sendPauseBox->value();
    data.receiveDelay = receivePauseBox->value();
    data.headerRetriesEntry = headerRetriesBox->currentIndex();
    data.bodyRetriesEntry = bodyRetriesBox->currentIndex();
    return true;
}
