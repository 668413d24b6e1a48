#include "line/DetachedDeviceRead.h"

#include "device/DeviceConfiguration.h"
#include "line/HeadlessWindow.h"

std::optional<SchemeSnapshot> DetachedDeviceRead::read(int addressIndex) {
    HeadlessWindow window;
    SchemeSession session(messages_, window);
    session.model.LinkAddressIndex = addressIndex;
    if (!DeviceConfiguration(session, link_).readDevice())
        return std::nullopt;
    // The image as it came, not as the editor would pack it again: a value the
    // editor never writes is a difference too.
    SchemeSnapshot device;
    device.first = session.model.ExecFirst;
    device.second = session.model.ExecSecond;
    device.image = session.model.ImageBuffer;
    return device;
}
