#pragma once

#include <optional>

// Windows-1251, the code page of names in scheme files, done by the program itself: a Qt
// without ICU (the Windows build) converts no such code page, and names must not depend on it.
// Every byte has a character, and each character maps back to its byte.
char16_t Windows1251ToUnicode(unsigned char byte);

// The byte of a character, or nothing when the code page lacks it.
std::optional<unsigned char> UnicodeToWindows1251(char16_t character);
