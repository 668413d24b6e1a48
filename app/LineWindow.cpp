#include "app/LineWindow.h"

#include "app/LineWindowTexts.h"
#include "device/DeviceStatus.h"
#include "device/DeviceTexts.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"
#include "line/LineClocks.h"
#include "link/Frames.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

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

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

QString VerdictOfDevice(const DeviceRow& row) {
    switch (row.outcome) {
    case Outcome::Saved:
    case Outcome::Same:
        return Text(kVerdictSame);
    case Outcome::Differs:
        return Text(kVerdictDiffers);
    default:
        return Text(OutcomeWord(row.outcome));
    }
}

Answer StateMessages::show(const MessageBox& box) {
    if (box.buttons == MessageButtons::YesNo)
        return box.defaultButton;
    if (shown)
        shown(box.text);
    return box.buttons == MessageButtons::RetryCancel ? Answer::Cancel : Answer::Ok;
}

LineWindow::LineWindow(const LineAccess& access, QWidget* parent)
    : QWidget(parent, Qt::Window), access_(access), session_(access.line, access.clock, messages_),
      model_(this) {
    setObjectName("LineWindow");
    setWindowTitle(Text(kTitle));
    build();
    messages_.shown = [this](const std::string& text) {
        state_->setText(QString::fromStdString(text));
    };
    session_.link.SetPortLostNotice([this] {
        lineLoss_ = QString::fromStdString(PortStatusText(session_.link));
        if (access_.lineLost)
            access_.lineLost(session_.link.LossReason());
    });
    resize(720, 560);
}

QLayout* LineWindow::buildFolderBar() {
    auto* bar = new QHBoxLayout;
    folder_ = new QLineEdit(this);
    folder_->setReadOnly(true);
    bar->addWidget(new QLabel(Text(kFolder), this));
    bar->addWidget(folder_, 1);
    addLineButton(*bar, kChooseFolder, [this] {
        const QString dir =
            QFileDialog::getExistingDirectory(this, Text(kBackupCaption), folder_->text());
        if (!dir.isEmpty())
            setBackupFolder(dir);
    });
    addLineButton(*bar, kBackUpAll, [this] { backUp(false); });
    addLineButton(*bar, kBackUpSelected, [this] { backUp(true); });
    addLineButton(*bar, kVerify, [this] { verify(); });
    return bar;
}

void LineWindow::addLineButton(QBoxLayout& bar, const char* caption,
                               const std::function<void()>& work) {
    auto* button = new QPushButton(Text(caption), this);
    bar.addWidget(button);
    lineButtons_.push_back(button);
    connect(button, &QPushButton::clicked, this, work);
}

void LineWindow::build() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    first_ = AddressBox(this, 1);
    last_ = AddressBox(this, kHighestAddress);
    surveyButton_ = new QPushButton(Text(kSurvey), this);
    cancelButton_ = new QPushButton(Text(kCancel), this);
    cancelButton_->setEnabled(false);
    lineButtons_ = {surveyButton_};
    bar->addWidget(new QLabel(Text(kFromAddress), this));
    bar->addWidget(first_);
    bar->addWidget(new QLabel(Text(kToAddress), this));
    bar->addWidget(last_);
    bar->addWidget(surveyButton_);
    bar->addWidget(cancelButton_);
    bar->addStretch();
    layout->addLayout(bar);
    layout->addLayout(buildFolderBar());
    layout->addLayout(buildActionBar());
    layout->addLayout(buildReportBar());
    progress_ = new QProgressBar(this);
    progress_->setValue(0);
    layout->addWidget(progress_);

    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(&model_);
    sorted_->setSortRole(Qt::UserRole);
    auto* split = new QSplitter(Qt::Vertical, this);
    view_ = new QTableView(split);
    view_->setModel(sorted_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(LineTableModel::Address, Qt::AscendingOrder);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    differences_ = new QPlainTextEdit(split);
    differences_->setReadOnly(true);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    state_ = new QLabel(this);
    state_->setObjectName("lineState");
    layout->addWidget(state_);

    connect(surveyButton_, &QPushButton::clicked, this, [this] { survey(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showDifferences(); });
    connect(&model_, &QAbstractItemModel::dataChanged, this, [this] { showDifferences(); });
    connect(view_, &QTableView::doubleClicked, this, [this] { readSelected(); });
}

void LineWindow::setBackupFolder(const QString& dir) {
    folder_->setText(dir);
    markFiles();
}

QString LineWindow::backupFolder() const {
    return folder_->text();
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
    // The window system hands a click to the window first, then to the widget.
    if (const auto* window = qobject_cast<const QWindow*>(receiver))
        return window == windowHandle();
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

void LineWindow::showLineBusy() {
    state_->setText(Text(device_text::kStatusLineBusy));
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
    if (closed)
        closed();
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
    for (QPushButton* button : lineButtons_)
        button->setEnabled(!on);
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

void LineWindow::runOnLine(int count, const std::function<void()>& work) {
    if (running_)
        return;
    const bool ran = access_.run([&] {
        cancel_ = false;
        setRunning(true);
        takeLinkSettings();
        progress_->setRange(0, std::max(count, 1));
        progress_->setValue(0);
        lineLoss_.clear();
        work();
        // A count of what was done would hide that the port is gone; the
        // work ends there.
        if (!lineLoss_.isEmpty()) {
            state_->setText(lineLoss_);
            progress_->setValue(progress_->maximum());
        }
        setRunning(false);
    });
    if (!ran)
        showLineBusy();
}

// Cancelled, or the port was lost under the work.
bool LineWindow::stopping() const {
    return cancel_ || !lineLoss_.isEmpty();
}

void LineWindow::step(int done) {
    progress_->setValue(done);
}

void LineWindow::survey() {
    const int first = std::min(first_->value(), last_->value());
    const int last = std::max(first_->value(), last_->value());
    runOnLine(last - first + 1, [this] {
        model_.clear();
        differences_->clear();
        state_->setText(Text(kSurveying));
        runSurvey();
    });
}

void LineWindow::runSurvey() {
    SurveySettings settings;
    settings.first = std::min(first_->value(), last_->value());
    settings.last = std::max(first_->value(), last_->value());
    const SurveyObserver observer{[this](const SurveyRow& row) { model_.addRow(row); },
                                  [this](int done, int total) {
                                      progress_->setMaximum(total);
                                      step(done);
                                  }};
    const std::vector<SurveyRow> rows = SurveyLine(session_, settings, observer, &cancel_);
    readClocks(rows);
    if (!folder_->text().isEmpty() && !stopping())
        compareWithFiles(devices(false));
    const auto found =
        std::count_if(rows.begin(), rows.end(), [](const SurveyRow& row) { return row.heard(); });
    state_->setText(cancel_ ? Text(kStopped)
                            : Text(kFound).arg(found).arg(settings.last - settings.first + 1));
}

void LineWindow::readClocks(const std::vector<SurveyRow>& rows) {
    for (const SurveyRow& row : rows) {
        if (stopping())
            return;
        if (!row.coded())
            continue;
        ExchangeResult result = kResultOk;
        if (const auto reading = ReadDeviceClock(session_, row.address, result))
            model_.setClock(row.address, reading->device, reading->computer);
    }
}

std::vector<SurveyRow> LineWindow::devices(bool selectedOnly) const {
    std::vector<SurveyRow> found;
    for (const LineTableRow& row : model_.rows())
        if (row.survey.heard())
            found.push_back(row.survey);
    if (selectedOnly) {
        std::vector<int> chosen;
        for (const QModelIndex& index : view_->selectionModel()->selectedRows())
            chosen.push_back(
                model_.rows()[static_cast<std::size_t>(sorted_->mapToSource(index).row())]
                    .survey.address);
        std::erase_if(found, [&](const SurveyRow& row) {
            return std::find(chosen.begin(), chosen.end(), row.address) == chosen.end();
        });
    }
    std::sort(found.begin(), found.end(),
              [](const SurveyRow& a, const SurveyRow& b) { return a.address < b.address; });
    return found;
}

bool LineWindow::haveFolder() {
    if (!folder_->text().isEmpty())
        return true;
    state_->setText(Text(kNoFolder));
    return false;
}

void LineWindow::markFiles() {
    const std::string dir = folder_->text().toStdString();
    if (dir.empty())
        return;
    for (const LineTableRow& row : model_.rows()) {
        const bool missing = !FileExists(DevicePath(dir, row.survey.address));
        if (row.survey.heard())
            model_.setVerdict(row.survey.address, missing ? Text(kVerdictNoFile) : QString());
    }
}

void LineWindow::backUp(bool selectedOnly) {
    if (!haveFolder())
        return;
    const std::vector<SurveyRow> found = devices(selectedOnly);
    const std::string dir = folder_->text().toStdString();
    runOnLine(static_cast<int>(found.size()), [&] {
        int saved = 0;
        int done = 0;
        for (const SurveyRow& device : found) {
            if (stopping())
                break;
            std::string error;
            DeviceRow row{device.address, Outcome::NotSaved, "", "", "", {}};
            if (PrepareBackup(dir, device.address, device.address, true, error))
                row = BackUpDevice(session_, device, dir, true);
            else
                state_->setText(QString::fromStdString(error));
            saved += row.outcome == Outcome::Saved;
            model_.setVerdict(device.address, VerdictOfDevice(row));
            step(++done);
        }
        state_->setText(cancel_ ? Text(kStopped)
                                : Text(kBackedUp).arg(saved).arg(static_cast<int>(found.size())));
    });
}

std::optional<DeviceFile> LineWindow::fileOf(int address, bool forWriting,
                                             std::string& error) const {
    const std::string dir = folder_->text().toStdString();
    if (!FileExists(DevicePath(dir, address)))
        return std::nullopt;
    const auto files = LoadDeviceFiles(dir, address, address, forWriting, error);
    return files ? std::optional<DeviceFile>(files->front()) : std::nullopt;
}

Outcome LineWindow::compareWith(const DeviceFile& file) {
    DeviceRow row = VerifyDevice(session_, file);
    model_.setVerdict(file.address,
                      row.outcome == Outcome::Refused && !row.reason.empty()
                          ? QString::fromStdString(row.reason)
                          : VerdictOfDevice(row),
                      std::move(row.differences));
    return row.outcome;
}

LineWindow::FileCounts LineWindow::compareWithFiles(const std::vector<SurveyRow>& found) {
    progress_->setRange(0, std::max(static_cast<int>(found.size()), 1));
    progress_->setValue(0);
    FileCounts counts;
    int done = 0;
    for (const SurveyRow& device : found) {
        if (stopping())
            break;
        std::string error;
        if (const auto file = fileOf(device.address, false, error)) {
            const Outcome outcome = compareWith(*file);
            counts.same += outcome == Outcome::Same;
            counts.differ += outcome == Outcome::Differs;
        } else {
            ++counts.missing;
            model_.setVerdict(device.address, Text(kVerdictNoFile));
        }
        step(++done);
    }
    return counts;
}

void LineWindow::verify() {
    if (!haveFolder())
        return;
    const std::vector<SurveyRow> found = devices(false);
    runOnLine(static_cast<int>(found.size()), [&] {
        const FileCounts counts = compareWithFiles(found);
        state_->setText(
            cancel_ ? Text(kStopped)
                    : Text(kVerified).arg(counts.same).arg(counts.differ).arg(counts.missing));
    });
}

void LineWindow::showDifferences() {
    const QModelIndex current = view_->selectionModel()->currentIndex();
    if (!current.isValid()) {
        differences_->clear();
        return;
    }
    const LineTableRow& row =
        model_.rows()[static_cast<std::size_t>(sorted_->mapToSource(current).row())];
    QStringList lines;
    for (const std::string& line : row.differences)
        lines << QString::fromStdString(line);
    differences_->setPlainText(lines.join('\n'));
}
