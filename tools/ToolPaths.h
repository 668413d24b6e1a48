#pragma once

#include <QStringList>

#include <string>

// File names on the command line: bytes, not necessarily UTF-8. Qt reads a
// byte that is not part of UTF-8 as U+FFFD, so such a name could never be
// opened again; the tool carries names through its option parser in a form
// that keeps every byte (see line/FilePaths.h for what is done with them).

// The arguments after the program's name. Valid UTF-8 is read as text; any
// other byte B becomes the private-use character U+F700 + B (a real character
// of U+F780..U+F7FF is carried the same way, byte by byte), so that
// PathBytes gives back exactly what was typed.
QStringList ToolArguments(int argc, char** argv);
std::string PathBytes(const std::string& argumentText);
