#pragma once

#include "device/DeviceClock.h"
#include "link/ExchangeResult.h"
#include "ui/Clock.h"

#include <atomic>
#include <optional>

class LineSession;

// The devices' clocks against the computer's. A device's clock counts whole
// seconds from the moment it is set and tells only whole seconds; so it is
// set as the computer's second begins, and compared with the computer's time
// at the moment it read itself, never with a moment later.

// The wall time ms milliseconds later (earlier when negative).
WallTime WallTimeAfter(const WallTime& time, int ms);

// Every device's clock set to the computer's (one broadcast), sent so that it
// reaches them as the computer's next second begins: first a wait of up to a
// second, which a cancel ends with kResultAbandoned and nothing sent. The
// time sent in `sent`.
ExchangeResult SetClocksFromComputer(LineSession& session, DeviceTime& sent,
                                     const std::atomic<bool>* cancel = nullptr);

struct ClockReading {
    DeviceTime device;
    WallTime computer; // when the device had the question and read its clock
};

// The clock of the device at the address; nothing when none came back, the
// exchange's result in `result`.
std::optional<ClockReading> ReadDeviceClock(LineSession& session, int address,
                                            ExchangeResult& result);
