// The line window's commands that reach beyond the table: a device into the
// main window, the clocks from the computer, the devices back from their files.
#include "app/LineWindow.h"

#include "app/LineWindowTexts.h"
#include "device/DeviceTexts.h"
#include "line/LineClocks.h"
#include "link/Frames.h"
#include "ui/UiTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>

using namespace line_window_text;

QLayout* LineWindow::buildActionBar() {
    auto* bar = new QHBoxLayout;
    addLineButton(*bar, kReadIntoWindow, [this] { readSelected(); });
    addLineButton(*bar, kSetClocks, [this] { setClocks(); });
    addLineButton(*bar, kRestore, [this] { restoreSelected(); });
    bar->addStretch();
    return bar;
}

void LineWindow::readSelected() {
    const QModelIndex current = view_->selectionModel()->currentIndex();
    if (running_ || !current.isValid())
        return;
    const SurveyRow& row =
        model_.rows()[static_cast<std::size_t>(sorted_->mapToSource(current).row())].survey;
    if (row.heard())
        access_.readIntoWindow(row.address);
}

bool LineWindow::mayWrite() {
    if (access_.accessLevel() == 1)
        return true;
    access_.messages.show(
        {std::string(device_text::kTextNoWriteAccess1) + "\n" + device_text::kTextNoWriteAccess2,
         ui_text::kCaptionWarning, MessageIcon::Warning});
    return false;
}

void LineWindow::setClocks() {
    if (!mayWrite())
        return;
    const std::vector<SurveyRow> found = devices(false);
    runOnLine(static_cast<int>(found.size()) + 1, [&] {
        DeviceTime time;
        const ExchangeResult result = SetClocksFromComputer(session_, time, &cancel_);
        step(1);
        if (result == kResultAbandoned) {
            state_->setText(QString::fromUtf8(kStopped));
            return;
        }
        if (result != kResultOk) {
            state_->setText(
                QString::fromStdString(ExchangeResultText(session_.link.PortName, 0, result)));
            return;
        }
        readClocks(found);
        step(static_cast<int>(found.size()) + 1);
        state_->setText(
            QString::fromUtf8(kClocksSet)
                .arg(QString::fromStdString(ClockTimeText(time) + " " + ClockDateText(time))));
    });
}

bool LineWindow::agreeToRestore(const std::vector<DeviceFile>& files) {
    std::string text = kRestoreQuestion;
    for (const DeviceFile& file : files) {
        const LineTableRow& row =
            model_.rows()[static_cast<std::size_t>(model_.rowOf(file.address))];
        text += "\n\n" + std::string(kRestoreDevice) + std::to_string(file.address) + ": " +
                row.verdict.toStdString();
        for (const std::string& line : row.differences)
            text += "\n  " + line;
    }
    return access_.messages.show({text, kTitle, MessageIcon::Question, MessageButtons::YesNo,
                                  Answer::No}) == Answer::Yes;
}

void LineWindow::restoreSelected() {
    if (!haveFolder() || !mayWrite())
        return;
    std::vector<DeviceFile> files;
    for (const SurveyRow& device : devices(true)) {
        std::string error;
        if (const auto file = fileOf(device.address, true, error))
            files.push_back(*file);
        else
            model_.setVerdict(device.address, error.empty() ? QString::fromUtf8(kVerdictNoFile)
                                                            : QString::fromStdString(error));
    }
    if (files.empty())
        return;
    bool read = false;
    runOnLine(static_cast<int>(files.size()), [&] {
        for (std::size_t at = 0; at < files.size() && !stopping(); ++at) {
            compareWith(files[at]);
            step(static_cast<int>(at) + 1);
        }
        read = !stopping();
    });
    if (!read || !agreeToRestore(files))
        return;
    runOnLine(static_cast<int>(files.size()), [&] {
        session_.session.model.AccessLevel = access_.accessLevel();
        int restored = 0;
        for (std::size_t at = 0; at < files.size() && !stopping(); ++at) {
            const DeviceRow row = WriteDeviceFile(session_, files[at], true);
            const bool done = row.outcome == Outcome::Confirmed;
            restored += done;
            model_.setVerdict(files[at].address,
                              done ? QString::fromUtf8(kVerdictSame) : VerdictOfDevice(row));
            step(static_cast<int>(at) + 1);
        }
        state_->setText(cancel_ ? QString::fromUtf8(kStopped)
                                : QString::fromUtf8(kRestored).arg(restored).arg(
                                      static_cast<int>(files.size())));
    });
}
