#pragma once

// What the line window says.
namespace line_window_text {

inline constexpr const char* kTitle = "Линия";
inline constexpr const char* kFromAddress = "Адреса с";
inline constexpr const char* kToAddress = "по";
inline constexpr const char* kSurvey = "Опрос";
inline constexpr const char* kCancel = "Отмена";
// The survey asks each device's clock too (slower: one more exchange each).
inline constexpr const char* kReadClocks = "Читать часы";
inline constexpr const char* kFoundOnly = "Только найденные";
inline constexpr const char* kColumnAddress = "Адрес";
inline constexpr const char* kColumnModel = "Исполнение";
inline constexpr const char* kColumnStatus = "Состояние";
inline constexpr const char* kColumnClock = "Часы устройства";
inline constexpr const char* kColumnDrift = "Уход, с";
inline constexpr const char* kColumnFile = "Файл";
inline constexpr const char* kVerdictSame = "совпадает";
inline constexpr const char* kVerdictDiffers = "отличается";
inline constexpr const char* kVerdictNoFile = "нет файла";
inline constexpr const char* kFolder = "Папка:";
inline constexpr const char* kChooseFolder = "Выбрать...";
inline constexpr const char* kBackUpAll = "Сохранить все";
inline constexpr const char* kBackUpSelected = "Сохранить выбранные";
inline constexpr const char* kVerify = "Сверить";
inline constexpr const char* kBackupCaption = "Папка резервных копий";
inline constexpr const char* kNoFolder = "Сначала выберите папку резервных копий";
inline constexpr const char* kBackedUp = "Сохранено устройств: %1 из %2";
inline constexpr const char* kVerified = "Сверено: совпадает %1, отличается %2, нет файла %3";
inline constexpr const char* kStopped = "Прервано";
inline constexpr const char* kReadIntoWindow = "Прочитать в окно";
inline constexpr const char* kSetClocks = "Часы от компьютера";
inline constexpr const char* kRestore = "Восстановить выбранные";
inline constexpr const char* kClocksSet = "Часам устройств задано время компьютера: %1";
inline constexpr const char* kRestoreQuestion = "Записать в устройства их файлы из папки?";
inline constexpr const char* kRestoreDevice = "Устройство ";
// Device value → file value, as a restore would change it.
inline constexpr const char* kDifferencesHeading = "Устройство %1 → файл %2:";
inline constexpr const char* kSaveCsv = "Таблица в CSV...";
inline constexpr const char* kSavePdf = "Отчёт в PDF...";
inline constexpr const char* kPrintReport = "Печать отчёта...";
inline constexpr const char* kSaveProtocols = "Протоколы испытаний в PDF...";
inline constexpr const char* kNoProtocols = "Нет файлов найденных устройств в папке для протоколов";
inline constexpr const char* kCsvFilter = "Таблица CSV (*.csv)";
inline constexpr const char* kPdfFilter = "Документ PDF (*.pdf)";
inline constexpr const char* kSaved = "Сохранено: %1";
inline constexpr const char* kReportTitle = "Ввод в эксплуатацию: устройства линии";
inline constexpr const char* kReportDate = "Дата: ";
inline constexpr const char* kReportPort = "Порт: ";
inline constexpr const char* kReportFolder = "Папка резервных копий: ";
// "Не ответили адреса (26): 1, 3–6, 8–31"
inline constexpr const char* kReportEmptyAddresses = "Не ответили адреса (%1): %2";
inline constexpr const char* kRestored = "Восстановлено устройств: %1 из %2";
inline constexpr const char* kStatusByte = "статус ";
inline constexpr const char* kSurveying = "Опрос линии...";
// "Найдено устройств: 3 из 31"
inline constexpr const char* kFound = "Найдено устройств: %1 из %2";

} // namespace line_window_text
