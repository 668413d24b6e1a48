#pragma once

#include "device/DeviceConfiguration.h"
#include "editor/SchemeSession.h"
#include "support/FakeMessages.h"
#include "support/RecordingWindow.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

// Reads and writes through the device commands against a device on a chaotic
// line, each outcome checked: a read either loads exactly the device's image or
// fails with an exchange message and leaves the model alone; a write either
// reaches the device whole and clears Modified, or fails with a message, keeps
// Modified and leaves the device's image as it was.
class ChaosSoak {
public:
    using Image = std::array<std::uint8_t, 250>;
    struct Tally {
        int reads = 0, readsLoaded = 0, writes = 0, writesDone = 0;
        std::map<std::string, int> failures; // by the ending of the message
        int wrongAccepted = 0, lost = 0, hung = 0;
        long long longestMs = 0;
        std::vector<std::string> problems;
    };

    // deviceImage gives the image the device holds, given the one it should
    // hold after a write reported done (a device busy with a late answer takes
    // the write a little later); elapsedMs the time of the clock the link runs on.
    using DeviceImage = std::function<Image(const Image* awaited)>;
    ChaosSoak(SchemeSession& session, FakeMessages& messages, DeviceConfiguration& device,
              DeviceImage deviceImage, std::function<long long()> elapsedMs, std::uint32_t seed)
        : session_(session), messages_(messages), device_(device),
          deviceImage_(std::move(deviceImage)), elapsedMs_(std::move(elapsedMs)), rng_(seed) {}

    void Run(int operations);
    const Tally& tally() const { return tally_; }
    // The tally as lines of figures.
    std::string Report() const;

private:
    void read();
    void write();
    // The kind of an exchange-failure message, or empty when it is none.
    static std::string FailureKind(const std::string& text);
    void problem(const std::string& what);
    std::vector<MessageBox> takeMessages();

    SchemeSession& session_;
    FakeMessages& messages_;
    DeviceConfiguration& device_;
    DeviceImage deviceImage_;
    std::function<long long()> elapsedMs_;
    std::mt19937 rng_;
    Tally tally_;
};
