#include "link/Frames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Build(int addressIndex, std::uint8_t functionCode, const Bytes& data, int* result = nullptr) {
    Bytes request(kRequestBufferSize, 0xEE);
    const int r = BuildRequest(addressIndex, functionCode, data.data(),
                               static_cast<int>(data.size()), request.data());
    if (result)
        *result = r;
    if (r != 0)
        return request;
    request.resize(data.size() + 4);
    return request;
}

TEST(Crc16, KnownAnswers) {
    const char* digits = "123456789";
    EXPECT_EQ(Crc16(reinterpret_cast<const std::uint8_t*>(digits), 9), 0x4B37);
    Bytes readRegisters{0x01, 0x03, 0x00, 0x00, 0x00, 0x0A};
    AppendCrc(readRegisters);
    EXPECT_EQ(readRegisters[6], 0xC5);
    EXPECT_EQ(readRegisters[7], 0xCD);
    EXPECT_EQ(Crc16(nullptr, 0), 0xFFFF);
}

TEST(BuildRequest, IdentificationToAddressOne) {
    EXPECT_EQ(Build(0, 0x11, {}), (Bytes{0x01, 0x11, 0xC0, 0x2C}));
}

TEST(BuildRequest, ImageReadToAddressIndexFour) {
    const Bytes frame = Build(4, 0x44, {});
    ASSERT_EQ(frame.size(), 4u);
    EXPECT_EQ(frame[0], 0x05);
    EXPECT_EQ(frame[1], 0x44);
    EXPECT_EQ(Crc16(frame.data(), 2), frame[2] | frame[3] << 8);
}

TEST(BuildRequest, ClockSettingIsBroadcastOnlyWithData) {
    const Bytes withData = Build(7, 0x46, {30, 15, 12, 1, 6});
    Bytes expected{0x00, 0x46, 0x1E, 0x0F, 0x0C, 0x01, 0x06};
    AppendCrc(expected);
    EXPECT_EQ(withData, expected);
    EXPECT_EQ(Build(7, 0x46, {})[0], 8);
}

TEST(BuildRequest, EveryAllowedCodeAndNothingElse) {
    for (int code = 0; code < 256; ++code) {
        int result = -1;
        const Bytes frame = Build(0, static_cast<std::uint8_t>(code), {}, &result);
        const bool allowed = IsAllowedFunctionCode(static_cast<std::uint8_t>(code));
        EXPECT_EQ(result, allowed ? 0 : 1) << code;
        if (!allowed) {
            EXPECT_EQ(frame[0], 0xEE) << "refused request must not be built: " << code;
        }
    }
    EXPECT_EQ(Build(0, 0x13, {0x01}, nullptr)[0], 0xEE);
}

TEST(BuildRequest, DataBeyondTheBufferIsRefused) {
    Bytes data(kMaxRequestData + 1, 0x55);
    int result = 0;
    Build(0, 0x45, data, &result);
    EXPECT_EQ(result, 1);
    Build(0, 0x45, Bytes(kMaxRequestData, 0x55), &result);
    EXPECT_EQ(result, 0);
}

TEST(ExpectsResponse, OnlyWritesGoUnanswered) {
    for (std::uint8_t code : AllowedFunctionCodes)
        EXPECT_EQ(ExpectsResponse(code), code != 0x45 && code != 0x46) << int(code);
}

struct HeaderCase {
    std::uint8_t request;
    Bytes header;
    HeaderKind kind;
    int length; // for a request frame of 4 bytes
};
void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << "request " << int{c.request} << ", kind " << static_cast<int>(c.kind);
}

class HeaderTable : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTable, KindAndLength) {
    const HeaderCase& c = GetParam();
    EXPECT_EQ(ClassifyHeader(c.request, c.header.data()), c.kind);
    if (c.kind == HeaderKind::Normal) {
        EXPECT_EQ(ExpectedResponseLength(c.request, c.header.data(), 4), c.length);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HeaderTable,
    ::testing::Values(HeaderCase{0x11, {0x01, 0x11, 0x03}, HeaderKind::Normal, 8},
                      HeaderCase{0x44, {0x01, 0x44, 0xFA}, HeaderKind::Normal, 255},
                      HeaderCase{0x04, {0x09, 0x04, 0x0A}, HeaderKind::Normal, 15},
                      HeaderCase{0x0E, {0x01, 0x0E, 0x41}, HeaderKind::Normal, 4},
                      HeaderCase{0x05, {0x01, 0x05, 0x00}, HeaderKind::Normal, 4},
                      HeaderCase{0x0F, {0x01, 0x0F, 0x00}, HeaderKind::Normal, 8},
                      HeaderCase{0x44, {0x01, 0xC4, 0x06}, HeaderKind::Exception, 0},
                      HeaderCase{0x44, {0x01, 0xC4, 0x00}, HeaderKind::Normal, 5},
                      HeaderCase{0x0E, {0x01, 0x8E, 0x00}, HeaderKind::Normal, 5},
                      HeaderCase{0x44, {0x01, 0x11, 0x03}, HeaderKind::Foreign, 0},
                      HeaderCase{0x44, {0x01, 0x84, 0x06}, HeaderKind::Foreign, 0}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) {
        const HeaderCase& c = info.param;
        return "Request" + std::to_string(c.request) + "Row" + std::to_string(info.index);
    });

TEST(ResponseCrc, BothBytesMustMatch) {
    Bytes frame{0x01, 0xC4, 0x00};
    AppendCrc(frame);
    EXPECT_TRUE(ResponseCrcOk(frame.data(), 5));
    frame[4] ^= 0x01;
    EXPECT_FALSE(ResponseCrcOk(frame.data(), 5));
    frame[4] ^= 0x01;
    frame[3] ^= 0x80;
    EXPECT_FALSE(ResponseCrcOk(frame.data(), 5));
}

} // namespace
