#pragma once

#include "files/SchemeFile.h"

#include <QFile>

#include <string>

// File names as the system gives them: bytes, not necessarily UTF-8. Files
// are opened by the bytes of their names; Qt, which writes them, can name a
// file in UTF-8 only.

// The length of the well-formed UTF-8 sequence at text[at] and its code point;
// 0 for a byte that starts none (stray, overlong, surrogate, beyond U+10FFFF).
std::size_t Utf8Sequence(const std::string& text, std::size_t at, char32_t& point);
bool IsUtf8(const std::string& text);

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
