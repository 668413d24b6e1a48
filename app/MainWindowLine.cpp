// The line window of the main window: made when first asked for, on the
// window's own line, clock, exchange log, message boxes and access level.
#include "app/LineWindow.h"
#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "print/ProtocolPdf.h"

#include <QScreen>
#include <QSpinBox>

#include <algorithm>

namespace {

// Over the middle of the main window and whole on its screen, where the
// window system would put it anywhere, part of it off the screen perhaps.
void PlaceOver(QWidget& window, const QWidget& over) {
    QRect place(QPoint(), window.size());
    place.moveCenter(over.frameGeometry().center());
    if (const QScreen* screen = over.screen()) {
        const QRect room = screen->availableGeometry();
        place.moveRight(std::min(place.right(), room.right()));
        place.moveBottom(std::min(place.bottom(), room.bottom()));
        place.moveLeft(std::max(place.left(), room.left()));
        place.moveTop(std::max(place.top(), room.top()));
    }
    window.move(place.topLeft());
}

} // namespace

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
                if (!exit_.OfferSave())
                    return;
                model_.LinkAddressIndex = address - 1;
                selectLinkAddress(address - 1);
                readDevice();
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
