#pragma once

#include "device/DeviceConfiguration.h"
#include "link/DeviceLink.h"
#include "sim/SimulatedDevice.h"
#include "support/FakeSerialLine.h"
#include "support/SampleSchemes.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Image = std::array<std::uint8_t, kImageSize>;

// The sample configuration of a code packed into an image with the given device byte.
inline Image SampleImage(int first, int second, std::uint8_t deviceByte) {
    SessionFixture<> sample;
    BuildSampleScheme(sample.session, first, second);
    sample.model.SetDeviceByte(deviceByte);
    sample.model.PackImage();
    return sample.model.ImageBuffer;
}

// A model, its scheme and the device commands on a scripted line, answered by
// the simulator's own device logic in test time.
struct DeviceFixture : SessionFixture<> {
    FakeClock clock;
    FakeSerialLine line{clock};
    DeviceLink link{line, clock, messages};
    DeviceConfiguration device{session, link};
    std::optional<SimulatedDevice> sim;

    // A device with this code, image and address on an open port.
    void Attach(int first, int second, const Image& image, int address = 1,
                const SimFaults& faults = {}) {
        sim.emplace(faults);
        sim->execFirst = static_cast<std::uint8_t>(first);
        sim->execSecond = static_cast<std::uint8_t>(second);
        sim->image = image;
        sim->address = address;
        line.respond = [this](const Bytes& request) {
            FakeSerialLine::Answer answer;
            for (const SimReply& reply :
                 sim->receive(request.data(), static_cast<int>(request.size()), clock.now))
                answer.push_back({reply.delayMs, reply.bytes});
            return answer;
        };
        ASSERT_EQ(link.SetupPort(), 0);
    }
    // The function codes of every request sent, in order.
    Bytes Functions() const {
        Bytes codes;
        for (const Bytes& w : line.writes)
            codes.push_back(w.at(1));
        return codes;
    }
    // A scheme of this code on screen, as a read or file open leaves it.
    void ShowScheme(int first, int second) {
        BuildSampleScheme(session, first, second);
        window.showExecCode(first, second);
        messages.shown.clear();
        window.log.clear();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const MessageBox& box : messages.shown)
            texts.push_back(box.text);
        return texts;
    }
};

// A scheme loaded straight from the image, as the read should leave it.
struct DirectLoad : SessionFixture<> {
    DirectLoad(int first, int second, const Image& image) {
        model.ExecFirst = first;
        model.ExecSecond = second;
        creation.CreateScheme();
        model.ImageBuffer = image;
        creation.LoadImage(image[kDeviceByteOffset]);
    }
};

// Two models and scheme views hold the same configuration, element for shown element.
void ExpectSameModel(const ConfigurationModel& a, const ConfigurationModel& b);
void ExpectSameView(const SchemeView& a, const SchemeView& b);
