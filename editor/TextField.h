#pragma once

#include <QByteArray>
#include <QString>

// A text attribute (name of a channel or a relay output) in its 10-byte file
// field: the Windows-1251 text, then, when shorter, one NUL and spaces.
inline constexpr int kTextFieldSize = 10;
inline constexpr int kNameMaxLength = 10;

// True when the name fits a field whole: at most 10 characters, each one that
// Windows-1251 has, no control characters (a NUL would end it early).
bool IsValidName(const QString& name);

// Always exactly 10 bytes. An empty name is stored as ten spaces; characters
// the code page lacks become '?', and anything past 10 bytes is cut off.
QByteArray EncodeTextField(const QString& name);

// The name in a field: its bytes up to the first NUL; trailing spaces stay.
QString DecodeTextField(const char* field);
