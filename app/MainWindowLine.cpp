// The line window of the main window: made when first asked for, on the
// window's own line, clock, exchange log, message boxes and access level.
#include "app/LineWindow.h"
#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "app/WindowFit.h"
#include "print/ProtocolPdf.h"

#include <QSpinBox>

void MainWindow::showLineWindow() {
    if (lineWindow_ == nullptr) {
        const LineAccess access{
            serialLine_,
            clock_,
            comPort_,
            [this](const std::function<void()>& command) { return runDeviceCommand(command); },
            [this](LinkFrame frame) { exchangeLog_.record(std::move(frame)); },
            messages_,
            [this] { return model_.AccessLevel; },
            [this](int address) {
                // One offer to save for one read: the read itself asks no more.
                if (!exit_.OfferSave()) {
                    lineWindow_->raise();
                    lineWindow_->activateWindow();
                    return;
                }
                model_.LinkAddressIndex = address - 1;
                selectLinkAddress(address - 1);
                readOfferedDevice();
                activateWindow();
                raise();
            },
            [this](const std::string& reason) { comPort_.TakeLoss(reason); }};
        lineWindow_ = new LineWindow(access, this);
        lineWindow_->protocolsPdf = [this](const QString& folder, const std::vector<int>& at) {
            return BackupProtocolsPdf(folder, at, clock_.wallNow());
        };
        PlaceOver(*lineWindow_, *this);
        if (settings_ != nullptr) {
            const ProgramSettings::LineWindowPlace place = settings_->lineWindow();
            lineWindow_->firstAddress().setValue(place.first);
            lineWindow_->lastAddress().setValue(place.last);
            if (!place.folder.isEmpty())
                lineWindow_->setBackupFolder(place.folder);
            if (!place.geometry.isEmpty())
                lineWindow_->restoreGeometry(place.geometry);
            lineWindow_->closed = [this] {
                settings_->setLineWindow(
                    {lineWindow_->backupFolder(), lineWindow_->firstAddress().value(),
                     lineWindow_->lastAddress().value(), lineWindow_->saveGeometry()});
            };
        }
    }
    lineWindow_->show();
    lineWindow_->raise();
    lineWindow_->activateWindow();
}
