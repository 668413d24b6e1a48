#include "device/DeviceCommandRunner.h"

namespace {

// Clears the flag however the command ends.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

bool DeviceCommandRunner::run(const std::function<void()>& command) {
    if (busy_ || !command)
        return false;
    const BusyFlag flag(busy_);
    const std::shared_ptr<void> indication = indicator_ ? indicator_() : nullptr;
    command();
    return true;
}
