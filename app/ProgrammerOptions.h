#pragma once

#include <QStringList>

#include <string>

// The command line of vil3k-programmer.
struct ProgrammerOptions {
    bool help = false;
    bool version = false;
};

// False with one line in `error` when the arguments make no sense. arguments:
// without the program's name and without the toolkit's own (-platform, -style).
bool ParseProgrammerOptions(const QStringList& arguments, ProgrammerOptions& options,
                            std::string& error);
