#include "app/LineWindow.h"

#include "app/LineWindowTexts.h"
#include "device/DeviceTexts.h"
#include "link/Frames.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace line_window_text;

namespace {

constexpr int kHighestAddress = 31;

QSpinBox* AddressBox(QWidget* parent, int value) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, kHighestAddress);
    box->setValue(value);
    return box;
}

} // namespace

LineWindow::LineWindow(const LineAccess& access, QWidget* parent)
    : QWidget(parent, Qt::Window), access_(access),
      session_(access.line, access.clock, access.messages), model_(this) {
    setObjectName("LineWindow");
    setWindowTitle(QString::fromUtf8(kTitle));
    build();
    resize(640, 480);
}

void LineWindow::build() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    first_ = AddressBox(this, 1);
    last_ = AddressBox(this, kHighestAddress);
    surveyButton_ = new QPushButton(QString::fromUtf8(kSurvey), this);
    cancelButton_ = new QPushButton(QString::fromUtf8(kCancel), this);
    cancelButton_->setEnabled(false);
    bar->addWidget(new QLabel(QString::fromUtf8(kFromAddress), this));
    bar->addWidget(first_);
    bar->addWidget(new QLabel(QString::fromUtf8(kToAddress), this));
    bar->addWidget(last_);
    bar->addWidget(surveyButton_);
    bar->addWidget(cancelButton_);
    bar->addStretch();
    layout->addLayout(bar);
    progress_ = new QProgressBar(this);
    progress_->setValue(0);
    layout->addWidget(progress_);

    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(&model_);
    sorted_->setSortRole(Qt::UserRole);
    view_ = new QTableView(this);
    view_->setModel(sorted_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(LineTableModel::Address, Qt::AscendingOrder);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(view_, 1);
    state_ = new QLabel(this);
    state_->setObjectName("lineState");
    layout->addWidget(state_);

    connect(surveyButton_, &QPushButton::clicked, this, [this] { survey(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

void LineWindow::survey() {
    if (running_)
        return;
    if (!access_.run([this] { runSurvey(); }))
        showLineBusy();
}

void LineWindow::cancel() {
    if (!running_)
        return;
    cancel_ = true;
    session_.link.Abandon();
}

bool LineWindow::takesInput(QObject* receiver) const {
    if (!running_)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

void LineWindow::showLineBusy() {
    state_->setText(QString::fromUtf8(device_text::kStatusLineBusy));
}

QString LineWindow::stateText() const {
    return state_->text();
}

void LineWindow::copySelection() {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(sorted_->mapToSource(index).row());
    std::sort(rows.begin(), rows.end(), [this](int a, int b) {
        return sorted_->mapFromSource(model_.index(a, 0)).row() <
               sorted_->mapFromSource(model_.index(b, 0)).row();
    });
    if (!rows.empty())
        QApplication::clipboard()->setText(model_.rowsAsText(rows));
}

void LineWindow::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
}

void LineWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LineWindow::setRunning(bool on) {
    running_ = on;
    surveyButton_->setEnabled(!on);
    first_->setEnabled(!on);
    last_->setEnabled(!on);
    cancelButton_->setEnabled(on);
}

void LineWindow::takeLinkSettings() {
    const DeviceLink& from = access_.settings;
    DeviceLink& link = session_.link;
    link.PortName = from.PortName;
    link.BaudRate = from.BaudRate;
    link.Parity = from.Parity;
    link.StopBits = from.StopBits;
    link.SetHeaderRetries(from.GetHeaderRetries());
    link.SetBodyRetries(from.GetBodyRetries());
    link.SetSendDelay(from.GetSendDelay());
    link.SetReceiveDelay(from.GetReceiveDelay());
    link.SetRetryPause(from.GetRetryPause());
    session_.setFrameObserver(access_.frames);
}

void LineWindow::runSurvey() {
    cancel_ = false;
    setRunning(true);
    takeLinkSettings();
    model_.clear();
    SurveySettings settings;
    settings.first = std::min(first_->value(), last_->value());
    settings.last = std::max(first_->value(), last_->value());
    progress_->setRange(0, settings.last - settings.first + 1);
    progress_->setValue(0);
    state_->setText(QString::fromUtf8(kSurveying));
    const SurveyObserver observer{[this](const SurveyRow& row) { model_.addRow(row); },
                                  [this](int done, int total) {
                                      progress_->setMaximum(total);
                                      progress_->setValue(done);
                                  }};
    const std::vector<SurveyRow> rows = SurveyLine(session_, settings, observer, &cancel_);
    readClocks(rows);
    const auto found =
        std::count_if(rows.begin(), rows.end(), [](const SurveyRow& row) { return row.heard(); });
    state_->setText(
        cancel_ ? QString::fromUtf8(kSurveyCancelled)
                : QString::fromUtf8(kFound).arg(found).arg(settings.last - settings.first + 1));
    setRunning(false);
}

void LineWindow::readClocks(const std::vector<SurveyRow>& rows) {
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    for (const SurveyRow& row : rows) {
        if (cancel_)
            return;
        if (!row.coded())
            continue;
        const ExchangeResult result = session_.link.Transact(
            row.address - 1, kFnReadClock, static_cast<int>(kClockReadRequest.size()),
            kClockReadRequest.data(), reply);
        const WallTime now = access_.clock.wallNow();
        const auto time = result == kResultOk
                              ? ParseClockAnswer(reply.data(), session_.link.GetResponseLength())
                              : std::nullopt;
        if (time)
            model_.setClock(row.address, *time, now);
    }
}
