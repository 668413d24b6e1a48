#pragma once

// Texts of the password dialog and its commands, exactly as shown.
namespace access_text {

inline constexpr const char* kDefaultPassword = "7352";
inline constexpr const char* kPasswordFileName = "FParol.dat";
inline constexpr const char* kAskChangePassword = "Будете менять пароль?";
inline constexpr const char* kBeCareful = "Будьте внимательнее при вводе";
inline constexpr const char* kNoRightToChangePassword =
    "Ваш уровень доступа не позволяет\nменять пароль";
inline constexpr const char* kWrongPassword = "Введенный пароль неверен";
inline constexpr const char* kDialogCaption = "Введите пароль и нажмите  <ENTER>";
inline constexpr const char* kDialogHint = "Введите пароль и нажмите <Enter>";
inline constexpr const char* kAtMost65535 = "Введите число не более 65535";
inline constexpr const char* kChangeWarning = "Внимание! Замена пароля!";
inline constexpr const char* kChangePasswordCaption = "Замена пароля";
inline constexpr const char* kDigitsOnly = "Пароль - цифровой";
inline constexpr const char* kPasswordChanged = "Пароль заменен!";
inline constexpr const char* kPasswordNotChanged = "Пароль не заменен";
inline constexpr const char* kConfirmChangeCaption = "Подтвердите замену пароля";
inline constexpr const char* kCannotCreateFile = "Файл не удается создать";

} // namespace access_text
