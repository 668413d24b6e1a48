#include "tools/LineScan.h"

#include "link/Frames.h"
#include "link/TComPortClass.h"
#include "model/TProgVilClass.h"
#include "tools/ConfigFields.h"

#include <cstdio>

namespace {

constexpr int kOtherFormCount = 8;

ScanRow Identify(TComPortClass& link, int address) {
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    ScanRow row;
    row.address = address;
    row.result = link.Transact(address - 1, kFnIdentify, 0, nullptr, reply);
    if (row.result != kResultOk)
        return row;
    const int count = reply[kIdentCountByte];
    if (count == kOtherFormCount) {
        row.status = kOtherDeviceStatus;
    } else if (link.GetResponseLength() > kIdentStatusByte) {
        row.first = reply[kIdentFirstPartByte];
        row.second = reply[kIdentSecondPartByte];
        row.status = reply[kIdentStatusByte];
    }
    return row;
}

std::string StatusText(const ScanRow& row, const std::string& portName) {
    if (row.result == kResultSilent)
        return "отсутствует";
    if (row.result != kResultOk)
        return ExchangeResultText(portName, row.address - 1, row.result);
    if (row.status == 0)
        return "0 готов";
    if (row.status == kOtherDeviceStatus)
        return "другой прибор";
    return std::to_string(row.status) + " тип не определен";
}

} // namespace

std::vector<ScanRow> ScanLine(TComPortClass& link, int first, int last,
                              const std::function<void(int, int)>& progress) {
    std::vector<ScanRow> rows;
    const int total = last - first + 1;
    for (int address = first; address <= last; ++address) {
        rows.push_back(Identify(link, address));
        if (progress)
            progress(address - first + 1, total);
    }
    return rows;
}

std::string ScanTable(const std::vector<ScanRow>& rows, const std::string& portName) {
    std::string table = "адрес  код    состояние\n";
    for (const ScanRow& row : rows) {
        const bool coded = row.result == kResultOk && row.status != kOtherDeviceStatus;
        char line[32];
        std::snprintf(line, sizeof line, "%5d  %-5s  ", row.address,
                      coded ? CodeText(row.first, row.second).c_str() : "--");
        table += line + StatusText(row, portName) + "\n";
    }
    return table;
}

bool ScanFoundFaults(const std::vector<ScanRow>& rows) {
    for (const ScanRow& row : rows)
        if ((row.result != kResultOk && row.result != kResultSilent) ||
            (row.result == kResultOk && row.status != 0))
            return true;
    return false;
}
