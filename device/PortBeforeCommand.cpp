#include "device/PortBeforeCommand.h"

#include "device/DeviceStatus.h"
#include "device/DeviceTexts.h"
#include "link/DeviceLink.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

bool PortReadyForCommand(DeviceLink& link, std::string& reopened) {
    reopened.clear();
    switch (link.ReopenIfLost()) {
    case DeviceLink::PortState::Reopened:
        reopened = link.PortName + device_text::kStatusPortReopened;
        return true;
    case DeviceLink::PortState::Closed:
        link.messages().show(
            {PortStatusText(link), ui_text::kCaptionError, MessageIcon::Error, MessageButtons::Ok});
        return false;
    case DeviceLink::PortState::Open:
        break;
    }
    return true;
}
