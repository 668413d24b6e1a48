#pragma once

// Texts of the device commands and the exit questions as the operator sees them.

#include "link/LinkTexts.h"

namespace device_text {

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

// Rows of the device model list "Выбор конфигурации".
inline constexpr int kModelRowCount = 11;
inline constexpr const char* kModelRows[kModelRowCount] = {
    "ВИЛ-3-0604 К", "ВИЛ-3-0606 К", "ВИЛ-3-1200 К", "ВИЛ-3-1204 К", "ВИЛ-3-1206 К", "ВИЛ-3-1208 К",
    "ВИЛ-3-2400 К", "ВИЛ-3-2404 К", "ВИЛ-3-2408 К", "ВИЛ-3-2412 К", "ВИЛ-3-2416 К"};

// The names of execution codes as on the device's plate ("ВИЛ-3-1204 К").
inline constexpr const char* kModelNamePrefix = "ВИЛ-3-";
inline constexpr const char* kModelNameSuffix = " К";

// This program's own dialog of "Новая схема…".
inline constexpr const char* kCaptionNewScheme = "Новая схема";
inline constexpr const char* kLabelNewSchemeCode = "Исполнение прибора:";
inline constexpr const char* kLabelNewSchemeDevice = "Номер устройства:";

// This program's question before a row of the model list changes the device:
// "Задать устройству 5 на порту COM1 исполнение ВИЛ-3-1206 К?"
inline constexpr const char* kCaptionConfirmModel = "Подтвердите смену исполнения прибора";
inline constexpr const char* kTextModelToDevice = "Задать устройству ";
inline constexpr const char* kTextModelOnPort = " на порту ";
inline constexpr const char* kTextModelCode = " исполнение ";

// The device clock dialog, opened by the header button of the same name.
inline constexpr const char* kCaptionTimeDate = "Задание времени и даты";
inline constexpr const char* kLabelPollingOn = "запрос  времени включен";
inline constexpr const char* kGroupDeviceTime = "Запрос текущего времени прибора";
inline constexpr const char* kButtonPolling = "Пуск и остановка запроса времени";
inline constexpr const char* kButtonDeviceTime = "Время и дата прибора";
inline constexpr const char* kButtonPcTime = "Время и дата PC";
inline constexpr const char* kButtonSendTime = "Передать время и дату в прибор";
inline constexpr const char* kButtonCancel = "Отмена";
inline constexpr const char* kTextEnablePolling = "Включите запрос времени с прибора";
// Labels and hints of the seven entry fields: seconds, minutes, hours, day,
// month, and the hidden year and day of the week.
inline constexpr const char* kTimeFieldLabels[7] = {
    "Секунды", "Минуты", "Час", "День месяца", "Месяц", "Год", "День недели"};
inline constexpr const char* kTimeFieldHints[7] = {"0-59", "0-59", "0-23", "1-31",
                                                   "1-12", "0-99", "1-7"};

// This program's own texts for answers the device family never gives.
inline constexpr const char* kTextUnknownCode = " - неизвестный код исполнения ";
inline constexpr const char* kTextAddressOutOfRange =
    " - в конфигурации записан номер устройства 32, допустимы 1..31";

// The status bar: the port, the access level, the device exchanges go to, the
// command under way and how it ended.
inline constexpr const char* kStatusPortClosed = link_text::kTextPortClosed;
inline constexpr const char* kStatusPortReopened = ": порт открыт снова";
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
inline constexpr const char* kStatusNoise = ": помехи на линии";
inline constexpr const char* kStatusBusy = ": идет запись базы данных";
inline constexpr const char* kStatusExchangeError = ": ошибка обмена ";
inline constexpr const char* kStatusPortLost = "COM-порт отключен";
inline constexpr const char* kStatusLineBusy = "Идет обмен с устройством: команда не выполнена";

} // namespace device_text
