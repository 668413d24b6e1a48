#pragma once

#include "link/Frames.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class Messages;
class SchemeSession;
class SchemeWindow;
class ConfigurationModel;
class DeviceLink;

// Reading the configuration of a device into the scheme ("Ввод с СОМ-порта") and
// writing the scheme back into a device ("Вывод на СОМ-порт"). Every exchange goes
// to the window's LinkAddressIndex; a failed one is reported and ends the command.
class DeviceConfiguration {
public:
    DeviceConfiguration(SchemeSession& session, DeviceLink& link);

    // Identification, image request, and the scheme rebuilt from the image. The
    // device number stored in the image becomes the address of later exchanges.
    // true when the scheme was read.
    bool readDevice();
    // Access and scheme checks, identification with the code comparison, the image
    // write, the new address and an optional confirmation query. true when the
    // image reached the device.
    bool writeDevice();

    // Asked by writeDevice once the device has answered with the scheme's code,
    // before anything is written: false ends the write with nothing sent and
    // nothing changed. Unset: the write goes on.
    std::function<bool()> confirmSend;

    // Pauses of the exchange sequence (milliseconds).
    static constexpr int kPauseBeforeImage = 50;
    static constexpr int kPauseBeforeConfirm = 1000;

private:
    // Runs one exchange; a failure is reported and false returned.
    bool exchange(std::uint8_t functionCode, int dataCount, const std::uint8_t* data);
    // "устройство N" with the current address.
    std::string deviceText() const;
    void warn(const std::string& text);

    // Reading, step by step; each returns false when the command ends there.
    bool identifyForRead();
    bool readImage();
    void loadImage();
    void finishRead();

    // Writing, step by step.
    bool writeAllowed();
    bool identifyForWrite(int first, int second);
    bool sendImage();
    void askConfirmation();

    SchemeSession& session_;
    ConfigurationModel& model_;
    DeviceLink& link_;
    SchemeWindow& window_;
    Messages& messages_;
    std::array<std::uint8_t, kMaxResponseSize> reply_{};
};
