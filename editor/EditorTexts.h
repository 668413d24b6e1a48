#pragma once

// Texts of the scheme editor, exactly as the operator sees them.
namespace editor_text {

// Shown after a load whose function-block records had to be repaired.
inline constexpr const char* kTextRepaired = "при чтении БД обнаружены и исправлены ошибки";
inline constexpr const char* kTextSchemeNotCreated = "Схема не создана. Будете создавать?";
inline constexpr const char* kCaptionConfirm = "Подтвердите";
inline constexpr const char* kTextNoCreateAccess =
    "Ваш уровень доступа не позволяет создавать схему";
inline constexpr const char* kTextSeveralSelected = "Выбрано более одного входа";
inline constexpr const char* kTextNothingSelected = "Не выбран № входа или № ФБ";
inline constexpr const char* kTextFunctionUnavailable = "Недоступная функция";

} // namespace editor_text
