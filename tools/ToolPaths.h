#pragma once

#include "files/SchemeFile.h"

#include <QFile>
#include <QStringList>

#include <string>

// File names as the system gives them: bytes, not necessarily UTF-8. Qt reads
// a byte that is not part of UTF-8 as U+FFFD, so such a name could never be
// opened again; the tool carries names through its option parser in a form
// that keeps every byte, and opens them by their bytes.

// The arguments after the program's name. Valid UTF-8 is read as text; any
// other byte B becomes the private-use character U+F700 + B (a real character
// of U+F780..U+F7FF is carried the same way, byte by byte), so that
// PathBytes gives back exactly what was typed.
QStringList ToolArguments(int argc, char** argv);
std::string PathBytes(const std::string& argumentText);

// What a terminal may show of a name: control characters, bytes that are not
// UTF-8 and the backslash written as \xNN (\\), so that a crafted name can
// neither retitle the terminal nor clear a listing, and two names never look
// alike.
std::string Shown(const std::string& bytes);

// Opens a file for reading by the bytes of its name.
bool OpenForReading(QFile& file, const std::string& path, std::string& error);
bool FileExists(const std::string& path);

// Finds out, before anything is sent to a device, whether the file could be
// written: the directory exists and takes a new file, and an existing file
// may be replaced. Nothing is left behind.
bool CanCreate(const std::string& path, std::string& error);
// Makes the directory (and those above it) unless it is there.
bool MakeDirectory(const std::string& path, std::string& error);
// Writes a scheme file whole or not at all.
bool SaveSchemeAt(const std::string& path, const SchemeFileData& data, std::string& error);
