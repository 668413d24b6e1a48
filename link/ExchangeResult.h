#pragma once

#include <string>

class DeviceLink;

// The int result of one exchange: 0 for success, otherwise what went wrong.
using ExchangeResult = int;

inline constexpr ExchangeResult kResultOk = 0;
// Function code not allowed (also a device exception code 1).
inline constexpr ExchangeResult kResultRefused = 1;
// Device exception: busy writing its database.
inline constexpr ExchangeResult kResultBusy = 6;
// Answers whose function byte belongs to no request of ours, or that announce
// more bytes than the caller's buffer holds.
inline constexpr ExchangeResult kResultForeignAnswer = 128;
inline constexpr ExchangeResult kResultPartial = 129;
inline constexpr ExchangeResult kResultSilent = 130;
inline constexpr ExchangeResult kResultBadCrc = 131;
inline constexpr ExchangeResult kResultPortSetupFailed = 132;
inline constexpr ExchangeResult kResultPortClosed = 256;
// The operator abandoned the exchange (closed the dialog that asked); nothing
// to report.
inline constexpr ExchangeResult kResultAbandoned = 1024;
// The serial layer reported an error on a port that is still there (framing,
// parity, an overrun, a refused control call): an attempt spoilt by noise,
// repeated as one with a broken answer.
inline constexpr ExchangeResult kResultLineNoise = 2048;
// The serial layer failed (port vanished, adapter pulled out). The exchange
// has already reported it and closed the port.
inline constexpr ExchangeResult kResultLineFailed = 512;

// The box for a non-zero result (nothing for 0, kResultAbandoned and
// kResultLineFailed).
// Result 256 closes the port first.
void ShowExchangeResult(DeviceLink& link, int addressIndex, ExchangeResult result);

// The text ShowExchangeResult shows; empty when it shows nothing.
std::string ExchangeResultText(const std::string& portName, int addressIndex,
                               ExchangeResult result);
