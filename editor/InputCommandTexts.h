#pragma once

// Texts of the input, signalling and delay commands and their dialogs, exactly
// as the operator sees them.
namespace editor_text {

// Input processing and names (QtInclusionDialog)
inline constexpr const char* kCaptionInclusionDialog = "Включение в обработку входа ВИЛ-3";
inline constexpr const char* kLabelInputNumber = "Вход №";
inline constexpr const char* kLabelProcessing = "Обработка";
inline constexpr const char* kLabelName = "Текстовый реквизит";
inline constexpr const char* kTextNoInputSelected = "Не выбран № входа";

// Signalling (QtSignallingDialog)
inline constexpr const char* kCaptionSignallingDialog = "Задание типа сигнализации ВИЛ-3";
inline constexpr const char* kLabelSignallingType = "Тип сигнализации";
inline constexpr const char* kSignallingTypes[] = {"нет сигнализации", "предупредительная",
                                                   "аварийная", "индикация"};
inline constexpr const char* kLabelCell = "№ ячейки светового табло";
inline constexpr const char* kTextNoCell = "Не выбран № ячейки светового табло";
inline constexpr const char* kTextWrongCell = "Неверно выбран № ячейки светового табло";

// Output delays and block timers (QtDelayDialog)
inline constexpr const char* kCaptionDelayDialog = "Программ. задерж. выходов ВИЛ-3";
inline constexpr const char* kCaptionTimerDialog = "Программирование таймеров ФБЛ";
inline constexpr const char* kLabelTimerType = "Тип задержки";
inline constexpr const char* kTimerTypes[] = {"задержка включения", "импульс"};
inline constexpr const char* kLabelDelay = "Задержка";
inline constexpr const char* kLabelDelayUnit = "Дискретность,сек";
inline constexpr const char* kHintDelayUnit = "Дискретность,с (1или10)";
inline constexpr const char* kLabelDelayValue = "Время в единицах     дискретности";
inline constexpr const char* kHintDelayValue = "Время в ед дискр(0-60)";
inline constexpr const char* kTextNoDelayUnit = "Не задана дискретность времени задержки";
inline constexpr const char* kTextNoDelayValue = "Не задана уставка времени задержки";

// Shared by the dialogs of the three commands
inline constexpr const char* kButtonOk = "OK";
// The number of a block row as its dialogs show it, before the block number.
inline constexpr const char* kBlockRowPrefix = "ФБЛ ";
// A field text that is not a number (pasted past the key filter); %1 is the text.
inline constexpr const char* kTextNotANumber = "Текст «%1» не является целым числом";

} // namespace editor_text
