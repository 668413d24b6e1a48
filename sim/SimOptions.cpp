#include "sim/SimOptions.h"

#include "ui/cli/CommandLine.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

const char* const kSimUsage =
    "usage: vil3k-sim [--link PATH] [--file F.vil] [--code 24-08] [--address N]\n"
    "                 [--dump PATH] [--log PATH] [--timeout S] [--baud B] [--status S] "
    "[--image-count N]\n"
    "                 [--reply-delay MS|ADDRESS:MS ...] [--silent | --one-byte | --short-body | "
    "--wrong-function]\n"
    "                 [--bad-crc | --bad-crc-first K] [--exception FN:CODE] [--late]\n"
    "                 [--busy K] [--chaos SEED[:RATE]] [--chaos-kinds KIND,...]\n"
    "                 [--device ADDRESS:CODE|ADDRESS:FILE.vil[:STATUS] ...]\n"
    "       vil3k-sim --help | --version\n";

namespace {

// Late answers come after the header time-out of 1000 + 3 * 100 ms.
constexpr int kLateMs = 1700;

// Base 0 takes 0x44 for a function code; codes like "08" need base 10.
bool Number(const std::string& text, int& value, int base = 0) {
    try {
        std::size_t used = 0;
        value = std::stoi(text, &used, base);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

bool ParseCode(const std::string& text, int& first, int& second) {
    const std::size_t dash = text.find('-');
    return dash != std::string::npos && Number(text.substr(0, dash), first, 10) &&
           Number(text.substr(dash + 1), second, 10);
}

bool ParseException(const std::string& text, SimFaults& faults) {
    const std::size_t colon = text.find(':');
    return colon != std::string::npos && Number(text.substr(0, colon), faults.exceptionFunction) &&
           Number(text.substr(colon + 1), faults.exceptionCode);
}

// SEED, or SEED:RATE with a probability 0..1 per answer.
bool ParseChaos(const std::string& text, SimOptions& o) {
    const std::size_t colon = text.find(':');
    int seed = 0;
    if (!Number(text.substr(0, colon), seed, 10) || seed < 0)
        return false;
    o.chaosSeed = seed;
    if (colon == std::string::npos)
        return true;
    try {
        std::size_t used = 0;
        const std::string rate = text.substr(colon + 1);
        o.chaosRate = std::stod(rate, &used);
        return used == rate.size() && o.chaosRate >= 0 && o.chaosRate <= 1;
    } catch (const std::exception&) {
        return false;
    }
}

// ADDRESS:CODE or ADDRESS:FILE, either with :STATUS after it.
bool ParseDevice(const std::string& text, SimDeviceEntry& entry) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || !Number(text.substr(0, colon), entry.address, 10))
        return false;
    std::string rest = text.substr(colon + 1);
    const std::size_t last = rest.rfind(':');
    if (last != std::string::npos) {
        if (!Number(rest.substr(last + 1), entry.status, 10))
            return false;
        rest.resize(last);
    }
    if (!ParseCode(rest, entry.first, entry.second))
        entry.filePath = rest;
    return !rest.empty() && entry.address >= 1 && entry.address <= 31 && entry.status <= 255;
}

bool LoadSchemeFile(const std::string& path, SimulatedDevice& device, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    if (bytes.size() < 254) {
        error = "cannot read a scheme from " + path;
        return false;
    }
    device.execFirst = bytes[1];
    device.execSecond = bytes[2];
    device.address = (bytes[3] & 0x1F) + 1;
    std::copy(bytes.begin() + 4, bytes.begin() + 254, device.image.begin());
    return true;
}

// The device answers at address, and its image names the same number, so a
// read leaves the programmer talking to the device it has just read.
void PlaceAt(SimulatedDevice& device, int address) {
    device.address = address;
    device.image[249] = static_cast<std::uint8_t>((device.image[249] & 0xE0) | (address - 1));
}

// MS for every device, or ADDRESS:MS for one.
bool ParseReplyDelay(const std::string& text, SimOptions& o) {
    const std::size_t colon = text.find(':');
    int ms = 0;
    if (!Number(text.substr(colon == std::string::npos ? 0 : colon + 1), ms, 10) || ms < 0 ||
        ms > 60000)
        return false;
    if (colon == std::string::npos) {
        o.faults.lateMs = ms;
        return true;
    }
    int address = 0;
    if (!Number(text.substr(0, colon), address, 10) || address < 1 || address > 31)
        return false;
    o.replyDelays.emplace_back(address, ms);
    return true;
}

// Names of the fault kinds, comma-separated: "stray-byte,long-split".
bool ParseChaosKinds(const std::string& text, SimOptions& o) {
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string name = text.substr(at, comma - at);
        bool known = false;
        for (int k = 0; k < kChaosFaultCount; ++k)
            if (name == SimChaos::name(static_cast<ChaosFault>(k))) {
                o.chaosKinds.push_back(static_cast<ChaosFault>(k));
                known = true;
            }
        if (!known)
            return false;
        at = comma + 1;
    }
    return true;
}

using SimOption = OptionRule<SimOptions>;

template <typename Field> bool Within(const std::string& text, int low, int high, Field& value) {
    int number = 0;
    if (!Number(text, number) || number < low || number > high)
        return false;
    value = static_cast<Field>(number);
    return true;
}

const std::vector<SimOption>& Options() {
    constexpr int kMost = std::numeric_limits<int>::max();
    static const std::vector<SimOption> options{
        {"link", "PATH", [](auto& v, auto& o) { return Store(o.linkPath, v); }},
        {"file", "F.vil", [](auto& v, auto& o) { return Store(o.filePath, v); }},
        {"dump", "PATH", [](auto& v, auto& o) { return Store(o.dumpPath, v); }},
        {"log", "PATH", [](auto& v, auto& o) { return Store(o.logPath, v); }},
        {"code", "F-S", [](auto& v, auto& o) { return ParseCode(v, o.first, o.second); }},
        {"address", "N", [](auto& v, auto& o) { return Within(v, 1, 32, o.address); }},
        {"timeout", "S", [](auto& v, auto& o) { return Within(v, 1, kMost, o.idleTimeoutS); }},
        {"baud", "B", [](auto& v, auto& o) { return Within(v, 0, kMost, o.baud); }},
        {"status", "S", [](auto& v, auto& o) { return Within(v, 0, 255, o.faults.status); }},
        {"image-count", "N",
         [](auto& v, auto& o) { return Within(v, 0, 255, o.faults.imageCount); }},
        {"bad-crc-first", "K", [](auto& v, auto& o) { return Number(v, o.faults.badCrc); }},
        {"busy", "K", [](auto& v, auto& o) { return Number(v, o.faults.busyConfirmations); }},
        {"exception", "FN:CODE", [](auto& v, auto& o) { return ParseException(v, o.faults); }},
        {"chaos", "SEED[:RATE]", [](auto& v, auto& o) { return ParseChaos(v, o); }},
        {"device", "ADDRESS:CODE",
         [](auto& v, auto& o) { return ParseDevice(v, o.devices.emplace_back()); }},
        {"silent", nullptr, [](auto&, auto& o) { return Store(o.faults.silent, true); }},
        {"one-byte", nullptr, [](auto&, auto& o) { return Store(o.faults.oneByte, true); }},
        {"short-body", nullptr, [](auto&, auto& o) { return Store(o.faults.shortBody, true); }},
        {"wrong-function", nullptr,
         [](auto&, auto& o) { return Store(o.faults.wrongFunction, true); }},
        {"bad-crc", nullptr, [](auto&, auto& o) { return Store(o.faults.badCrc, -1); }},
        {"reply-delay", "MS", [](auto& v, auto& o) { return ParseReplyDelay(v, o); }},
        {"chaos-kinds", "KIND,...", [](auto& v, auto& o) { return ParseChaosKinds(v, o); }},
        {"late", nullptr, [](auto&, auto& o) { return Store(o.faults.lateMs, kLateMs); }},
    };
    return options;
}

} // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
    QStringList arguments;
    for (const std::string& argument : args)
        arguments << QString::fromStdString(argument);
    CommandLine line;
    const CommandLineOutcome outcome = line.read(arguments, Options(), options);
    options.help = outcome == CommandLineOutcome::Help;
    options.version = outcome == CommandLineOutcome::Version;
    if (outcome == CommandLineOutcome::UnknownOption)
        error = "bad option: " + line.culprit().toStdString();
    else if (outcome == CommandLineOutcome::BadValue)
        error = "bad value of " + line.culprit().toStdString();
    else if (outcome == CommandLineOutcome::Run && !line.positional().isEmpty())
        error = "bad option: " + line.positional().first().toStdString();
    return error.empty();
}

bool ApplySimOptions(const SimOptions& options, SimulatedDevice& device, std::string& error) {
    if (!options.filePath.empty() && !LoadSchemeFile(options.filePath, device, error))
        return false;
    if (options.first >= 0) {
        device.execFirst = static_cast<std::uint8_t>(options.first);
        device.execSecond = static_cast<std::uint8_t>(options.second);
    }
    if (options.address > 0)
        PlaceAt(device, options.address);
    if (options.chaosSeed >= 0)
        device.chaos.emplace(static_cast<std::uint32_t>(options.chaosSeed), options.chaosRate,
                             options.chaosKinds.empty() ? SimChaos::AllKinds()
                                                        : options.chaosKinds);
    return true;
}

bool BuildSimDevices(const SimOptions& options, std::vector<SimulatedDevice>& devices,
                     std::string& error) {
    devices.clear();
    if (options.devices.empty()) {
        devices.emplace_back(options.faults);
        return ApplySimOptions(options, devices.back(), error);
    }
    for (const SimDeviceEntry& entry : options.devices) {
        SimFaults faults = options.faults;
        if (entry.status >= 0)
            faults.status = static_cast<std::uint8_t>(entry.status);
        for (const auto& [address, ms] : options.replyDelays)
            if (address == entry.address)
                faults.lateMs = ms;
        devices.emplace_back(faults);
        SimulatedDevice& device = devices.back();
        if (!entry.filePath.empty() && !LoadSchemeFile(entry.filePath, device, error))
            return false;
        if (entry.filePath.empty()) {
            device.execFirst = static_cast<std::uint8_t>(entry.first);
            device.execSecond = static_cast<std::uint8_t>(entry.second);
        }
        PlaceAt(device, entry.address);
        // Every device has a chaotic answer path of its own, with its own draws.
        if (options.chaosSeed >= 0)
            device.chaos.emplace(
                static_cast<std::uint32_t>(options.chaosSeed + entry.address), options.chaosRate,
                options.chaosKinds.empty() ? SimChaos::AllKinds() : options.chaosKinds);
    }
    return true;
}

std::vector<std::uint8_t> SimDump(const SimulatedDevice& device) {
    std::vector<std::uint8_t> dump(device.image.begin(), device.image.end());
    dump.push_back(static_cast<std::uint8_t>(device.address));
    return dump;
}
