// Transact on a line that answers every request with fuzzed bytes, in two
// pieces with a gap between them. Byte 0 picks the request, byte 1 the split,
// byte 2 the gap. The exchange ends with one of the defined results, and a
// success holds a whole answer with a good CRC inside the buffer.
#include "FuzzCheck.h"
#include "link/DeviceLink.h"
#include "support/FakeMessages.h"
#include "tests/support/FakeSerialLine.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr std::uint8_t kFunctions[] = {kFnReadClock, kFnConfirm,    kFnIdentify, kFnSetExecCode,
                                       kFnReadImage, kFnWriteImage, kFnSetClock, 0x03};

// Success, a device exception code (byte 2 of an exception answer) or one of
// the line results 128..131, all below 256; the port results cannot occur here.
bool defined(ExchangeResult r) {
    return r >= kResultOk && r <= 255;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    FakeClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    if (link.SetupPort() != 0)
        return 0;
    const FakeSerialLine::Bytes rest(data + 3, data + size);
    const std::size_t split = std::min<std::size_t>(data[1], rest.size());
    line.answerAlways({{0, {rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(split)}},
                       {data[2], {rest.begin() + static_cast<std::ptrdiff_t>(split), rest.end()}}});
    const std::uint8_t function = kFunctions[data[0] % std::size(kFunctions)];
    const std::array<std::uint8_t, 3> request{24, 8, 0};
    std::array<std::uint8_t, kMaxResponseSize> response{};
    const ExchangeResult result = link.Transact(0, function, 3, request.data(), response);
    Require(defined(result), "the exchange ends with a defined result");
    if (result != kResultOk || !ExpectsResponse(function))
        return 0;
    const int length = link.GetResponseLength();
    Require(length >= 4 && length <= kMaxResponseSize, "an answer fits the buffer");
    Require(ResponseCrcOk(response.data(), length), "an accepted answer has a good CRC");
    return 0;
}
