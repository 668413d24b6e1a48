#include "tools/LineReports.h"

#include "line/ConfigFields.h"
#include "line/FilePaths.h"
#include "line/LineTexts.h"
#include "model/ConfigurationModel.h"
#include "tools/ToolTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cstdio>

using namespace line_text;

namespace {

std::string StateText(const SurveyRow& row, const std::string& portName) {
    if (row.result == kResultSilent)
        return kStateAbsent;
    if (row.result != kResultOk)
        return ExchangeResultText(portName, row.address - 1, row.result);
    if (row.status == 0)
        return kStateReady;
    if (row.status == kOtherDeviceStatus)
        return kStateOtherDevice;
    return std::to_string(row.status) + kStateUndetermined;
}

// Only the name: the directory was given once on the command line.
std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return Shown(slash == std::string::npos ? path : path.substr(slash + 1));
}

// A reason on one line.
std::string OneLine(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos;)
        text.replace(at, 1, "; ");
    return text;
}

QByteArray Document(const QJsonArray& devices, const std::string& portName) {
    const QJsonObject root{{"port", QString::fromStdString(portName)}, {"devices", devices}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

std::string ScanTable(const std::vector<SurveyRow>& rows, const std::string& portName) {
    std::string table = tool_text::kScanTableHead;
    for (const SurveyRow& row : rows) {
        char line[32];
        std::snprintf(line, sizeof line, "%5d  %-5s  ", row.address,
                      row.coded() ? CodeText(row.first, row.second).c_str() : "--");
        table += line + StateText(row, portName) + "\n";
    }
    return table;
}

QByteArray ScanJson(const std::vector<SurveyRow>& rows, const std::string& portName) {
    QJsonArray devices;
    for (const SurveyRow& row : rows) {
        QJsonObject device{{"address", row.address},
                           {"answered", row.heard()},
                           {"result", row.result},
                           {"outcome", OutcomeKey(row.outcome())},
                           {"state", QString::fromStdString(StateText(row, portName))}};
        if (row.coded()) {
            device["code"] = QString::fromStdString(CodeText(row.first, row.second));
            device["status"] = row.status;
        }
        devices.append(device);
    }
    return Document(devices, portName);
}

std::string ReportTable(const std::vector<DeviceRow>& rows) {
    std::string table = tool_text::kLineTableHead;
    std::array<int, kOutcomeCount> counts{};
    for (const DeviceRow& row : rows) {
        char line[64];
        std::snprintf(line, sizeof line, "%5d  %-5s  %-13s  ", row.address,
                      row.code.empty() ? "--" : row.code.c_str(),
                      row.file.empty() ? "--" : FileName(row.file).c_str());
        table += line + std::string(OutcomeWord(row.outcome));
        if (!row.reason.empty())
            table += " (" + OneLine(row.reason) + ")";
        table += "\n";
        for (const std::string& difference : row.differences)
            table += "       " + difference + "\n";
        ++counts[static_cast<std::size_t>(row.outcome)];
    }
    std::string totals;
    for (int i = 0; i < kOutcomeCount; ++i)
        if (counts[static_cast<std::size_t>(i)] > 0)
            totals += (totals.empty() ? "" : ", ") +
                      std::string(OutcomeWord(static_cast<Outcome>(i))) + " " +
                      std::to_string(counts[static_cast<std::size_t>(i)]);
    return table + tool_text::kTotals + totals + "\n";
}

QByteArray ReportJson(const std::vector<DeviceRow>& rows, const std::string& portName) {
    QJsonArray devices;
    for (const DeviceRow& row : rows) {
        QJsonArray differences;
        for (const std::string& line : row.differences)
            differences.append(QString::fromStdString(line));
        QJsonObject device{{"address", row.address},
                           {"result", OutcomeKey(row.outcome)},
                           {"differences", differences}};
        if (!row.file.empty())
            device["file"] = QString::fromStdString(Shown(row.file));
        if (!row.code.empty())
            device["code"] = QString::fromStdString(row.code);
        if (!row.reason.empty())
            device["reason"] = QString::fromStdString(row.reason);
        devices.append(device);
    }
    return Document(devices, portName);
}
