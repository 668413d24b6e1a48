#include "device/DeviceStatus.h"

#include "device/DeviceTexts.h"
#include "link/DeviceLink.h"
#include "model/ConfigurationModel.h"

#include <cstdio>

using namespace device_text;

std::string PortStatusText(const DeviceLink& link) {
    if (!link.IsPortOpen())
        return link.LossReason().empty() ? kStatusPortClosed
                                         : kStatusPortClosed + (": " + link.LossReason());
    return link.PortName + " " + link.BaudRate + " 8" + link.Parity + link.StopBits;
}

std::string AccessStatusText(const ConfigurationModel& model) {
    return model.canWrite() ? kStatusFullAccess : kStatusReadOnly;
}

std::string DeviceStatusText(int addressIndex) {
    return kStatusDevice + std::to_string(addressIndex + 1);
}

std::string ProgressStatusText(DeviceCommandKind kind, int addressIndex, int attempt) {
    std::string text = DeviceStatusText(addressIndex);
    text += kind == DeviceCommandKind::Read ? kStatusReading : kStatusWriting;
    if (attempt > 1)
        text += kStatusAttempt + std::to_string(attempt);
    return text;
}

namespace {

std::string FailureText(int addressIndex, ExchangeResult result) {
    const std::string device = DeviceStatusText(addressIndex);
    switch (result) {
    case kResultSilent:
        return device + kStatusSilent;
    case kResultPartial:
        return device + kStatusPartial;
    case kResultBadCrc:
        return device + kStatusBadCrc;
    case kResultLineNoise:
        return device + kStatusNoise;
    case kResultBusy:
        return device + kStatusBusy;
    case kResultPortClosed:
        return kStatusPortClosed;
    case kResultLineFailed:
        return kStatusPortLost;
    default:
        break;
    }
    char code[16];
    std::snprintf(code, sizeof code, "%02X", static_cast<unsigned>(result));
    return device + kStatusExchangeError + code;
}

} // namespace

std::string OutcomeStatusText(DeviceCommandKind kind, int addressIndex, bool done,
                              ExchangeResult lastResult) {
    const bool read = kind == DeviceCommandKind::Read;
    if (done)
        return read ? kStatusRead : kStatusWritten;
    if (lastResult != kResultOk)
        return FailureText(addressIndex, lastResult);
    return read ? kStatusNotRead : kStatusNotWritten;
}
