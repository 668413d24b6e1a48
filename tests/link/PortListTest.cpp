#include "link/PortList.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const std::vector<PortEntry>& ports) {
    std::vector<std::string> names;
    for (const PortEntry& p : ports)
        names.push_back(p.name + "=" + p.path);
    return names;
}

TEST(BuildPortList, LinuxDevicesBecomeComNamesInPathOrder) {
    const auto ports =
        BuildPortList({"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyS0"}, false, "");
    EXPECT_EQ(Names(ports), (std::vector<std::string>{"COM1=/dev/ttyS0", "COM2=/dev/ttyS2",
                                                      "COM3=/dev/ttyS10", "COM4=/dev/ttyUSB0"}));
}

TEST(BuildPortList, OverridesAddAndReplace) {
    const auto ports =
        BuildPortList({"/dev/ttyS0", "/dev/ttyS1"}, false,
                      "COM12=/dev/pts/9;COM2=/dev/pts/7;broken;=x;COM6=;COM5=/dev/ttyUSB3");
    EXPECT_EQ(Names(ports), (std::vector<std::string>{"COM1=/dev/ttyS0", "COM2=/dev/pts/7",
                                                      "COM12=/dev/pts/9", "COM5=/dev/ttyUSB3"}));
}

TEST(BuildPortList, WindowsNamesAreKeptInTheSystemsOrder) {
    const auto ports = BuildPortList({"COM3", "COM1"}, true, "");
    EXPECT_EQ(Names(ports), (std::vector<std::string>{"COM3=COM3", "COM1=COM1"}));
}

TEST(ResolvePortPath, IgnoresCaseAndKnowsNothingElse) {
    const auto ports = BuildPortList({}, false, "COM2=/dev/pts/3");
    EXPECT_EQ(ResolvePortPath(ports, "com2"), "/dev/pts/3");
    EXPECT_EQ(ResolvePortPath(ports, "COM2"), "/dev/pts/3");
    EXPECT_EQ(ResolvePortPath(ports, "COM3"), "");
}

} // namespace
