#pragma once

// Texts of the device commands and the exit questions as the operator sees them.

namespace device_text {

inline constexpr const char* kMenuPort = "          Порт";
inline constexpr const char* kActionInPort = "Ввод с СОМ-порта";
inline constexpr const char* kActionOutPort = "Вывод на СОМ-порт";
inline constexpr const char* kTextUnknownType = " - не определен тип прибора";
inline constexpr const char* kTextNotRead = "Данные не считаны";
inline constexpr const char* kTextSetConfiguration = "Задайте конфигурацию ";
inline constexpr const char* kTextNotVil3k = " - не ВИЛ-3К";
inline constexpr const char* kCaptionDevicePrefix = "Программатор ВИЛ-3K устройство ";
inline constexpr const char* kTextNoWriteAccess1 = "Ваш уровень доступа не позволяет";
inline constexpr const char* kTextNoWriteAccess2 = "производить вывод в СОМ-порт";
inline constexpr const char* kTextUnchangedSend = "Данные не были изменены.Передавать?";
inline constexpr const char* kCaptionConfirmTransfer = "Подтвердите передачу данных";
inline constexpr const char* kTextNotVil = " - не ВИЛ";
inline constexpr const char* kTextNotSent = "Данные не переданы";
inline constexpr const char* kTextMismatch1 = "Передаваемая конфигурация";
inline constexpr const char* kTextMismatch2 = "не соответствует существующей";
inline constexpr const char* kTextSentAskConfirm = "Данные переданы. Запросить подтверждение?";
inline constexpr const char* kCaptionConfirmQuery = "Подтвердите необходимость запроса";
inline constexpr const char* kTextReallyExit = "Действительно хотите закончить работу?";
inline constexpr const char* kCaptionConfirmExit = "Подтвердите окончание работы";
inline constexpr const char* kTextChangedSave = "Данные были изменены. Сохранить в файле?";
inline constexpr const char* kTextChangedTransfer = "Данные были изменены. Передать?";
inline constexpr const char* kTextWorkEnded = "Работа закончена";
inline constexpr const char* kCaptionWorkEnded = "Подтверждение";

// This program's own texts for answers the device family never gives.
inline constexpr const char* kTextUnknownCode = " - неизвестный код исполнения ";
inline constexpr const char* kTextAddressOutOfRange =
    " - в конфигурации записан номер устройства 32, допустимы 1..31";

// The status bar: the port, the access level, the device exchanges go to, the
// command under way and how it ended.
inline constexpr const char* kStatusPortClosed = "Порт закрыт";
inline constexpr const char* kStatusFullAccess = "Полный доступ";
inline constexpr const char* kStatusReadOnly = "Только просмотр";
inline constexpr const char* kStatusDevice = "Устройство ";
inline constexpr const char* kStatusReading = ": чтение конфигурации…";
inline constexpr const char* kStatusWriting = ": запись конфигурации…";
inline constexpr const char* kStatusAttempt = " попытка ";
inline constexpr const char* kStatusRead = "Конфигурация прочитана";
inline constexpr const char* kStatusWritten = "Конфигурация записана";
inline constexpr const char* kStatusNotRead = "Конфигурация не прочитана";
inline constexpr const char* kStatusNotWritten = "Конфигурация не записана";
inline constexpr const char* kStatusSilent = " не отвечает";
inline constexpr const char* kStatusPartial = ": ответ оборван";
inline constexpr const char* kStatusBadCrc = ": ошибка контрольной суммы";
inline constexpr const char* kStatusBusy = ": идет запись базы данных";
inline constexpr const char* kStatusExchangeError = ": ошибка обмена ";
inline constexpr const char* kStatusPortLost = "COM-порт отключен";

} // namespace device_text
