#pragma once

#include "editor/SchemeSession.h"
#include "files/SchemeFile.h"
#include "link/DeviceLink.h"
#include "link/serial/QtSerialLine.h"
#include "tools/ConsoleSeams.h"
#include "tools/LineReports.h"
#include "tools/ToolOptions.h"
#include "ui/Clock.h"

#include <optional>
#include <string>

// The window's device commands on a terminal: one session and one link with
// console seams, so that the same steps run and the same messages appear (on
// standard error) as in the programmer.
class ToolDevice {
public:
    ToolDevice();

    // Opens the port named by --port (a COM name of the port list, or a device
    // path) with the line options; reports a failure as the port dialog does.
    bool open(const ToolOptions& options);

    // One attempt per address, and the whole attempt (the pause before sending
    // included) within timeoutMs: a survey of an empty line costs the time-out
    // per address.
    void prepareSurvey(int timeoutMs);

    // "Ввод с СОМ-порта" at the address, after late bytes of an earlier
    // answer have been drained. The device's own image and code; nothing when
    // nothing was loaded (see failureStatus). Every failure, also a repair
    // after a load, has been printed and counted in messages.failures().
    std::optional<SchemeFileData> read(int address);
    // What the window would save after that read: the image packed from the
    // model, names blank.
    SchemeFileData loadedScheme();

    // The start-up password check with the password given; afterwards the
    // model's access level is the window's.
    void checkPassword(const std::string& typed);
    // The access level allows writing; otherwise the window's refusal is shown.
    bool mayWrite();
    // "Вывод на СОМ-порт" of the scheme to the device at the address:
    // Written, Confirmed (when asked), NotConfirmed, Refused (access, code,
    // status) or NoAnswer (nothing was written).
    Outcome write(const SchemeFileData& scheme, int address, bool confirm);

    // Why the last read or write ended early: kExitNoAnswer when its last
    // exchange brought no usable answer, kExitFound when the device answered
    // but was refused (code, status, access).
    int failureStatus() const;

    ConsoleMessages messages;
    ConsoleWindow window;
    SchemeSession session{messages, window};
    QtSerialLine line;
    SystemClock clock;
    DeviceLink link{line, clock, messages};

private:
    // Drops the rest of an earlier answer; false when the line failed.
    bool drainLine();

    ExchangeResult lastResult_ = kResultOk;
};

// The password for writing: VIL3K_PASSWORD, else asked without echo when
// standard input is a terminal, else empty (read-only access).
std::string ObtainPassword();
