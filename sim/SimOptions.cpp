#include "sim/SimOptions.h"

#include <fstream>
#include <iterator>

const char* const kSimUsage =
    "usage: vil3k-sim [--link PATH] [--file F.vil] [--code 24-08] [--address N]\n"
    "                 [--dump PATH] [--log PATH] [--timeout S] [--baud B] [--status S] "
    "[--image-count N]\n"
    "                 [--silent | --one-byte | --short-body | --wrong-function]\n"
    "                 [--bad-crc | --bad-crc-first K] [--exception FN:CODE] [--late]\n"
    "                 [--busy K] [--chaos SEED[:RATE]]\n"
    "                 [--device ADDRESS:CODE|ADDRESS:FILE.vil[:STATUS] ...]\n";

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

bool TakeValue(const std::string& name, const std::string& value, SimOptions& o) {
    SimFaults& f = o.faults;
    int n = 0;
    if (name == "--link")
        o.linkPath = value;
    else if (name == "--file")
        o.filePath = value;
    else if (name == "--dump")
        o.dumpPath = value;
    else if (name == "--log")
        o.logPath = value;
    else if (name == "--code")
        return ParseCode(value, o.first, o.second);
    else if (name == "--exception")
        return ParseException(value, f);
    else if (name == "--chaos")
        return ParseChaos(value, o);
    else if (name == "--device") {
        o.devices.emplace_back();
        return ParseDevice(value, o.devices.back());
    } else if (!Number(value, n))
        return false;
    else if (name == "--address")
        o.address = n;
    else if (name == "--timeout")
        o.idleTimeoutS = n;
    else if (name == "--baud")
        o.baud = n;
    else if (name == "--status")
        f.status = static_cast<std::uint8_t>(n);
    else if (name == "--image-count")
        f.imageCount = n;
    else if (name == "--bad-crc-first")
        f.badCrc = n;
    else if (name == "--busy")
        f.busyConfirmations = n;
    else
        return false;
    return true;
}

bool TakeSwitch(const std::string& name, SimFaults& f) {
    if (name == "--silent")
        f.silent = true;
    else if (name == "--one-byte")
        f.oneByte = true;
    else if (name == "--short-body")
        f.shortBody = true;
    else if (name == "--wrong-function")
        f.wrongFunction = true;
    else if (name == "--bad-crc")
        f.badCrc = -1;
    else if (name == "--late")
        f.lateMs = kLateMs;
    else
        return false;
    return true;
}

} // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (TakeSwitch(name, options.faults))
            continue;
        if (i + 1 < args.size() && TakeValue(name, args[i + 1], options)) {
            ++i;
            continue;
        }
        error = "bad option: " + name;
        return false;
    }
    const SimFaults& f = options.faults;
    if (f.imageCount < 0 || f.imageCount > 255 || options.idleTimeoutS <= 0 || options.baud < 0 ||
        (options.address != -1 && (options.address < 1 || options.address > 32))) {
        error = "option value out of range";
        return false;
    }
    return true;
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
        device.chaos.emplace(static_cast<std::uint32_t>(options.chaosSeed), options.chaosRate);
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
            device.chaos.emplace(static_cast<std::uint32_t>(options.chaosSeed + entry.address),
                                 options.chaosRate);
    }
    return true;
}

std::vector<std::uint8_t> SimDump(const SimulatedDevice& device) {
    std::vector<std::uint8_t> dump(device.image.begin(), device.image.end());
    dump.push_back(static_cast<std::uint8_t>(device.address));
    return dump;
}
