#include "link/gui/QtPortDialog.h"

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

QtPortDialog::QtPortDialog(QWidget* parent) : LazyDialog(parent) {
    setObjectName("PortDialog");
    setWindowTitle(QString::fromUtf8(kCaptionPortDialog));
    UseFixedBorder(*this);
}

void QtPortDialog::build() {
    speedBox = MakeList(kSpeedEntries);
    parityBox = MakeList(std::array<const char*, 3>{kParityNone, kParityOdd, kParityEven});
    stopBitsBox = MakeList(kStopBitEntries);
    portBox = new QComboBox;
    speedBox->setObjectName("speedBox");
    parityBox->setObjectName("parityBox");
    stopBitsBox->setObjectName("stopBitsBox");
    portBox->setObjectName("portBox");
    okButton = new QPushButton(QString::fromUtf8(kButtonOk));
    okButton->setObjectName("okButton");
    okButton->setDefault(true);
    exchangeSettingsButton = new QPushButton(QString::fromUtf8(kButtonExchange));
    exchangeSettingsButton->setObjectName("exchangeSettingsButton");

    setMinimumWidth(320);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    const std::array<std::pair<const char*, QComboBox*>, 4> rows{{{kLabelPort, portBox},
                                                                  {kLabelSpeed, speedBox},
                                                                  {kLabelParity, parityBox},
                                                                  {kLabelStopBits, stopBitsBox}}};
    int row = 0;
    for (const auto& [label, box] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(label)), row, 0);
        grid->addWidget(box, row++, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exchangeSettingsButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &QtPortDialog::okPressed);
    connect(exchangeSettingsButton, &QPushButton::clicked, this, [this] {
        if (data_ && data_->exchangeSettings)
            data_->exchangeSettings();
    });
}

PortChoice QtPortDialog::currentChoice() const {
    return {speedBox->currentIndex(), parityBox->currentIndex(), stopBitsBox->currentIndex(),
            portBox->currentIndex()};
}

void QtPortDialog::okPressed() {
    done(JudgePortChoice(currentChoice()) == PortDialogResult::Refused ? kRefusedCode
                                                                       : QDialog::Accepted);
}

PortDialogResult QtPortDialog::exec(PortDialogData& data) {
    ensureBuilt();
    data_ = &data;
    speedBox->setCurrentIndex(data.choice.speed);
    parityBox->setCurrentIndex(data.choice.parity);
    stopBitsBox->setCurrentIndex(data.choice.stopBits);
    portBox->clear();
    for (const PortEntry& port : data.ports) {
        portBox->addItem(QString::fromStdString(port.name));
        const std::string& tip = port.description.empty() ? port.path : port.description;
        portBox->setItemData(portBox->count() - 1, QString::fromStdString(tip), Qt::ToolTipRole);
    }
    portBox->setCurrentIndex(data.choice.port);
    const int result = QDialog::exec();
    data.choice = currentChoice();
    data_ = nullptr;
    if (result == QDialog::Accepted)
        return PortDialogResult::Ok;
    return result == kRefusedCode ? PortDialogResult::Refused : PortDialogResult::Cancel;
}
