#pragma once

// Texts of the scheme file commands, exactly as the program shows them.

inline constexpr const char* kOpenFailedText = "Файл не удается открыть";
inline constexpr const char* kOpenCaption = "Открытие файла";
inline constexpr const char* kFileCaptionPrefix = "Программатор ВИЛ-3K - файл ";
inline constexpr const char* kNoWriteAccessText =
    "Ваш уровень доступа не позволяет\nпроизводить запись в файл";
inline constexpr const char* kUnchangedQuestion = "Данные не были изменены. Сохранить?";
inline constexpr const char* kSaveQuestionCaption = "Подтвердите запись в файл";
inline constexpr const char* kBadNameText = "Неверно задано имя файла";
inline constexpr const char* kBadNameCaption = "Cохранение данных в файл";
inline constexpr const char* kCreateFailedText = "Файл не удается создать";
inline constexpr const char* kCreateCaption = "Создание файла";
inline constexpr const char* kVilFilterName = "Файлы типа .vil";
inline constexpr const char* kFileMenuCaption = "Файл ";
inline constexpr const char* kFileMenuHint = "Файл";
inline constexpr const char* kOpenActionCaption = "Открыть схему";
inline constexpr const char* kSaveActionCaption = "Сохранить как ...";
inline constexpr const char* kSaveActionHint = "Сохранить схему";
inline constexpr const char* kAllFilesFilterName = "Все файлы";
