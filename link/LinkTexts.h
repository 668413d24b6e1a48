#pragma once

// Texts of the device link as the operator sees them.

namespace link_text {

inline constexpr const char* kTextDevice = "устройство ";
inline constexpr const char* kTextBusy = " Идет запись базы данных. Ждите.";
inline constexpr const char* kTextReceiveError = " ошибка приема данных ";
inline constexpr const char* kTextTimeout = " тайм-аут приема данных";
inline constexpr const char* kTextNoAnswer = " не отвечает на запрос";
inline constexpr const char* kTextBadCrc = " ошибка контрольной суммы";
inline constexpr const char* kTextCannotOpen = " невозможно открыть последовательный порт ";
inline constexpr const char* kTextNotConfigured = "вероятно, порт не настроен";
inline constexpr const char* kTextSetupAtPowerOff = "сбой настройки порта при выключении прибора";
inline constexpr const char* kTextSetupError = "ошибка настройки порта";
inline constexpr const char* kTextNoPort = "Не выбран COM-порт.";
// A port lost under the program, before its reason: "Порт закрыт: COM3 отключен (...)".
inline constexpr const char* kTextPortClosed = "Порт закрыт";
// Why a port named at start-up stays closed, when the line cannot say.
inline constexpr const char* kReasonPortNotListed = "нет в списке портов системы";
inline constexpr const char* kTextExchangeError = " ошибка обмена ";
inline constexpr const char* kTextPortLost =
    "COM-порт отключен. Проверьте оборудование, перезапустите программу.";
inline constexpr const char* kTextBadCombination = "Ошибочные данные ";
inline constexpr const char* kCaptionPortDialog = "Настройка СОМ-порта";
inline constexpr const char* kCaptionExchangeDialog = "Настройка параметров обмена";
inline constexpr const char* kLabelSpeed = "Скорость(бит/с):";
inline constexpr const char* kLabelParity = "Четность:";
inline constexpr const char* kParityNone = "нет";
inline constexpr const char* kParityOdd = "нечет";
inline constexpr const char* kParityEven = "чет";
inline constexpr const char* kLabelStopBits = "Стоповые биты:";
inline constexpr const char* kLabelPort = "СОМ-порт";
inline constexpr const char* kButtonExchange = "Настройка обмена";
inline constexpr const char* kLabelSendDelay = "Задержка после переключ на передачу";
inline constexpr const char* kLabelReceiveDelay = "Задержка перед переключ на прием";
inline constexpr const char* kLabelRetries1 = "Повторы на 1 этапе";
inline constexpr const char* kLabelRetries2 = "Повторы на 2-м этапе";
inline constexpr const char* kButtonOk = "OK";

// The exchange log: what each function asks for, and how an attempt ended.
inline constexpr const char* kLogReadClock = "чтение времени";
inline constexpr const char* kLogConfirm = "подтверждение записи";
inline constexpr const char* kLogIdentify = "идентификация";
inline constexpr const char* kLogSetExecCode = "запись кода исполнения";
inline constexpr const char* kLogReadImage = "чтение БД";
inline constexpr const char* kLogWriteImage = "запись БД";
inline constexpr const char* kLogSetClock = "запись времени";
inline constexpr const char* kLogToAll = " (всем)";
inline constexpr const char* kLogAttempt = "попытка ";
inline constexpr const char* kLogOk = "успешно";
inline constexpr const char* kLogNoAnswerExpected = "ответ не предусмотрен";
inline constexpr const char* kLogSilent = "нет ответа (тайм-аут)";
inline constexpr const char* kLogPartial = "неполный ответ (тайм-аут)";
inline constexpr const char* kLogBadCrc = "ошибка контрольной суммы";
inline constexpr const char* kLogForeign = "чужой ответ";
inline constexpr const char* kLogException = "исключение ";
inline constexpr const char* kLogBusy = ": идет запись БД";
inline constexpr const char* kLogLineFailed = "сбой порта";
inline constexpr const char* kLogAbandoned = "прервано";
inline constexpr const char* kLogDropped = "отброшено перед повтором";
inline constexpr const char* kLogMore = " …";
inline constexpr const char* kLogPortLostMark = "×";
inline constexpr const char* kLogPortLost = "порт закрыт";
inline constexpr const char* kLogNoiseMark = "~";
inline constexpr const char* kLogNoise = "помехи на линии";

// Why the port was closed under the program, after its name: in the status
// bar and the exchange log.
inline constexpr const char* kReasonCannotOpen = " не открывается";
inline constexpr const char* kReasonLost = " отключен";
// What the system said of a port that is gone, in the brackets after that.
inline constexpr const char* kReasonNodeGone = "нет устройства ";
inline constexpr const char* kReasonHangUp = "обрыв линии";
inline constexpr const char* kReasonClosed = "порт закрыт";

// The exchange log window.
inline constexpr const char* kTitleExchangeLog = "Журнал обмена";
inline constexpr const char* kButtonPause = "Пауза";
inline constexpr const char* kButtonClear = "Очистить";
inline constexpr const char* kButtonCopy = "Копировать";
inline constexpr const char* kButtonSaveLog = "Сохранить...";
inline constexpr const char* kLabelAddressFilter = "Адрес:";
inline constexpr const char* kFilterEveryAddress = "все";
inline constexpr const char* kFilterBroadcast = "0 (всем)";
inline constexpr const char* kLogColumns[] = {"Время", "",        "Адр.",      "Ф-я",  "Назначение",
                                              "Длина", "Попытка", "Результат", "Байты"};
inline constexpr const char* kTextFolded = " …";
inline constexpr const char* kTextFramesListed = "Кадров: ";
inline constexpr const char* kTextLogPaused = "Пауза: новые кадры не записываются";
inline constexpr const char* kCaptionSaveLog = "Сохранение журнала обмена";
inline constexpr const char* kFilterLogFiles = "Текст (*.txt)";
inline constexpr const char* kTextLogNotSaved = "Журнал не сохранен: ";

} // namespace link_text
