#pragma once

// Texts of vil3k-tool: the listing, the differences and the tool's own messages.

namespace tool_text {

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

// The command line.
inline constexpr const char* kTextNoCommand = "не задана команда (vil3k-tool --help)";
inline constexpr const char* kTextUnknownCommand = "неизвестная команда: ";
inline constexpr const char* kTextFor = " для ";
inline constexpr const char* kTextFileCount = "ожидается файлов: ";
inline constexpr const char* kTextNeedOption = "нужен параметр ";
inline constexpr const char* kTextNeedShowOrSet = "нужен один из параметров --show, --set-from-pc";

// --help: the overview, then one text per command.
inline constexpr const char* kHelpOverview =
    "vil3k-tool КОМАНДА [параметры]   (vil3k-tool КОМАНДА --help)\n"
    "  dump, diff, read, verify, write, scan, clock\n"
    "Линия: --port COM1 | /dev/ttyUSB0, --baud 9600|19200|57600|115200, --parity N|O|E,\n"
    "  --stop-bits 1|2, --trace (кадры обмена на stderr). Коды выхода: 0 - успешно,\n"
    "  1 - выполнено, но найдены различия или сбои, 2 - неверный вызов или\n"
    "  нечитаемые данные.\n";
inline constexpr const char* kHelpDump =
    "vil3k-tool dump FILE.vil [--json]\n"
    "  Перечень настроек схемы: код, номер устройства, внешнее квитирование,\n"
    "  входы, функциональные блоки, имена выходов. --json: все поля для программ.\n";
inline constexpr const char* kHelpDiff =
    "vil3k-tool diff A B [--code 24-08]\n"
    "  Различия конфигураций A и B (файлы схем .vil или образы устройства по 250 байт),\n"
    "  по строке на поле. --code: код исполнения, когда обе стороны - образы.\n"
    "  Код выхода 0 - конфигурации равны, 1 - различаются.\n";
inline constexpr const char* kHelpRead =
    "vil3k-tool read --port P --address N -o FILE.vil [--names FILE.vil]\n"
    "  Чтение конфигурации устройства в файл схемы; имена пустые или из --names.\n";
inline constexpr const char* kHelpVerify =
    "vil3k-tool verify --port P --address N FILE.vil\n"
    "  Сверка конфигурации устройства с файлом: различия по строке на поле\n"
    "  (значение в файле → значение в устройстве). Код выхода 0 - совпадает, 1 - нет.\n";
inline constexpr const char* kHelpWrite =
    "vil3k-tool write FILE.vil --port P --address N [--confirm]\n"
    "  Запись схемы в устройство с паролем (из VIL3K_PASSWORD или с терминала).\n"
    "  --confirm: запросить подтверждение записи у устройства.\n";
inline constexpr const char* kHelpScan =
    "vil3k-tool scan --port P [--addresses 1-31] [--timeout MS]\n"
    "  Опрос адресов: код исполнения и состояние каждого устройства, одна попытка\n"
    "  на адрес с тайм-аутом MS (50..10000, по умолчанию 100 мс).\n";
inline constexpr const char* kHelpClock =
    "vil3k-tool clock --port P (--show --address N | --set-from-pc)\n"
    "  Часы устройства: показать, или установить во всех устройствах линии по\n"
    "  часам компьютера (широковещательно, нужен пароль).\n";

} // namespace tool_text
