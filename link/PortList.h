#pragma once

#include <string>
#include <vector>

// The ports the port settings dialog offers. Every entry has a COM name, so
// that the rule "a port name contains COM or com" holds everywhere; path is
// the device the name stands for; description, where the system gives one, names the
// adapter (the entry's tooltip, else the path).
struct PortEntry {
    std::string name;
    std::string path;
    std::string description = {};
};

// On Linux the serial devices, in order of their paths, become COM1, COM2, ...
// On Windows the system's names are COM names already and are kept as they
// are, in the system's order. overrides ("COM5=/dev/pts/7;COM6=/dev/ttyUSB3")
// gives existing names another path or adds entries at the end.
std::vector<PortEntry> BuildPortList(const std::vector<std::string>& systemPorts,
                                     bool systemNamesAreComNames, const std::string& overrides);

// The path of a name (compared without regard to case); empty when unknown.
std::string ResolvePortPath(const std::vector<PortEntry>& ports, const std::string& name);
