#pragma once

#include "editor/SchemeSession.h"
#include "files/SchemeFile.h"
#include "line/HeadlessWindow.h"
#include "line/LineMessages.h"
#include "line/LineRows.h"
#include "link/DeviceLink.h"
#include "ui/Clock.h"

#include <optional>
#include <string>

// The devices of one line, worked on one after another with the window's own
// device commands: one link and one scheme session without a window, so that
// the same steps run and the same messages appear as in the programmer.
// Messages go to the seam given (a terminal, a window's log).
class LineSession {
public:
    LineSession(SerialLine& line, Clock& clock, Messages& shown);

    // "Ввод с СОМ-порта" at the address, after late bytes of an earlier
    // answer have been drained. The device's own image and code; nothing when
    // nothing was loaded (see unanswered()). Every failure, also a repair
    // after a load, has gone to the messages.
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

    // The last read or write ended because its last exchange brought no usable
    // answer (rather than a refusal of the device or of the program).
    bool unanswered() const;
    // What became of a read or write that did not end as it should: the
    // port lost, no usable answer, or a refusal.
    Outcome failure() const;

    // Every frame of the line, the survey's included: the exchange log, a trace.
    void setFrameObserver(DeviceLink::FrameObserver observer);
    const DeviceLink::FrameObserver& frameObserver() const { return frameObserver_; }

    SerialLine& line;
    Clock& clock;
    LineMessages messages;
    HeadlessWindow window;
    SchemeSession session{messages, window};
    DeviceLink link{line, clock, messages};

private:
    // Drops the rest of an earlier answer; false when the line failed.
    bool drainLine();

    ExchangeResult lastResult_ = kResultOk;
    DeviceLink::FrameObserver frameObserver_;
};
