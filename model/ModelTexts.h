#pragma once

// Texts of the configuration model, exactly as the operator sees them.
namespace model_text {

inline constexpr const char* kTextEntryError = " Ошибка ввода ";

// The out-of-range report (UTF-8). A finding reads "<row>: <value> — <limit>",
// e.g. "вход 5: задержка 63 с — больше 60".
inline constexpr const char* kTextOutOfRangeHeading =
    "Конфигурация содержит значения, которых редактор не задаёт. Проверьте их перед записью "
    "в прибор:";
inline constexpr const char* kTextRowInput = "вход ";
inline constexpr const char* kTextRowBlock = "ФБ ";
inline constexpr const char* kTextBlockInput = ", вход ";
inline constexpr const char* kTextDash = " — ";
inline constexpr const char* kTextDelay = "задержка ";
inline constexpr const char* kTextSecondsUnit = " с";
inline constexpr const char* kTextTenSecondsUnit = " × 10 с";
inline constexpr const char* kTextAbove = "больше ";
inline constexpr const char* kTextPanelCell = "ячейка табло ";
inline constexpr const char* kTextSharedCell = "у нескольких строк: ";
inline constexpr const char* kTextNoSignalling = "у строки нет сигнализации";
inline constexpr const char* kTextInterlock = "блокировка";
inline constexpr const char* kTextNoOutputs = "у строки нет выходов";
inline constexpr const char* kTextOutputsOne = "выход ";
inline constexpr const char* kTextOutputsMany = "выходы ";
inline constexpr const char* kTextModules[2] = {" МР №1", " МР №2"};
inline constexpr const char* kTextModuleOutputCount[2] = {"выходов у МР №1: ", "выходов у МР №2: "};
inline constexpr const char* kTextIncludedOne = "включение в обработку входа ";
inline constexpr const char* kTextIncludedMany = "включение в обработку входов ";
inline constexpr const char* kTextOnlyInputs = "входов только ";
inline constexpr const char* kTextDeviceInput = "вход УСО ";
inline constexpr const char* kTextBlockOutput = "выход ФБ ";
inline constexpr const char* kTextBlockNotProgrammed = " не запрограммирован";
inline constexpr const char* kTextOnlyBlocks = "ФБ только ";
inline constexpr const char* kTextHysteresisInputs = "у гистерезиса только 2 входа";

} // namespace model_text
