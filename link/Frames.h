#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Modbus RTU framing of the device line: request building, the expected length
// of an answer, exception answers and the CRC.

inline constexpr int kRequestBufferSize = 3000;
inline constexpr int kMaxRequestData = kRequestBufferSize - 4;
// address, function, count, up to 255 data bytes, CRC
inline constexpr int kMaxResponseSize = 260;
inline constexpr int kHeaderSize = 3;

inline constexpr std::uint8_t kFnReadClock = 0x04;
inline constexpr std::uint8_t kFnConfirm = 0x0E;
inline constexpr std::uint8_t kFnIdentify = 0x11;
inline constexpr std::uint8_t kFnSetExecCode = 0x12;
inline constexpr std::uint8_t kFnReadImage = 0x44;
inline constexpr std::uint8_t kFnWriteImage = 0x45;
inline constexpr std::uint8_t kFnSetClock = 0x46;
inline constexpr std::uint8_t kExceptionBit = 0x80;

inline constexpr std::array<std::uint8_t, 18> AllowedFunctionCodes{
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x0E, 0x0F, 0x10,
    0x11, 0x12, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x64};

bool IsAllowedFunctionCode(std::uint8_t functionCode);

// CRC-16/MODBUS: preset 0xFFFF, reflected polynomial 0xA001, no final XOR.
std::uint16_t Crc16(const std::uint8_t* bytes, int count);

// Writes address, function, data and CRC into request (dataCount + 4 bytes).
// Returns 0 when built, 1 when the function code is not allowed or the data
// does not fit the request buffer.
int BuildRequest(int addressIndex, std::uint8_t functionCode, const std::uint8_t* data,
                 int dataCount, std::uint8_t* request);

// 0x45 and 0x46 requests are never answered.
bool ExpectsResponse(std::uint8_t functionCode);

// What the first three bytes of an answer say.
enum class HeaderKind {
    Normal,    // the request's function code (or its exception form with code 0)
    Exception, // exception form with a non-zero code in byte 2
    Foreign    // any other function byte
};
HeaderKind ClassifyHeader(std::uint8_t requestFunction, const std::uint8_t* header);

// Length of the whole answer once its header is known; requestLength is the
// length of the request frame (an echo answer repeats it).
int ExpectedResponseLength(std::uint8_t requestFunction, const std::uint8_t* header,
                           int requestLength);

// True when the last two bytes are the CRC of the bytes before them.
bool ResponseCrcOk(const std::uint8_t* response, int length);

// Appends the CRC of the bytes so far, low byte first (answers, test frames).
void AppendCrc(std::vector<std::uint8_t>& frame);
