#include "link/PortList.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

// "/dev/ttyS2" before "/dev/ttyS10": digit runs compare by value.
bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            const std::string na = a.substr(i, ei - i), nb = b.substr(j, ej - j);
            const std::string ta = na.substr(std::min(na.find_first_not_of('0'), na.size()));
            const std::string tb = nb.substr(std::min(nb.find_first_not_of('0'), nb.size()));
            if (ta.size() != tb.size())
                return ta.size() < tb.size();
            if (ta != tb)
                return ta < tb;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void AddOrOverride(std::vector<PortEntry>& ports, const std::string& name,
                   const std::string& path) {
    for (PortEntry& entry : ports) {
        if (Upper(entry.name) == Upper(name)) {
            entry.path = path;
            return;
        }
    }
    ports.push_back({name, path});
}

} // namespace

std::vector<PortEntry> BuildPortList(const std::vector<std::string>& systemPorts,
                                     bool systemNamesAreComNames, const std::string& overrides) {
    std::vector<std::string> sorted = systemPorts;
    if (!systemNamesAreComNames)
        std::sort(sorted.begin(), sorted.end(), NaturalLess);
    std::vector<PortEntry> ports;
    for (const std::string& port : sorted) {
        const std::string name =
            systemNamesAreComNames ? port : "COM" + std::to_string(ports.size() + 1);
        ports.push_back({name, port});
    }
    std::istringstream items(overrides);
    std::string item;
    while (std::getline(items, item, ';')) {
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == item.size())
            continue;
        AddOrOverride(ports, item.substr(0, eq), item.substr(eq + 1));
    }
    return ports;
}

std::string ResolvePortPath(const std::vector<PortEntry>& ports, const std::string& name) {
    for (const PortEntry& entry : ports)
        if (Upper(entry.name) == Upper(name))
            return entry.path;
    return {};
}
