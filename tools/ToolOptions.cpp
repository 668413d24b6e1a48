#include "tools/ToolOptions.h"

#include "link/PortSettings.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

struct CommandRule {
    int files;           // positional arguments the command takes
    std::string options; // the options it accepts, blank-separated
    bool needsPort;
    const char* help;
};

const char* const kLine = " --baud --parity --stop-bits";

const std::map<std::string, CommandRule>& Rules() {
    static const std::map<std::string, CommandRule> rules{
        {"dump",
         {1, "--json --code", false,
          "vil3k-tool dump FILE.vil [--json]\n"
          "  Перечень настроек схемы: код, номер устройства, внешнее квитирование,\n"
          "  входы, функциональные блоки, имена выходов. --json: все поля для программ.\n"}},
        {"diff",
         {2, "--code", false,
          "vil3k-tool diff A B [--code 24-08]\n"
          "  Различия конфигураций A и B (файлы схем .vil или образы устройства по 250 байт),\n"
          "  по строке на поле. --code: код исполнения, когда обе стороны - образы.\n"
          "  Код выхода 0 - конфигурации равны, 1 - различаются.\n"}},
        {"read",
         {0, "--port --address -o --names --retries", true,
          "vil3k-tool read --port P --address N -o FILE.vil [--names FILE.vil] [--retries 1|5]\n"
          "  Чтение конфигурации устройства в файл схемы; имена пустые или из --names.\n"
          "  --retries: попыток запроса, 1 или 5 (по умолчанию 5, как в окне).\n"}},
        {"verify",
         {1, "--port --address --retries", true,
          "vil3k-tool verify --port P --address N FILE.vil [--retries 1|5]\n"
          "  Сверка конфигурации устройства с файлом: различия по строке на поле\n"
          "  (значение в файле → значение в устройстве). Код выхода 0 - совпадает, 1 - нет.\n"}},
        {"write",
         {1, "--port --address --confirm --retries", true,
          "vil3k-tool write FILE.vil --port P --address N [--confirm] [--retries 1|5]\n"
          "  Запись схемы в устройство с паролем (из VIL3K_PASSWORD или с терминала).\n"
          "  --confirm: запросить подтверждение записи у устройства.\n"}},
        {"scan",
         {0, "--port --addresses --timeout", true,
          "vil3k-tool scan --port P [--addresses 1-31] [--timeout MS]\n"
          "  Опрос адресов: код исполнения и состояние каждого устройства, одна попытка\n"
          "  на адрес с тайм-аутом MS (50..10000, по умолчанию 100 мс).\n"}},
        {"clock",
         {0, "--port --address --show --set-from-pc", true,
          "vil3k-tool clock --port P (--show --address N | --set-from-pc)\n"
          "  Часы устройства: показать, или установить во всех устройствах линии по\n"
          "  часам компьютера (широковещательно, нужен пароль).\n"}},
    };
    return rules;
}

const char* const kOverview =
    "vil3k-tool КОМАНДА [параметры]   (vil3k-tool КОМАНДА --help)\n"
    "  dump, diff, read, verify, write, scan, clock\n"
    "Линия: --port COM1 | /dev/ttyUSB0, --baud 9600|19200|57600|115200, --parity N|O|E,\n"
    "  --stop-bits 1|2. Коды выхода: 0 - успешно, 1 - выполнено, но найдены различия\n"
    "  или сбои, 2 - неверный вызов или нечитаемые данные.\n";

bool Number(const std::string& text, int& value) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stoi(text);
    return true;
}

bool Pair(const std::string& text, char separator, int& a, int& b) {
    const std::size_t at = text.find(separator);
    return at != std::string::npos && Number(text.substr(0, at), a) &&
           Number(text.substr(at + 1), b);
}

bool Accepts(const CommandRule& rule, const std::string& option) {
    const std::string all = " " + rule.options + (rule.needsPort ? kLine : "") + " ";
    return all.find(" " + option + " ") != std::string::npos;
}

bool TakeValue(const std::string& name, const std::string& value, ToolOptions& o) {
    if (name == "--port")
        o.port = value;
    else if (name == "-o")
        o.output = value;
    else if (name == "--names")
        o.names = value;
    else if (name == "--code")
        return Pair(value, '-', o.codeFirst, o.codeSecond);
    else if (name == "--addresses")
        return Pair(value, '-', o.firstAddress, o.lastAddress) && o.firstAddress >= 1 &&
               o.firstAddress <= o.lastAddress && o.lastAddress <= 31;
    else if (name == "--address")
        return Number(value, o.address) && o.address >= 1 && o.address <= 31;
    else if (name == "--timeout")
        return Number(value, o.timeoutMs) && o.timeoutMs >= 50 && o.timeoutMs <= 10000;
    else if (name == "--retries")
        return Number(value, o.retries) &&
               std::find(kHeaderRetryEntries.begin(), kHeaderRetryEntries.end(), o.retries) !=
                   kHeaderRetryEntries.end();
    else if (name == "--baud")
        return Number(value, o.baud) &&
               std::find_if(kSpeedEntries.begin(), kSpeedEntries.end(),
                            [&](const char* s) { return value == s; }) != kSpeedEntries.end();
    else if (name == "--parity") {
        o.parity = value;
        return value == "N" || value == "O" || value == "E";
    } else if (name == "--stop-bits")
        return Number(value, o.stopBits) && (o.stopBits == 1 || o.stopBits == 2);
    return true;
}

bool TakeSwitch(const std::string& name, ToolOptions& o) {
    if (name == "--json")
        o.json = true;
    else if (name == "--confirm")
        o.confirm = true;
    else if (name == "--show")
        o.show = true;
    else if (name == "--set-from-pc")
        o.setFromPc = true;
    else
        return false;
    return true;
}

// What the command needs beyond the accepted options.
std::string MissingPart(const ToolOptions& o, const CommandRule& rule) {
    if (static_cast<int>(o.files.size()) != rule.files)
        return "ожидается файлов: " + std::to_string(rule.files);
    if (rule.needsPort && o.port.empty())
        return "нужен параметр --port";
    const bool addressed = o.command == "read" || o.command == "verify" || o.command == "write" ||
                           (o.command == "clock" && o.show);
    if (addressed && o.address == 0)
        return "нужен параметр --address";
    if (o.command == "read" && o.output.empty())
        return "нужен параметр -o";
    if (o.command == "clock" && o.show == o.setFromPc)
        return "нужен один из параметров --show, --set-from-pc";
    return {};
}

} // namespace

bool ParseToolOptions(const std::vector<std::string>& args, ToolOptions& o, std::string& error) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        o.help = true;
        return !args.empty();
    }
    o.command = args[0];
    const auto rule = Rules().find(o.command);
    if (rule == Rules().end()) {
        error = "неизвестная команда: " + o.command;
        return false;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            return true;
        }
        if (a.size() < 2 || a[0] != '-') {
            o.files.push_back(a);
            continue;
        }
        if (!Accepts(rule->second, a)) {
            error = "неизвестный параметр для " + o.command + ": " + a;
            return false;
        }
        if (TakeSwitch(a, o))
            continue;
        if (i + 1 >= args.size() || !TakeValue(a, args[i + 1], o)) {
            error = "неверное значение параметра " + a;
            return false;
        }
        ++i;
    }
    error = MissingPart(o, rule->second);
    return error.empty();
}

std::string ToolHelp(const std::string& command) {
    const auto rule = Rules().find(command);
    return rule == Rules().end() ? kOverview : rule->second.help;
}
