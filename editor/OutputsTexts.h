#pragma once

// Texts of the outputs command and its dialog, exactly as the operator sees them.
namespace editor_text {

inline constexpr const char* kCaptionOutputsDialog = "Программирование выходов ВИЛ-3";
// "MP" is written in Latin letters here.
inline constexpr const char* kLabelOutputsMr1 = "MP №1";
inline constexpr const char* kLabelOutputsMr2 = "MP №2";
inline constexpr const char* kLabelOutputsHeading = "Выходы";
inline constexpr const char* kLabelInterlock = "Блокировка";

} // namespace editor_text
