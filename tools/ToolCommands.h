#pragma once

#include "line/LineRows.h"
#include "line/LineSurvey.h"
#include "tools/ToolOptions.h"

#include <optional>
#include <vector>

class ToolDevice;

// Exit statuses of vil3k-tool. 0, 1, 3 and 4 are the severities of the rows
// (line/LineRows.h); a run over several devices exits with its worst row.
inline constexpr int kExitOk = static_cast<int>(Severity::Done);
// The device answered, but differs from the file, did not confirm a write, or
// refused; a survey found a device not ready or unreadable; a file was kept.
inline constexpr int kExitFound = static_cast<int>(Severity::Finding);
// Bad usage, unreadable input, or an output file that cannot be created: found
// before anything was sent.
inline constexpr int kExitUsage = 2;
// A device did not answer (at all, or not usably).
inline constexpr int kExitNoAnswer = static_cast<int>(Severity::NoAnswer);
// A device was read, but its file could not be written.
inline constexpr int kExitNotSaved = static_cast<int>(Severity::NotSaved);

// Runs one subcommand; output on standard output, messages on standard error.
int RunToolCommand(const ToolOptions& options);
// scan and clock: the commands that talk to the whole line.
int RunLineCommand(const ToolOptions& options);
// The survey of --addresses with --timeout and --retries, with a bar on a
// terminal.
std::vector<SurveyRow> SurveyFromOptions(ToolDevice& device, const ToolOptions& options);
// Nothing at all answered: said, with the advice to check port and speed.
bool NobodyAnswered(const std::vector<SurveyRow>& rows);

// matrix: the cause-and-effect matrix of a scheme file; protocol: the
// acceptance-test protocol of scheme files as PDF or CSV.
int RunMatrixCommand(const ToolOptions& options);
int RunProtocolCommand(const ToolOptions& options);

// backup, restore and verify --dir: a directory of device files against the line.
int RunDirectoryCommand(const ToolOptions& options);
