#include "tools/LineScan.h"

#include "link/DeviceLink.h"
#include "link/Frames.h"
#include "model/ConfigurationModel.h"
#include "tools/ConfigFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kOtherFormCount = 8;

bool FromDevice(ExchangeResult result) {
    return result == kResultOk || (result > kResultOk && result < kResultForeignAnswer);
}

ExchangeResult Ask(DeviceLink& link, int address, int retries,
                   std::array<std::uint8_t, kMaxResponseSize>& reply) {
    ExchangeResult result = kResultSilent;
    for (int attempt = 0; attempt <= retries; ++attempt) {
        if (const ExchangeResult drained = link.DrainAndPurge(); drained != kResultOk)
            return drained;
        result = link.Transact(address - 1, kFnIdentify, 0, nullptr, reply);
        // A late answer of another device says nothing about this address.
        if (FromDevice(result) && reply[0] != address)
            result = kResultSilent;
        else if (FromDevice(result) || result == kResultLineFailed || result == kResultPortClosed)
            return result;
    }
    return result;
}

ScanRow Identify(DeviceLink& link, int address, int retries) {
    std::array<std::uint8_t, kMaxResponseSize> reply{};
    ScanRow row;
    row.address = address;
    row.result = Ask(link, address, retries, reply);
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

bool Coded(const ScanRow& row) {
    return row.result == kResultOk && row.status != kOtherDeviceStatus;
}

} // namespace

bool ScanRow::answered() const {
    return FromDevice(result);
}

std::vector<ScanRow> ScanLine(DeviceLink& link, int first, int last, int retries,
                              const std::function<void(int, int)>& progress) {
    std::vector<ScanRow> rows;
    const int total = last - first + 1;
    for (int address = first; address <= last; ++address) {
        rows.push_back(Identify(link, address, retries));
        if (progress)
            progress(address - first + 1, total);
    }
    return rows;
}

std::string ScanTable(const std::vector<ScanRow>& rows, const std::string& portName) {
    std::string table = "адрес  код    состояние\n";
    for (const ScanRow& row : rows) {
        char line[32];
        std::snprintf(line, sizeof line, "%5d  %-5s  ", row.address,
                      Coded(row) ? CodeText(row.first, row.second).c_str() : "--");
        table += line + StatusText(row, portName) + "\n";
    }
    return table;
}

QByteArray ScanJson(const std::vector<ScanRow>& rows, const std::string& portName) {
    QJsonArray devices;
    for (const ScanRow& row : rows) {
        QJsonObject device{{"address", row.address},
                           {"answered", row.answered()},
                           {"result", row.result},
                           {"state", QString::fromStdString(StatusText(row, portName))}};
        if (Coded(row)) {
            device["code"] = QString::fromStdString(CodeText(row.first, row.second));
            device["status"] = row.status;
        }
        devices.append(device);
    }
    const QJsonObject root{{"port", QString::fromStdString(portName)}, {"devices", devices}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ScanFoundFaults(const std::vector<ScanRow>& rows) {
    return std::any_of(rows.begin(), rows.end(), [](const ScanRow& row) {
        return (row.result != kResultOk && row.result != kResultSilent) ||
               (row.result == kResultOk && row.status != 0);
    });
}

bool AnyAnswered(const std::vector<ScanRow>& rows) {
    return std::any_of(rows.begin(), rows.end(), [](const ScanRow& row) { return row.answered(); });
}
