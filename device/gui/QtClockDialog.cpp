#include "device/gui/QtClockDialog.h"

#include "device/DeviceTexts.h"
#include "link/LinkTexts.h"
#include "ui/gui/DialogFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

using namespace device_text;

namespace {

constexpr int kPollIntervalMs = 100;
const char* const kEditNames[kTimeFields] = {"secondsEdit", "minutesEdit", "hoursEdit",  "dayEdit",
                                             "monthEdit",   "yearEdit",    "weekdayEdit"};

QPushButton* MakeButton(const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeDisplay(const char* name) {
    auto* display = new QLabel;
    display->setObjectName(name);
    display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    display->setAlignment(Qt::AlignCenter);
    display->setMinimumSize(110, 30);
    QFont font = display->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    display->setFont(font);
    return display;
}

} // namespace

QtClockDialog::QtClockDialog(ConfigurationModel& model, DeviceLink& link, Messages& messages,
                             Clock& clock, QWidget* parent)
    : LazyDialog(parent), logic_(model, link, messages, clock, *this) {
    setObjectName("ClockDialog");
    setWindowTitle(QString::fromUtf8(kCaptionTimeDate));
    pollTimer = new QTimer(this);
    pollTimer->setObjectName("pollTimer");
    pollTimer->setInterval(kPollIntervalMs);
    connect(pollTimer, &QTimer::timeout, this, [this] { logic_.pollTick(); });
    UseFixedBorder(*this);
}

void QtClockDialog::build() {
    sendTimeButton = MakeButton(kButtonSendTime, "sendTimeButton");
    okButton = MakeButton(link_text::kButtonOk, "okButton");
    cancelButton = MakeButton(kButtonCancel, "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sendTimeButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildDeviceTimeGroup());
    layout->addWidget(buildSetTimeGroup());
    layout->addLayout(buttons);
    connectButtons();
}

QtClockDialog::~QtClockDialog() = default;

QWidget* QtClockDialog::buildDeviceTimeGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(kGroupDeviceTime));
    deviceTimeLabel = MakeDisplay("deviceTimeLabel");
    deviceDateLabel = MakeDisplay("deviceDateLabel");
    pollButton = MakeButton(kButtonPolling, "pollButton");
    pollingLabel = new QLabel(QString::fromUtf8(kLabelPollingOn));
    pollingLabel->setObjectName("pollingLabel");
    pollingLabel->setStyleSheet("color: maroon");
    // Its place, spacing included, stays reserved while it is hidden, so that the
    // fixed-size dialog keeps its height when polling starts.
    QSizePolicy keepPlace = pollingLabel->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    pollingLabel->setSizePolicy(keepPlace);
    pollingLabel->hide();
    auto* grid = new QGridLayout(group);
    grid->addWidget(deviceTimeLabel, 0, 0);
    grid->addWidget(deviceDateLabel, 0, 1);
    grid->addWidget(pollButton, 0, 2);
    grid->addWidget(pollingLabel, 1, 2, Qt::AlignHCenter);
    return group;
}

QWidget* QtClockDialog::buildSetTimeGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(kCaptionTimeDate));
    auto* grid = new QGridLayout(group);
    for (int field = 0; field < kTimeFields; ++field) {
        auto* label = new QLabel(QString::fromUtf8(kTimeFieldLabels[field]));
        QLineEdit* edit = makeTimeEdit(field);
        grid->addWidget(label, 0, field, Qt::AlignHCenter);
        grid->addWidget(edit, 1, field, Qt::AlignHCenter);
        // The year and the day of the week are neither checked nor sent.
        if (field >= YearField) {
            label->hide();
            edit->hide();
        }
    }
    deviceTimeButton = MakeButton(kButtonDeviceTime, "deviceTimeButton");
    pcTimeButton = MakeButton(kButtonPcTime, "pcTimeButton");
    grid->addWidget(deviceTimeButton, 2, 0, 1, 3);
    grid->addWidget(pcTimeButton, 2, 3, 1, 2);
    return group;
}

QLineEdit* QtClockDialog::makeTimeEdit(int field) {
    auto* edit = new QLineEdit("00");
    edit->setObjectName(kEditNames[field]);
    edit->setMaxLength(field == WeekdayField ? 1 : 2);
    edit->setToolTip(QString::fromUtf8(kTimeFieldHints[field]));
    edit->setFixedWidth(40);
    edit->setAlignment(Qt::AlignCenter);
    // Pasted text is held to digits as typed text is.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] { logic_.fieldChanged(); });
    timeEdits[static_cast<std::size_t>(field)] = edit;
    fields_[static_cast<std::size_t>(field)] =
        std::make_unique<LineEditField>(timeEdits[static_cast<std::size_t>(field)]);
    return edit;
}

void QtClockDialog::connectButtons() {
    connect(pollButton, &QPushButton::clicked, this, [this] { logic_.togglePolling(); });
    connect(deviceTimeButton, &QPushButton::clicked, this, [this] { logic_.takeDeviceTime(); });
    connect(pcTimeButton, &QPushButton::clicked, this, [this] { logic_.takeComputerTime(); });
    connect(sendTimeButton, &QPushButton::clicked, this, [this] { logic_.transferTime(); });
    connect(okButton, &QPushButton::clicked, this, [this] { logic_.okPressed(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { logic_.cancelPressed(); });
}

bool QtClockDialog::takesInput(QObject* receiver) const {
    if (!isVisible())
        return false;
    const QWidget* top = nullptr;
    if (const auto* widget = qobject_cast<QWidget*>(receiver)) {
        top = widget->window();
    } else if (const auto* window = qobject_cast<QWindow*>(receiver)) {
        for (const QWidget* candidate : QApplication::topLevelWidgets())
            if (candidate->windowHandle() == window)
                top = candidate;
    }
    return top != nullptr && top != parentWidget();
}

EntryField& QtClockDialog::timeField(int field) {
    ensureBuilt();
    return *fields_[static_cast<std::size_t>(field)];
}

void QtClockDialog::showDeviceTime(const std::string& time, const std::string& date) {
    ensureBuilt();
    deviceTimeLabel->setText(QString::fromStdString(time));
    deviceDateLabel->setText(QString::fromStdString(date));
}

void QtClockDialog::showPolling(bool on) {
    if (on)
        pollTimer->start();
    else
        pollTimer->stop();
    ensureBuilt();
    pollingLabel->setText(QString::fromUtf8(kLabelPollingOn));
    pollingLabel->setVisible(on);
}

void QtClockDialog::showPortClosed(const std::string& text) {
    ensureBuilt();
    pollingLabel->setText(QString::fromStdString(text));
    pollingLabel->setVisible(true);
}

void QtClockDialog::showModal() {
    exec();
}

void QtClockDialog::requestClose() {
    close();
}

void QtClockDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        logic_.onShow();
}

void QtClockDialog::closeEvent(QCloseEvent* event) {
    if (!logic_.mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
}

void QtClockDialog::reject() {
    close();
}

bool QtClockDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !qobject_cast<QLineEdit*>(watched))
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    // Printable characters other than digits never reach the field.
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    return text.at(0) < QChar('0') || text.at(0) > QChar('9');
}
