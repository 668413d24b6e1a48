// The simulator's request parser on any bytes, fed in two pieces: every reply
// is a whole frame with a good CRC from the device's own address (or the one a
// taken image write gave it).
#include "FuzzCheck.h"
#include "link/Frames.h"
#include "sim/SimulatedDevice.h"

#include <algorithm>
#include <cstdint>

namespace {

void feed(SimulatedDevice& device, const std::uint8_t* bytes, int count, std::int64_t now) {
    const int before = device.address; // an image write in the same piece moves it
    for (const SimReply& reply : device.receive(bytes, count, now)) {
        const int length = static_cast<int>(reply.bytes.size());
        Require(length >= 5, "a reply is a whole frame");
        Require(ResponseCrcOk(reply.bytes.data(), length), "a reply has a good CRC");
        Require(reply.bytes[0] == before || reply.bytes[0] == device.address,
                "a reply comes from the device's address");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    SimulatedDevice device(SimFaults{});
    device.address = data[0] % 32;
    const int rest = static_cast<int>(size - 2);
    const int split = std::min<int>(data[1], rest);
    feed(device, data + 2, split, 0);
    if (data[1] & 1)
        device.dropPartial();
    feed(device, data + 2 + split, rest - split, 1000);
    return 0;
}
