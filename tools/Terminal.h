#pragma once

#include <string>

// The console the tool runs in, where platforms differ: Unix terminals or the Windows
// console. The one place of the tool that knows the platform.

// Lets UTF-8 output (Cyrillic names and messages) show as text: on Windows the console's
// output code page becomes UTF-8 and line ends stay "\n"; elsewhere nothing to do.
void PrepareTerminal();

bool StandardErrorIsTerminal();

// A line typed on the terminal without echo (the password), without its line end;
// nothing typed when standard input is no terminal. The prompt shows only once nothing
// typed can show any more.
std::string ReadUnechoedLine(const char* prompt);
