#pragma once

#include "tools/ToolOptions.h"

// Exit statuses of vil3k-tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFound = 1; // done, but differences or failures found
inline constexpr int kExitUsage = 2; // bad usage or unreadable input

// Runs one subcommand; output on standard output, messages on standard error.
int RunToolCommand(const ToolOptions& options);
// scan and clock: the commands that talk to the whole line.
int RunLineCommand(const ToolOptions& options);
