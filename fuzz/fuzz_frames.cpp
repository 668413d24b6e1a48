// Frame checks and response lengths: byte 0 the request's function, byte 1 the
// request length, byte 2 an address; the rest is an answer, and also the data
// of a request built from it.
#include "FuzzCheck.h"
#include "link/Frames.h"

#include <algorithm>
#include <array>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6)
        return 0;
    const std::uint8_t function = data[0];
    const int requestLength = data[1];
    const std::uint8_t* answer = data + 3;
    const int answerLength = static_cast<int>(size - 3);
    ClassifyHeader(function, answer);
    const int expected = ExpectedResponseLength(function, answer, requestLength);
    Require(expected >= 0 && expected <= std::max(kMaxResponseSize, requestLength),
            "an expected answer length fits the answer buffer");
    ResponseCrcOk(answer, answerLength);
    std::array<std::uint8_t, kRequestBufferSize> request{};
    const int dataCount = std::min(answerLength, kRequestBufferSize);
    if (BuildRequest(data[2] % 32, function, answer, dataCount, request.data()) == 0)
        Require(ResponseCrcOk(request.data(), dataCount + 4), "a built request carries its CRC");
    return 0;
}
