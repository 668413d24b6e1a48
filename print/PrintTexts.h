#pragma once

// Texts of the printout, exactly as the program prints or shows them.
namespace print_text {

inline constexpr const char* kTextNoScheme = "Схема не создана";
inline constexpr const char* kTextPage = "   страница ";
inline constexpr const char* kTextExtAckOn = "есть";
inline constexpr const char* kTextExtAckOff = "нет";
// The printout as a PDF file without the printer dialog, on every platform.
inline constexpr const char* kActionSavePdf = "Сохранить в PDF…";

// The cause-and-effect matrix ("Вход 5 «Насос 2» (НР)", "ФБ 3: И (вх. 2, не вх. 5, ФБ 1)").
inline constexpr const char* kTitleMatrix = "Причины и действия";
inline constexpr const char* kTextCauseInput = "Вход ";
inline constexpr const char* kTextInputShort = "вх. ";
inline constexpr const char* kTextNot = "не ";
inline constexpr const char* kTextCellShort = "яч. ";
inline constexpr const char* kTextThroughBlock = "через ФБ ";
inline constexpr const char* kTextPulseShort = " имп.";
inline constexpr const char* kTextInterlockShort = "бл";
inline constexpr const char* kTextPlainMark = "●";
inline constexpr const char* kHeadCause = "Причина";
inline constexpr const char* kHeadCauses = "Причины:";
inline constexpr const char* kHeadEffects = "Действия:";
inline constexpr const char* kLabelHideEmpty = "Скрыть пустые строки и столбцы";
inline constexpr const char* kHintChooseColumn =
    "Щелчок по заголовку столбца - все причины этого выхода; по заголовку строки - "
    "эта строка на схеме.";
inline constexpr const char* kTextNoCauses = "причин нет";
inline constexpr const char* kCaptionProtocolPdf = "Протокол в PDF...";
inline constexpr const char* kCaptionProtocolCsv = "Протокол в CSV...";
inline constexpr const char* kCaptionPrintProtocol = "Печать протокола...";
inline constexpr const char* kCaptionMatrixCsv = "Таблица в CSV...";
inline constexpr const char* kFilterPdf = "Документ PDF (*.pdf)";
inline constexpr const char* kFilterCsv = "Таблица CSV (*.csv)";
inline constexpr const char* kTextSavedTo = "Сохранено: %1";
// What the save dialogs add to the scheme's name: "схема1 протокол.pdf".
inline constexpr const char* kTextProtocolName = " протокол";
inline constexpr const char* kTextMatrixName = " причины и действия";

// The acceptance-test protocol ("Вход 5 «Насос 2» (НР): вызвать срабатывание").
inline constexpr const char* kTitleProtocol = "Протокол приемо-сдаточных испытаний";
inline constexpr const char* kTextDeviceNumber = "Устройство № ";
inline constexpr const char* kTextExecCode = "код исполнения ";
inline constexpr const char* kTextDate = "дата ";
inline constexpr const char* kTextSchemeFile = "схема: ";
inline constexpr const char* kHeadStep = "№";
inline constexpr const char* kHeadAction = "Действие";
inline constexpr const char* kHeadExpected = "Ожидаемый результат";
inline constexpr const char* kHeadDone = "Выполнено";
inline constexpr const char* kTextTripInput = ": вызвать срабатывание";
inline constexpr const char* kTextTripBlock = ": вызвать сочетание ";
inline constexpr const char* kTextAnd = " и ";
inline constexpr const char* kTextOr = " или ";
inline constexpr const char* kTextHysteresis = " (гистерезис)";
inline constexpr const char* kTextNoBlockInputs = "(входы не подключены)";
inline constexpr const char* kTextNoDelay = "без задержки";
inline constexpr const char* kTextNoEffects = "прямых действий нет";
inline constexpr const char* kTextFeedsBlocks = "входит в ";
inline constexpr const char* kTextTestedBy = "Испытания провел";
inline constexpr const char* kTextAcceptedBy = "Принял";
inline constexpr const char* kTextSignatureLine =
    "________________ / ________________ /   «___» ____________ 20___ г.";

} // namespace print_text
