#pragma once

#include <string>

// The value of a plain decimal text of at most nine digits (no sign, no
// blanks); -1 for anything else, so that a pasted word is never taken as 0.
inline int ParseDecimal(const std::string& text) {
    if (text.empty() || text.size() > 9)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}
