#pragma once

#include "editor/SchemeSession.h"

#include <optional>

class DeviceLink;

// The configuration of the device at an address, read as "Ввод с СОМ-порта"
// reads it (the same exchanges on the same link, the same checks and the same
// messages) but into a session of its own: the scheme on screen, its address,
// its fields and its caption stay as they were.
class DetachedDeviceRead {
public:
    DetachedDeviceRead(Messages& messages, DeviceLink& link) : messages_(messages), link_(link) {}

    // The device's code and image as it sent them (device byte included); no
    // names, a device has none. Nothing when the read ended early: its message
    // has been shown.
    std::optional<SchemeSnapshot> read(int addressIndex);

private:
    Messages& messages_;
    DeviceLink& link_;
};
