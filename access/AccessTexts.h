#pragma once

// Texts of the password dialog and its commands, exactly as shown.
namespace access_text {

inline constexpr const char* kDefaultPassword = "7352";
inline constexpr const char* kPasswordFileName = "FParol.dat";
inline constexpr const char* kTextAskChangePassword = "Будете менять пароль?";
inline constexpr const char* kTextBeCareful = "Будьте внимательнее при вводе";
inline constexpr const char* kTextNoRightToChangePassword =
    "Ваш уровень доступа не позволяет\nменять пароль";
inline constexpr const char* kTextWrongPassword = "Введенный пароль неверен";
inline constexpr const char* kCaptionPasswordDialog = "Введите пароль и нажмите  <ENTER>";
inline constexpr const char* kHintPasswordDialog = "Введите пароль и нажмите <Enter>";
inline constexpr const char* kTextAtMost65535 = "Введите число не более 65535";
inline constexpr const char* kTextChangeWarning = "Внимание! Замена пароля!";
inline constexpr const char* kCaptionChangePassword = "Замена пароля";
inline constexpr const char* kTextDigitsOnly = "Пароль - цифровой";
inline constexpr const char* kTextPasswordChanged = "Пароль заменен!";
inline constexpr const char* kTextPasswordNotChanged = "Пароль не заменен";
inline constexpr const char* kCaptionConfirmChange = "Подтвердите замену пароля";

} // namespace access_text
