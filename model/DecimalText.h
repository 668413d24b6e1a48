#pragma once

#include <optional>
#include <string_view>

// The value of a plain decimal text of at most nine digits (no sign, no
// blanks); -1 for anything else, so that a pasted word is never taken as 0.
inline int ParseDecimal(std::string_view text) {
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

// The value of a number typed or pasted into a field of a dialog. Blanks
// around it and one sign are allowed, as a copied number often brings them;
// nothing for anything else. Every numeric field reads its text through this,
// so a pasted " 7", "+7" or "7 " means 7 wherever it lands.
inline std::optional<int> ParseFieldNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative))
        text.remove_prefix(1);
    const int value = ParseDecimal(text);
    if (value < 0)
        return std::nullopt;
    return negative ? -value : value;
}
