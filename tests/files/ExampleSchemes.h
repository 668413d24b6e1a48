#pragma once

#include "editor/SchemeSession.h"

// The example schemes under examples/, built as an operator builds them: every
// record is set by a programming command, so each example is a configuration
// the editor can produce.
struct Example {
    const char* name;
    int first, second, blocks, deviceIndex;
    bool externalAck;
};

inline constexpr Example kExamples[] = {
    {"06-06", 6, 6, 3, 0, false},  {"12-04", 12, 4, 5, 2, false},   {"12-22", 12, 22, 4, 6, false},
    {"24-08", 24, 8, 13, 4, true}, {"24-43", 24, 43, 7, 11, false},
};

// Creates the scheme for the example's code in the session and programs it
// through the commands; a refused step shows its message like any other.
void BuildExample(SchemeSession& session, const Example& example);
