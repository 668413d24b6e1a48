#pragma once

// Texts of the printout, exactly as the program prints or shows them.
namespace print_text {

inline constexpr const char* kTextNoScheme = "Схема не создана";
inline constexpr const char* kTextPage = "   страница ";
inline constexpr const char* kTextExtAckOn = "есть";
inline constexpr const char* kTextExtAckOff = "нет";
// The printout as a PDF file without the printer dialog, on every platform.
inline constexpr const char* kActionSavePdf = "Сохранить в PDF…";
inline constexpr const char* kFilterPdf = "PDF (*.pdf)";

} // namespace print_text
