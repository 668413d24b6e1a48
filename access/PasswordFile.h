#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// The password file: two bytes, the password as an unsigned 16-bit number,
// low byte first. It is opened by its bare name, so it lives in the current
// directory.

// The stored number, or nothing when the file cannot be opened for reading.
// A shorter file gives the bytes it has (an empty file is the number zero).
std::optional<std::uint16_t> ReadPasswordFile(const QString& path);
std::optional<std::uint16_t> ReadPasswordFile();

// Replaces the file as a whole: on any failure the old file stays as it was
// and the result is false.
bool WritePasswordFile(std::uint16_t password, const QString& path);
bool WritePasswordFile(std::uint16_t password);

// The text the operator has to type: the stored number in decimal without
// leading zeros, or the built-in default when there is no readable file.
std::string ExpectedPasswordText();
