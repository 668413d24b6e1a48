#pragma once

// Texts of vil3k-tool: the command line, its own messages and the help.

namespace tool_text {

// The command line.
inline constexpr const char* kTextNoCommand = "не задана команда (vil3k-tool --help)";
inline constexpr const char* kTextUnknownCommand = "неизвестная команда: ";
inline constexpr const char* kTextFor = " для ";
inline constexpr const char* kTextFileCount = "ожидается файлов: ";
inline constexpr const char* kTextNeedOption = "нужен параметр ";
inline constexpr const char* kTextNeedShowOrSet = "нужен один из параметров --show, --set-from-pc";

// The tool's own messages.
inline constexpr const char* kTextNotWithDir = " не задается вместе с --dir";
inline constexpr const char* kTextOnlyWithDir = " задается только вместе с --dir";
inline constexpr const char* kTextNotWithFiles = " не задается вместе с файлами";
inline constexpr const char* kTextNobodyAnswered =
    "ни одно устройство не ответило: проверьте порт и скорость (--port, --baud)";
inline constexpr const char* kTextWritten = "записано: устройство %1, теперь адрес %2";
inline constexpr const char* kTextConfirmed = ", запись подтверждена";
inline constexpr const char* kTextDevice = "устройство ";
// Which side of a restore's differences is which.
inline constexpr const char* kTextDeviceToFile = ", устройство → файл";

// Whole-line commands: the tables and the totals.
inline constexpr const char* kScanTableHead = "адрес  код    состояние\n";
inline constexpr const char* kLineTableHead = "адрес  код    файл           итог\n";
inline constexpr const char* kTotals = "итого: ";

// --help: the overview, then one text per command. Exit statuses 0..4 are the
// constants of ToolCommands.h.
inline constexpr const char* kHelpOverview =
    "vil3k-tool КОМАНДА [параметры]   (vil3k-tool help КОМАНДА, vil3k-tool КОМАНДА --help)\n"
    "  dump, diff, matrix, protocol, read, verify, write, scan, backup, restore, clock\n"
    "Линия: --port COM1 | /dev/ttyUSB0, --baud 9600|19200|57600|115200, --parity N|O|E,\n"
    "  --stop-bits 1|2, --trace (кадры обмена на stderr).\n"
    "Коды выхода: 0 - успешно; 1 - устройство отличается от файла, записано, но не\n"
    "  подтверждено, отказало или не готово, ответ не читается, файл оставлен;\n"
    "  2 - неверный вызов, нечитаемый файл или файл, который нельзя создать (ничего не\n"
    "  отправлено); 3 - устройство не ответило; 4 - прочитано, но файл не записан.\n"
    "  Для нескольких устройств - худший из кодов их строк (4, затем 3, затем 1).\n";
inline constexpr const char* kHelpDump =
    "vil3k-tool dump FILE.vil [--json]\n"
    "  Перечень настроек схемы: код, номер устройства, внешнее квитирование,\n"
    "  входы, функциональные блоки, имена выходов. --json: все поля для программ.\n"
    "  Коды выхода: 0 - успешно, 2 - нечитаемый файл.\n";
inline constexpr const char* kHelpDiff =
    "vil3k-tool diff A B [--code 24-08]\n"
    "  Различия конфигураций A и B (файлы схем .vil или образы устройства по 250 байт),\n"
    "  по строке на поле (значение в A → значение в B); у блока, который есть лишь в\n"
    "  одной из них или сменил тип, - все его поля. --code: код исполнения, когда обе стороны - "
    "образы.\n"
    "  Коды выхода: 0 - конфигурации равны, 1 - различаются, 2 - нечитаемый файл.\n";
inline constexpr const char* kHelpMatrix =
    "vil3k-tool matrix FILE.vil [--csv]\n"
    "  Причины и действия: каждый включенный вход и каждый ФБ со своими выходами МР\n"
    "  и ячейками табло (задержка, \"имп.\" - импульс ФБ, \"бл\" - блокировка,\n"
    "  \"через ФБ n\" - через функциональный блок), затем каждый выход и ячейка со\n"
    "  своими причинами. --csv: таблица для электронных таблиц (UTF-8, ';').\n"
    "  Коды выхода: 0 - успешно, 2 - нечитаемый файл.\n";
inline constexpr const char* kHelpProtocol =
    "vil3k-tool protocol FILE.vil... -o FILE.pdf [--csv]\n"
    "vil3k-tool protocol --dir D -o FILE.pdf [--csv]\n"
    "  Протокол испытаний: номер устройства, код исполнения, дата, шаг на каждый\n"
    "  вход и ФБ с ожидаемыми действиями и графой для отметки, подписи. Несколько\n"
    "  файлов (--dir: каждый D/device-NN.vil) - протоколы подряд, каждый с новой\n"
    "  страницы. --csv: то же содержание таблицей CSV. Файл пишется целиком или\n"
    "  не пишется вовсе.\n"
    "  Коды выхода: 0 - записано, 2 - неверный вызов, нечитаемый файл или файл,\n"
    "  который нельзя создать.\n";
inline constexpr const char* kHelpRead =
    "vil3k-tool read --port P --address N -o FILE.vil [--names FILE.vil] [--retries N]\n"
    "  Чтение конфигурации устройства в файл схемы; имена пустые или из --names.\n"
    "  --retries: повторы запроса после попытки без ответа, 0..9 (4, как в окне).\n"
    "  Коды выхода: 0 - прочитано, 1 - устройство отказало, 2 - FILE.vil нельзя\n"
    "  создать (проверяется до обмена), 3 - устройство не ответило, 4 - прочитано,\n"
    "  но FILE.vil не записан.\n";
inline constexpr const char* kHelpVerify =
    "vil3k-tool verify --port P --address N FILE.vil [--retries N] [--json]\n"
    "vil3k-tool verify --port P --dir D [--addresses 1-31] [--json]\n"
    "  Сверка конфигурации устройства с файлом: различия по строке на поле\n"
    "  (значение в файле → значение в устройстве). --dir: каждый файл D/device-NN.vil\n"
    "  с устройством NN, таблица и итог. --json: результат для программ.\n"
    "  Коды выхода: 0 - совпадает, 1 - отличается (или устройство отказало),\n"
    "  2 - неверный вызов или нечитаемый файл, 3 - устройство не ответило\n"
    "  (важнее различий у других устройств); 4 не бывает.\n";
inline constexpr const char* kHelpWrite =
    "vil3k-tool write FILE.vil --port P --address N [--confirm] [--retries N]\n"
    "  Запись схемы в устройство, как \"Вывод на СОМ-порт\" программатора.\n"
    "  --address - адрес, по которому устройство отвечает сейчас; после записи оно\n"
    "  отвечает по номеру устройства из файла (vil3k-tool dump FILE.vil).\n"
    "  Пароль: из VIL3K_PASSWORD или вводится с терминала без эха; проверяется, как\n"
    "  при запуске программатора: по файлу FParol.dat в текущем каталоге, а без него -\n"
    "  по заводскому паролю. Пустой пароль дает доступ только на чтение.\n"
    "  --confirm: запросить подтверждение записи у устройства.\n"
    "  Коды выхода: 0 - записано (и подтверждено), 1 - записано, но не подтверждено,\n"
    "  или запись отклонена (пароль, код исполнения), 2 - неверный вызов или\n"
    "  нечитаемый файл, 3 - устройство не ответило, ничего не записано.\n";
inline constexpr const char* kHelpScan =
    "vil3k-tool scan --port P [--addresses 1-31] [--timeout MS] [--retries N] [--json]\n"
    "  Опрос адресов: строка на каждый адрес - код исполнения и состояние, \"отсутствует\"\n"
    "  или почему ответ не читается. Адреса опрашиваются подряд с коротким ожиданием;\n"
    "  ответ засчитывается адресу, который в нем назван, когда бы он ни пришел, и\n"
    "  только с верной контрольной суммой. --timeout: сколько всего ждать ответа,\n"
    "  50..10000 мс (500); --retries: повторные опросы молчащих адресов, 0..9 (1).\n"
    "  Коды выхода: 0 - ответившие готовы, 1 - устройство не готово, отказало или\n"
    "  его ответ не читается, 2 - неверный вызов, 3 - ни одно устройство не ответило.\n";
inline constexpr const char* kHelpBackup =
    "vil3k-tool backup --port P --dir D [--addresses 1-31] [--timeout MS] [--retries N]\n"
    "                  [--force] [--json]\n"
    "  Опрос линии (как scan) и чтение каждого ответившего устройства NN в\n"
    "  D/device-NN.vil; строка на каждый адрес и итог. Устройство, которое не\n"
    "  удалось прочитать, названо с сообщением, остальные читаются дальше.\n"
    "  Имеющийся файл без --force не заменяется (\"оставлен: файл уже есть\").\n"
    "  Коды выхода: 0 - все ответившие сохранены, 1 - устройство отказало или файл\n"
    "  оставлен, 2 - неверный вызов или файлы нельзя создать (до обмена),\n"
    "  3 - устройство не ответило, 4 - прочитано, но файл не записан (важнее всех).\n";
inline constexpr const char* kHelpRestore =
    "vil3k-tool restore --port P --dir D [--addresses 1-31] [--dry-run] [--confirm]\n"
    "  Каждый файл D/device-NN.vil в устройство NN: сначала различия (устройство\n"
    "  → файл: что изменит запись), затем запись, как у write (пароль, --confirm); совпадающие\n"
    "  устройства не записываются. --dry-run: только различия.\n"
    "  Коды выхода: 0 - все совпадают или записаны, 1 - различия (--dry-run), запись\n"
    "  не подтверждена или отклонена, 2 - неверный вызов или нечитаемый файл,\n"
    "  3 - устройство не ответило (важнее остальных); 4 не бывает.\n";
inline constexpr const char* kHelpClock =
    "vil3k-tool clock --port P (--show --address N | --set-from-pc)\n"
    "  Часы устройства: показать, или установить во всех устройствах линии по\n"
    "  часам компьютера (широковещательно, нужен пароль, как у write).\n"
    "  Коды выхода: 0 - успешно, 1 - отказ, 2 - неверный вызов, 3 - устройство\n"
    "  не ответило.\n";

} // namespace tool_text
