#pragma once

// Texts of the scheme file commands, exactly as the program shows them.

namespace file_text {

inline constexpr const char* kTextOpenFailed = "Файл не удается открыть";
inline constexpr const char* kCaptionOpen = "Открытие файла";
inline constexpr const char* kCaptionFilePrefix = "Программатор ВИЛ-3K - файл ";
inline constexpr const char* kTextNoWriteAccess =
    "Ваш уровень доступа не позволяет\nпроизводить запись в файл";
inline constexpr const char* kTextUnchangedSave = "Данные не были изменены. Сохранить?";
inline constexpr const char* kTextBadName = "Неверно задано имя файла";
inline constexpr const char* kCaptionBadName = "Cохранение данных в файл";
inline constexpr const char* kCaptionCreate = "Создание файла";
inline constexpr const char* kFilterVil = "Файлы типа .vil";
inline constexpr const char* kFilterAllFiles = "Все файлы";

// Why a file is refused; %1.. are filled in.
inline constexpr const char* kReasonNotScheme = "Файл длиной %1 байт не является файлом схемы";
inline constexpr const char* kReasonUnknownCode = "Неизвестный код исполнения %1 в файле";
inline constexpr const char* kReasonLength = "Длина файла %1 байт, а для исполнения %2 нужно %3";
inline constexpr const char* kReasonDeviceNumber =
    "Номер устройства %1 в файле, допустимы номера 1..%2";
inline constexpr const char* kReasonDataMismatch = "Данные схемы не соответствуют коду исполнения";

} // namespace file_text
