#pragma once

// Texts of the printout, exactly as the program prints or shows them.

inline constexpr const char* kNoSchemeToPrintText = "Схема не создана";
inline constexpr const char* kPageWord = "   страница ";
inline constexpr const char* kExtAckOn = "есть";
inline constexpr const char* kExtAckOff = "нет";
