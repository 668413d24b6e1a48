#pragma once

#include "sim/SimulatedDevice.h"
#include "support/FakeMessages.h"
#include "support/FakeSerialLine.h"

#include <deque>

// Several devices of the simulator on one scripted line, in test time: every
// request reaches every device, and the answers go out one after another, as
// on a shared line, each after its device's reply delay.
struct SimulatedLine {
    SimulatedLine() {
        line.portOpen = true;
        line.respond = [this](const FakeSerialLine::Bytes& request) {
            FakeSerialLine::Answer answer;
            for (SimulatedDevice& device : devices)
                for (const SimReply& reply :
                     device.receive(request.data(), static_cast<int>(request.size()), clock.now))
                    answer.push_back({reply.delayMs, reply.bytes});
            return answer;
        };
    }
    // A device with this code and image at the address.
    SimulatedDevice& Add(int address, int first, int second, int replyDelayMs = 0,
                         const std::array<std::uint8_t, 250>& image = {}) {
        SimFaults faults;
        faults.lateMs = replyDelayMs;
        SimulatedDevice& device = devices.emplace_back(faults);
        device.address = address;
        device.execFirst = static_cast<std::uint8_t>(first);
        device.execSecond = static_cast<std::uint8_t>(second);
        device.image = image;
        device.image[249] = static_cast<std::uint8_t>((image[249] & 0xE0) | (address - 1));
        return device;
    }
    SimulatedDevice* At(int address) {
        for (SimulatedDevice& device : devices)
            if (device.address == address)
                return &device;
        return nullptr;
    }
    // Identification requests written to an address.
    int Asked(int address) const {
        int count = 0;
        for (const auto& w : line.writes)
            count += w.size() == 4 && w[0] == address && w[1] == 0x11;
        return count;
    }

    FakeClock clock;
    FakeSerialLine line{clock};
    FakeMessages messages;
    std::deque<SimulatedDevice> devices; // stable addresses for At()
};
