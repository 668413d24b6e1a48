#include "tools/LineReports.h"

#include "tools/ToolCommands.h"
#include "tools/ToolPaths.h"
#include "tools/ToolTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cstdio>

using namespace tool_text;

namespace {

struct OutcomeWords {
    const char* shown;
    const char* json;
    int status;
};

// In the order of Outcome.
constexpr std::array<OutcomeWords, 9> kOutcomes{{
    {kOutcomeSaved, "saved", kExitOk},
    {kOutcomeSame, "same", kExitOk},
    {kOutcomeDiffers, "differs", kExitFound},
    {kOutcomeWritten, "written", kExitOk},
    {kOutcomeConfirmed, "confirmed", kExitOk},
    {kOutcomeNotConfirmed, "not-confirmed", kExitFound},
    {kOutcomeRefused, "refused", kExitFound},
    {kOutcomeNoAnswer, "no-answer", kExitNoAnswer},
    {kOutcomeNotSaved, "not-saved", kExitUsage},
}};

const OutcomeWords& Words(Outcome outcome) {
    return kOutcomes[static_cast<std::size_t>(outcome)];
}

// Only the name: the directory was given once on the command line.
std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return Shown(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

int OutcomeStatus(Outcome outcome) {
    return Words(outcome).status;
}

int WorseStatus(int a, int b) {
    // The less is known of a device, the higher its status.
    return std::max(a, b);
}

int RunStatus(const std::vector<DeviceReport>& reports) {
    int status = kExitOk;
    for (const DeviceReport& report : reports)
        status = WorseStatus(status, OutcomeStatus(report.outcome));
    return status;
}

std::string ReportTable(const std::vector<DeviceReport>& reports) {
    std::string table = kLineTableHead;
    std::array<int, kOutcomes.size()> counts{};
    for (const DeviceReport& report : reports) {
        char row[64];
        std::snprintf(row, sizeof row, "%5d  %-5s  %-13s  ", report.address,
                      report.code.empty() ? "--" : report.code.c_str(),
                      FileName(report.file).c_str());
        table += row + std::string(Words(report.outcome).shown) + "\n";
        for (const std::string& line : report.differences)
            table += "       " + line + "\n";
        ++counts[static_cast<std::size_t>(report.outcome)];
    }
    std::string totals;
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (counts[i] > 0)
            totals += (totals.empty() ? "" : ", ") + std::string(kOutcomes[i].shown) + " " +
                      std::to_string(counts[i]);
    return table + kTotals + totals + "\n";
}

QByteArray ReportJson(const std::vector<DeviceReport>& reports, const std::string& portName) {
    QJsonArray devices;
    for (const DeviceReport& report : reports) {
        QJsonArray differences;
        for (const std::string& line : report.differences)
            differences.append(QString::fromStdString(line));
        QJsonObject device{{"address", report.address},
                           {"file", QString::fromStdString(Shown(report.file))},
                           {"result", Words(report.outcome).json},
                           {"differences", differences}};
        if (!report.code.empty())
            device["code"] = QString::fromStdString(report.code);
        devices.append(device);
    }
    const QJsonObject root{{"port", QString::fromStdString(portName)}, {"devices", devices}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
