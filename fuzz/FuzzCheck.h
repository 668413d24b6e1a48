#pragma once

#include <cstdio>
#include <cstdlib>

// A property the target checks on every input: a violation is a finding like a
// crash, so it aborts with the reason.
inline void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}
