#include "line/AddressRanges.h"

#include <cstddef>

std::string AddressRangesText(const std::vector<int>& addresses) {
    std::string text;
    for (std::size_t at = 0; at < addresses.size();) {
        std::size_t end = at;
        while (end + 1 < addresses.size() && addresses[end + 1] == addresses[end] + 1)
            ++end;
        if (!text.empty())
            text += ", ";
        text += std::to_string(addresses[at]);
        if (end > at)
            text += "–" + std::to_string(addresses[end]);
        at = end + 1;
    }
    return text;
}
