#pragma once

// Texts shown by more than one layer, exactly as the operator sees them.
namespace ui_text {

// The title every plain notice carries.
inline constexpr const char* kCaptionApp = "Программатор ВИЛ-3K";
inline constexpr const char* kCaptionWarning = "Предупреждение";
inline constexpr const char* kCaptionError = "Ошибка";
inline constexpr const char* kCaptionConfirmSave = "Подтвердите запись в файл";
inline constexpr const char* kTextCannotCreateFile = "Файл не удается создать";

} // namespace ui_text
