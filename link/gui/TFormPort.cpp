#include "link/gui/TFormPort.h"

#include "link/LinkTexts.h"
#include "ui/gui/DialogFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace link_text;

namespace {

template <std::size_t N> QComboBox* MakeList(const std::array<const char*, N>& items) {
    auto* box = new QComboBox;
    for (const char* item : items)
        box->addItem(QString::fromUtf8(item));
    return box;
}

} // namespace

TFormPort::TFormPort(QWidget* parent) : LazyDialog(parent) {
    setObjectName("FormPort");
    setWindowTitle(QString::fromUtf8(kCaptionPortDialog));
    UseFixedBorder(*this);
}

void TFormPort::build() {
    Skor = MakeList(kSpeedEntries);
    Parit = MakeList(std::array<const char*, 3>{kParityNone, kParityOdd, kParityEven});
    StBit = MakeList(kStopBitEntries);
    CBoxPort = new QComboBox;
    Skor->setObjectName("Skor");
    Parit->setObjectName("Parit");
    StBit->setObjectName("StBit");
    CBoxPort->setObjectName("CBoxPort");
    OK = new QPushButton(QString::fromUtf8(kButtonOk));
    OK->setObjectName("OK");
    OK->setDefault(true);
    exchangeSettingsButton = new QPushButton(QString::fromUtf8(kButtonExchange));
    exchangeSettingsButton->setObjectName("Button1");

    setMinimumWidth(320);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    const std::array<std::pair<const char*, QComboBox*>, 4> rows{{{kLabelPort, CBoxPort},
                                                                  {kLabelSpeed, Skor},
                                                                  {kLabelParity, Parit},
                                                                  {kLabelStopBits, StBit}}};
    int row = 0;
    for (const auto& [label, box] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(label)), row, 0);
        grid->addWidget(box, row++, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exchangeSettingsButton);
    buttons->addStretch();
    buttons->addWidget(OK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(OK, &QPushButton::clicked, this, &TFormPort::OKClick);
    connect(exchangeSettingsButton, &QPushButton::clicked, this, [this] {
        if (data_ && data_->exchangeSettings)
            data_->exchangeSettings();
    });
}

PortChoice TFormPort::currentChoice() const {
    return {Skor->currentIndex(), Parit->currentIndex(), StBit->currentIndex(),
            CBoxPort->currentIndex()};
}

void TFormPort::OKClick() {
    done(JudgePortChoice(currentChoice()) == PortDialogResult::Refused ? kRefusedCode
                                                                       : QDialog::Accepted);
}

PortDialogResult TFormPort::exec(PortDialogData& data) {
    ensureBuilt();
    data_ = &data;
    Skor->setCurrentIndex(data.choice.speed);
    Parit->setCurrentIndex(data.choice.parity);
    StBit->setCurrentIndex(data.choice.stopBits);
    CBoxPort->clear();
    for (const PortEntry& port : data.ports) {
        CBoxPort->addItem(QString::fromStdString(port.name));
        CBoxPort->setItemData(CBoxPort->count() - 1, QString::fromStdString(port.path),
                              Qt::ToolTipRole);
    }
    CBoxPort->setCurrentIndex(data.choice.port);
    const int result = QDialog::exec();
    data.choice = currentChoice();
    data_ = nullptr;
    if (result == QDialog::Accepted)
        return PortDialogResult::Ok;
    return result == kRefusedCode ? PortDialogResult::Refused : PortDialogResult::Cancel;
}
