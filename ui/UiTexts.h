#pragma once

// Texts shown by more than one layer, exactly as the operator sees them.
namespace ui_text {

// The title every plain notice carries.
inline constexpr const char* kCaptionApp = "Программатор ВИЛ-3K";
inline constexpr const char* kCaptionWarning = "Предупреждение";
inline constexpr const char* kCaptionError = "Ошибка";
inline constexpr const char* kCaptionConfirmSave = "Подтвердите запись в файл";
inline constexpr const char* kTextCannotCreateFile = "Файл не удается создать";
// Header labels of the main window, which the printout repeats.
inline constexpr const char* kLabelDevice = "Устр. №";
inline constexpr const char* kLabelExecCode = " Исполнение";
inline constexpr const char* kLabelExtAck = "Вн. квит.";

// A refused command line: the option follows.
inline constexpr const char* kTextUnknownOption = "неизвестный параметр";
inline constexpr const char* kTextBadOptionValue = "неверное значение параметра ";

} // namespace ui_text
