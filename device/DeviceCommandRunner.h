#pragma once

#include <functional>
#include <memory>

// Runs the commands that talk to the device one at a time. A command asked for
// while another is still under way (from the event loop of one of its message
// boxes, a timer, a queued close) is dropped: two exchanges on one line would
// read each other's answers.
class DeviceCommandRunner {
public:
    // Shows that the program is busy for the lifetime of the returned object.
    using BusyIndicator = std::function<std::shared_ptr<void>()>;

    explicit DeviceCommandRunner(BusyIndicator indicator = {}) : indicator_(std::move(indicator)) {}

    // false when the command was dropped because another is running.
    bool run(const std::function<void()>& command);

private:
    BusyIndicator indicator_;
    bool busy_ = false;
};
