#pragma once

// Texts of the line library: the words of configuration fields (the listing
// and the differences), what a survey found at an address, and what became of
// each device.

namespace line_text {

// Field words, shared by the listing and the differences ("вход 5: задержка 10 с").
inline constexpr const char* kInput = "вход ";
inline constexpr const char* kBlock = "ФБ ";
inline constexpr const char* kFieldCode = "код исполнения";
inline constexpr const char* kFieldDeviceNumber = "номер устройства";
inline constexpr const char* kFieldExternalAck = "внешнее квитирование";
inline constexpr const char* kFieldName = "имя";
inline constexpr const char* kFieldIncluded = "обработка";
inline constexpr const char* kFieldContact = "контакт";
inline constexpr const char* kFieldSignalling = "сигнализация";
inline constexpr const char* kFieldCell = "ячейка";
inline constexpr const char* kFieldDelay = "задержка";
inline constexpr const char* kFieldOutputs = "выходы";
inline constexpr const char* kFieldInterlock = "блокировка";
inline constexpr const char* kFieldType = "тип";
inline constexpr const char* kFieldBlockInput = "вход ";
inline constexpr const char* kFieldTimer = "таймер";
inline constexpr const char* kFieldImageByte = "байт образа ";
inline constexpr const char* kOutput = "выход ";
inline constexpr const char* kArrow = " → ";

// Values.
inline constexpr const char* kYes = "да";
inline constexpr const char* kNo = "нет";
inline constexpr const char* kOn = "вкл";
inline constexpr const char* kOff = "выкл";
inline constexpr const char* kNormallyOpen = "НР";
inline constexpr const char* kNormallyClosed = "НЗ";
inline constexpr const char* kSignalNone = "нет";
inline constexpr const char* kSignalWarning = "пред.";
inline constexpr const char* kSignalAlarm = "авар.";
inline constexpr const char* kSignalIndication = "инд.";
inline constexpr const char* kSeconds = " с";
inline constexpr const char* kModule1 = "МР №1.";
inline constexpr const char* kModule2 = "МР №2.";
inline constexpr const char* kTypeNames[] = {"нет", "И", "И-НЕ", "ИЛИ", "ИЛИ-НЕ", "ГСТ"};
inline constexpr const char* kTypeUnknown = "неизвестный ";
inline constexpr const char* kSourceInput = "вход УСО ";
inline constexpr const char* kSourceBlock = "выход ФБ ";
inline constexpr const char* kDirect = "прямой";
inline constexpr const char* kInverted = "инверсный";
inline constexpr const char* kNotConnected = "не подключен";
inline constexpr const char* kTimerOnDelay = "задержка включения";
inline constexpr const char* kTimerPulse = "импульс";
inline constexpr const char* kAckInputNote = " (вход %1)";

// Listing headings.
inline constexpr const char* kHeadInputs = "Входы:";
inline constexpr const char* kHeadBlocks = "Функциональные блоки:";
inline constexpr const char* kHeadOutputNames = "Имена выходов:";
inline constexpr const char* kNoBlocks = "  нет";
inline constexpr const char* kHeadBlockInputs = "входы:";

// File names.
inline constexpr const char* kTextNoFiles = "нет файлов device-NN.vil в каталоге ";
inline constexpr const char* kTextNameNotUtf8 = "имя не в UTF-8, файл с таким именем не создать";

// What a survey found at an address.
inline constexpr const char* kStateAbsent = "отсутствует";
inline constexpr const char* kStateReady = "0 готов";
inline constexpr const char* kStateOtherDevice = "другой прибор";
inline constexpr const char* kStateUndetermined = " тип не определен";

// What became of each device of a line, and the totals.
inline constexpr const char* kOutcomeReady = "готов";
inline constexpr const char* kOutcomeNotReady = "не готов";
inline constexpr const char* kOutcomeUnreadable = "ответ не читается";
inline constexpr const char* kOutcomeAbsent = "отсутствует";
inline constexpr const char* kOutcomeSaved = "сохранено";
inline constexpr const char* kOutcomeKept = "оставлен: файл уже есть";
inline constexpr const char* kOutcomeSame = "совпадает";
inline constexpr const char* kOutcomeDiffers = "отличается";
inline constexpr const char* kOutcomeWritten = "записано";
inline constexpr const char* kOutcomeConfirmed = "записано и подтверждено";
inline constexpr const char* kOutcomeNotConfirmed = "записано, но не подтверждено";
inline constexpr const char* kOutcomeRefused = "отказ";
inline constexpr const char* kOutcomeNoAnswer = "не отвечает";
inline constexpr const char* kOutcomePortClosed = "порт закрыт";
// A survey's row whose answer came with a wrong checksum, as the tool says it.
inline constexpr const char* kStateBadCrc = "ошибка контрольной суммы";
inline constexpr const char* kOutcomeNotSaved = "не сохранено";
inline constexpr const char* kTextNotConfirmed = "записано, но устройство не подтвердило запись";

} // namespace line_text
