#pragma once

// What the line window says.
namespace line_window_text {

inline constexpr const char* kTitle = "Линия";
inline constexpr const char* kFromAddress = "Адреса с";
inline constexpr const char* kToAddress = "по";
inline constexpr const char* kSurvey = "Опрос";
inline constexpr const char* kCancel = "Отмена";
inline constexpr const char* kColumnAddress = "Адрес";
inline constexpr const char* kColumnModel = "Исполнение";
inline constexpr const char* kColumnStatus = "Состояние";
inline constexpr const char* kColumnClock = "Часы устройства";
inline constexpr const char* kColumnDrift = "Уход, с";
inline constexpr const char* kStatusByte = "статус ";
inline constexpr const char* kSurveying = "Опрос линии...";
inline constexpr const char* kSurveyCancelled = "Опрос прерван";
// "Найдено устройств: 3 из 31"
inline constexpr const char* kFound = "Найдено устройств: %1 из %2";

} // namespace line_window_text
