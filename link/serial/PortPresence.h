#pragma once

#include <string>

// What the system says of an open serial device, asked after an operation on
// it failed: whether the device is still there. false when its node is gone or
// the line has hung up (an adapter pulled out, the other end of a pseudo-terminal
// closed); why then says so.
bool SerialDevicePresent(int handle, const std::string& path, std::string& why);
