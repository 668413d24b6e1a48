#pragma once

#include "line/LineSession.h"
#include "link/serial/SystemSerialLine.h"
#include "tools/ConsoleSeams.h"
#include "tools/ToolOptions.h"
#include "ui/Clock.h"

#include <string>

// What a session of the line stands on in the tool: the serial port, the
// system clock and messages on standard error.
struct ToolLineParts {
    ConsoleMessages console;
    std::unique_ptr<SerialLine> serialLine = NewSystemSerialLine();
    SystemClock systemClock;
};

// The window's device commands on a terminal, for one device or a whole line.
class ToolDevice : private ToolLineParts, public LineSession {
public:
    ToolDevice();

    // Opens the port named by --port (a COM name of the port list, or a device
    // path) with the line options; reports a failure as the port dialog does.
    bool open(const ToolOptions& options);

    // Why the last read or write ended early: kExitNoAnswer when its last
    // exchange brought no usable answer, kExitFound when the device answered
    // but was refused (code, status, access).
    int failureStatus() const;
};

// The password for writing: VIL3K_PASSWORD, else asked without echo when
// standard input is a terminal, else empty (read-only access).
std::string ObtainPassword();
