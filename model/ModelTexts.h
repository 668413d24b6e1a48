#pragma once

// Texts of the out-of-range report (UTF-8). A finding reads
// "<row>: <value> — <limit>", e.g. "вход 5: задержка 63 с — больше 60".

inline constexpr const char* kOutOfRangeHeading =
    "Конфигурация содержит значения, которых редактор не задаёт. Проверьте их перед записью "
    "в прибор:";
inline constexpr const char* kRowInput = "вход ";
inline constexpr const char* kRowBlock = "ФБ ";
inline constexpr const char* kBlockInput = ", вход ";
inline constexpr const char* kDash = " — ";
inline constexpr const char* kDelay = "задержка ";
inline constexpr const char* kSecondsUnit = " с";
inline constexpr const char* kTenSecondsUnit = " × 10 с";
inline constexpr const char* kAbove = "больше ";
inline constexpr const char* kPanelCell = "ячейка табло ";
inline constexpr const char* kSharedCell = "у нескольких строк: ";
inline constexpr const char* kOutputsOne = "выход ";
inline constexpr const char* kOutputsMany = "выходы ";
inline constexpr const char* kModules[2] = {" МР №1", " МР №2"};
inline constexpr const char* kModuleOutputCount[2] = {"выходов у МР №1: ", "выходов у МР №2: "};
inline constexpr const char* kIncludedOne = "включение в обработку входа ";
inline constexpr const char* kIncludedMany = "включение в обработку входов ";
inline constexpr const char* kOnlyInputs = "входов только ";
inline constexpr const char* kDeviceInput = "вход УСО ";
inline constexpr const char* kBlockOutput = "выход ФБ ";
inline constexpr const char* kBlockNotProgrammed = " не запрограммирован";
inline constexpr const char* kOnlyBlocks = "ФБ только ";
inline constexpr const char* kHysteresisInputs = "у гистерезиса только 2 входа";
