#include "link/Frames.h"

#include <algorithm>
#include <cstring>

bool IsAllowedFunctionCode(std::uint8_t functionCode) {
    return std::find(AllowedFunctionCodes.begin(), AllowedFunctionCodes.end(), functionCode) !=
           AllowedFunctionCodes.end();
}

std::uint16_t Crc16(const std::uint8_t* bytes, int count) {
    std::uint16_t crc = 0xFFFF;
    for (int i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

int BuildRequest(int addressIndex, std::uint8_t functionCode, const std::uint8_t* data,
                 int dataCount, std::uint8_t* request) {
    if (!IsAllowedFunctionCode(functionCode) || dataCount < 0 || dataCount > kMaxRequestData)
        return 1;
    request[0] = static_cast<std::uint8_t>(addressIndex + 1);
    request[1] = functionCode;
    if (dataCount > 0) {
        std::memcpy(request + 2, data, static_cast<std::size_t>(dataCount));
        // The clock is set on every device of the line at once.
        if (functionCode == kFnSetClock)
            request[0] = 0;
    }
    const std::uint16_t crc = Crc16(request, dataCount + 2);
    request[dataCount + 2] = static_cast<std::uint8_t>(crc & 0xFF);
    request[dataCount + 3] = static_cast<std::uint8_t>(crc >> 8);
    return 0;
}

bool ExpectsResponse(std::uint8_t functionCode) {
    return functionCode != kFnWriteImage && functionCode != kFnSetClock;
}

HeaderKind ClassifyHeader(std::uint8_t requestFunction, const std::uint8_t* header) {
    if (header[1] == requestFunction)
        return HeaderKind::Normal;
    if (header[1] == (requestFunction | kExceptionBit))
        return header[2] != 0 ? HeaderKind::Exception : HeaderKind::Normal;
    return HeaderKind::Foreign;
}

int ExpectedResponseLength(std::uint8_t requestFunction, const std::uint8_t* header,
                           int requestLength) {
    // An exception frame is always address, function, code and CRC.
    if (header[1] != requestFunction)
        return 5;
    switch (requestFunction) {
    case 0x05:
    case kFnConfirm:
        return requestLength;
    case 0x0F:
        return 8;
    default:
        return header[2] + 5;
    }
}

bool ResponseCrcOk(const std::uint8_t* response, int length) {
    if (length < 2)
        return false;
    const std::uint16_t crc = Crc16(response, length - 2);
    return response[length - 2] == (crc & 0xFF) && response[length - 1] == (crc >> 8);
}

void AppendCrc(std::vector<std::uint8_t>& frame) {
    const std::uint16_t crc = Crc16(frame.data(), static_cast<int>(frame.size()));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}
