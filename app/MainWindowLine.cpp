// The line window of the main window: made when first asked for, on the
// window's own line, clock, exchange log, message boxes and access level.
#include "app/LineWindow.h"
#include "app/MainWindow.h"

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
            }};
        lineWindow_ = new LineWindow(access, this);
    }
    lineWindow_->show();
    lineWindow_->raise();
    lineWindow_->activateWindow();
}
