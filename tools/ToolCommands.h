#pragma once

#include "tools/LineScan.h"
#include "tools/ToolOptions.h"

#include <optional>

class ToolDevice;

// Exit statuses of vil3k-tool.
inline constexpr int kExitOk = 0;
// The device answered, but differs from the file, did not confirm a write, or
// refused; a survey found a faulty device.
inline constexpr int kExitFound = 1;
// Bad usage, unreadable input, or an output file that cannot be created: found
// before anything was sent.
inline constexpr int kExitUsage = 2;
// A device did not answer (at all, or not usably).
inline constexpr int kExitNoAnswer = 3;

// The status of a run over several devices: a device that did not answer
// outweighs one that differs.
int WorseStatus(int a, int b);

// Runs one subcommand; output on standard output, messages on standard error.
int RunToolCommand(const ToolOptions& options);
// scan and clock: the commands that talk to the whole line.
int RunLineCommand(const ToolOptions& options);
// The survey of --addresses with --timeout and --retries, with a bar on a
// terminal; nothing, with the advice to check port and speed, when no device
// answered at all.
std::optional<std::vector<ScanRow>> SurveyLine(ToolDevice& device, const ToolOptions& options);

// backup, restore and verify --dir: a directory of device files against the line.
int RunDirectoryCommand(const ToolOptions& options);
