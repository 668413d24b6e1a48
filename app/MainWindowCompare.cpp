// Comparing the scheme on screen with a device or a scheme file, and the
// differences shown before a write when the option asks for them.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/DifferencesPane.h"
#include "app/ProgramSettings.h"
#include "app/WritePreviewDialog.h"
#include "device/DeviceStatus.h"
#include "device/DeviceTexts.h"
#include "editor/gui/SchemeCanvas.h"
#include "line/DetachedDeviceRead.h"
#include "ui/UiTexts.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollArea>
#include <QStatusBar>

using namespace app_text;

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A scheme file's configuration and names as the comparison takes them: the
// device byte of its header, as opening it would show.
SchemeSnapshot SnapshotOfFile(const SchemeFileData& file) {
    SchemeSnapshot snapshot;
    snapshot.first = file.execFirst;
    snapshot.second = file.execSecond;
    snapshot.image = file.image;
    snapshot.image[kDeviceByteOffset] = file.deviceByte;
    snapshot.names.channels = file.channelNames;
    std::copy(file.outputNames.begin(), file.outputNames.end(), snapshot.names.outputs.begin());
    return snapshot;
}

} // namespace

void MainWindow::connectComparison() {
    canvas_->setDifferenceMarks(&differenceMarks_);
    // Every change to the scheme, undone and redone ones too, ends the marks.
    connect(&history_.stack(), &QUndoStack::indexChanged, this, &MainWindow::forgetDifferenceMarks);
    device_.confirmSend = [this] {
        return !action(ActionId::CompareBeforeWrite)->isChecked() || previewWrite();
    };
}

// Made at the first comparison: the start-up builds nothing it may not need.
DifferencesPane& MainWindow::differencesPane() {
    if (differencesPane_ == nullptr) {
        differencesPane_ = new DifferencesPane(this);
        differencesPane_->hide();
        addDockWidget(Qt::BottomDockWidgetArea, differencesPane_);
        differencesPane_->onPlaceChosen([this](SchemePlace place) { showDifferencePlace(place); });
    }
    return *differencesPane_;
}

void MainWindow::rememberCompareBeforeWrite() {
    if (settings_ != nullptr)
        settings_->setCompareBeforeWrite(action(ActionId::CompareBeforeWrite)->isChecked());
}

void MainWindow::forgetDifferenceMarks() {
    if (differenceMarks_.empty())
        return;
    differenceMarks_.clear();
    canvas_->update();
}

bool MainWindow::mayCompare() {
    // A name still being edited belongs to the scheme compared.
    commitOutputName();
    if (model_.SchemeCreated != 0)
        return true;
    messages_.show({kTextNothingToCompare, kCaptionCompare, MessageIcon::Warning});
    return false;
}

void MainWindow::compareWithDevice() {
    if (!mayCompare())
        return;
    const int address = model_.LinkAddressIndex;
    std::optional<SchemeSnapshot> device;
    runDeviceCommand(DeviceCommandKind::Compare, [this, address, &device] {
        device = DetachedDeviceRead(messages_, comPort_).read(address);
        return device.has_value();
    });
    if (!device)
        return;
    const QString number = QString::number(address + 1);
    const QString note = Text(kNoteNamesNotCompared);
    showComparison({Text(kHeadingDeviceDifferences).arg(number),
                    DiffSchemes(*device, session_.Snapshot(), false), note},
                   Text(kTextDeviceMatches).arg(number) + "\n" + note);
}

void MainWindow::compareWithFile() {
    if (!mayCompare())
        return;
    if (const auto path = fileDialogs_.askOpenPath())
        compareWithSchemeFile(*path);
}

void MainWindow::compareWithSchemeFile(const std::string& path) {
    if (!mayCompare())
        return;
    const auto file = fileCommands_.readFile(path);
    if (!file)
        return;
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    showComparison({Text(kHeadingFileDifferences).arg(name),
                    DiffSchemes(SnapshotOfFile(*file), session_.Snapshot(), true), QString()},
                   Text(kTextFileMatches).arg(name));
}

// A comparison replaces the marks and the list of the one before.
void MainWindow::showComparison(const DifferenceReport& report, const QString& sameText) {
    differenceMarks_.clear();
    if (report.lines.empty()) {
        if (differencesPane_ != nullptr)
            differencesPane_->hide();
        messages_.show({sameText.toStdString(), kCaptionCompare, MessageIcon::Information});
    } else {
        for (const DifferenceLine& line : report.lines)
            differenceMarks_.mark(line.place);
        differencesPane().present(report);
    }
    canvas_->update();
}

void MainWindow::showDifferencePlace(SchemePlace place) {
    const std::optional<Rect> band = DifferenceMarks::Band(view_, place);
    if (!band)
        return;
    if (place.kind == SchemePlace::Kind::Row)
        clicks_.selectRow(place.index);
    schemeScrollBox->ensureVisible(band->x + band->w / 2, band->y + band->h / 2, band->w / 2,
                                   band->h / 2 + kRowStep);
    canvas_->update();
}

bool MainWindow::previewWrite() {
    const int address = model_.LinkAddressIndex;
    const auto device = DetachedDeviceRead(messages_, comPort_).read(address);
    if (!device)
        return false;
    const QString number = QString::number(address + 1);
    DifferenceReport report{Text(kHeadingWritePreview).arg(number),
                            DiffSchemes(*device, session_.Snapshot(), false),
                            Text(kNoteNamesNotCompared)};
    if (report.lines.empty())
        report.heading = Text(kTextWritePreviewSame).arg(number);
    if (writePreview_ == nullptr)
        writePreview_ = new WritePreviewDialog(this);
    // The write waits for the operator, not for the device.
    statusBar()->showMessage(
        QString::fromStdString(DeviceStatusText(address) + device_text::kStatusPreviewWaits));
    const bool send = writePreview_->confirmSend(report);
    statusBar()->showMessage(
        QString::fromStdString(ProgressStatusText(DeviceCommandKind::Write, address, 1)));
    return send;
}
