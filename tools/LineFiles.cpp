// backup, verify and restore: the options, the steps of the line library for
// each device, and the table.

#include "files/SchemeFile.h"
#include "line/ConfigFiles.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"
#include "tools/ConsoleSeams.h"
#include "tools/LineReports.h"
#include "tools/ToolCommands.h"
#include "tools/ToolDevice.h"
#include "tools/ToolTexts.h"

#include <cstdio>
#include <functional>

namespace {

int Refuse(const std::string& line) {
    PrintMessage(stderr, line);
    return kExitUsage;
}

void Print(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void PrintRows(const ToolOptions& o, const std::vector<DeviceRow>& rows,
               const std::string& portName) {
    if (o.json)
        Print(ReportJson(rows, portName));
    else
        std::printf("%s", ReportTable(rows).c_str());
}

int WorstStatus(const std::vector<DeviceRow>& rows) {
    return static_cast<int>(WorstOf(rows));
}

// The command's step for each device, with the bar moving on a terminal.
template <typename Item>
std::vector<DeviceRow> ForEach(const std::vector<Item>& items,
                               const std::function<DeviceRow(const Item&)>& step) {
    const auto progress = TerminalProgressBar();
    std::vector<DeviceRow> rows;
    for (const Item& item : items) {
        rows.push_back(step(item));
        if (progress)
            progress(static_cast<int>(rows.size()), static_cast<int>(items.size()));
    }
    return rows;
}

int VerifyOne(const ToolOptions& o) {
    std::string error;
    const auto scheme = LoadConfiguration(o.files[0], -1, -1, error);
    if (!scheme)
        return Refuse(error);
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const DeviceRow row =
        VerifyDevice(device, {o.address, o.files[0], *scheme}, DiffOrder::FileToDevice);
    if (o.json) {
        Print(ReportJson({row}, device.link.PortName));
    } else {
        for (const std::string& line : row.differences)
            std::printf("%s\n", line.c_str());
    }
    return WorstStatus({row});
}

std::optional<std::vector<DeviceFile>> Files(const ToolOptions& o, bool forWriting) {
    std::string error;
    auto files = LoadDeviceFiles(o.dir, o.firstAddress, o.lastAddress, forWriting, error);
    if (!files)
        Refuse(error);
    return files;
}

int VerifyDirectory(const ToolOptions& o) {
    const auto files = Files(o, false);
    if (!files)
        return kExitUsage;
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const auto rows = ForEach<DeviceFile>(*files, [&](const DeviceFile& file) {
        return VerifyDevice(device, file, DiffOrder::FileToDevice);
    });
    PrintRows(o, rows, device.link.PortName);
    return WorstStatus(rows);
}

// Every address asked gets a row: those where nothing answered as absent, the
// others read on, whatever became of the one before.
int Backup(const ToolOptions& o) {
    std::string error;
    if (!PrepareBackup(o.dir, o.firstAddress, o.lastAddress, o.force, error))
        return Refuse(error);
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const std::vector<SurveyRow> found = SurveyFromOptions(device, o);
    if (NobodyAnswered(found))
        return kExitNoAnswer;
    const auto rows = ForEach<SurveyRow>(
        found, [&](const SurveyRow& row) { return BackUpDevice(device, row, o.dir, o.force); });
    PrintRows(o, rows, device.link.PortName);
    return WorstStatus(rows);
}

// What is about to change, before it changes, as the write will change it
// (device value → file value); --dry-run stops there.
DeviceRow Restore(ToolDevice& device, const DeviceFile& file, const ToolOptions& o) {
    DeviceRow row = VerifyDevice(device, file, DiffOrder::DeviceToFile);
    if (row.outcome != Outcome::Differs)
        return row;
    std::printf("%s%d (%s)%s:\n", tool_text::kTextDevice, file.address, Shown(file.path).c_str(),
                tool_text::kTextDeviceToFile);
    for (const std::string& line : row.differences)
        std::printf("       %s\n", line.c_str());
    std::fflush(stdout);
    if (o.dryRun)
        return row;
    return WriteDeviceFile(device, file, o.confirm);
}

int Restore(const ToolOptions& o) {
    const auto files = Files(o, true);
    if (!files)
        return kExitUsage;
    ToolDevice device;
    if (!o.dryRun) {
        device.checkPassword(ObtainPassword());
        if (device.messages.failures() != 0 || !device.mayWrite())
            return kExitFound;
    }
    if (!device.open(o))
        return kExitUsage;
    const auto rows = ForEach<DeviceFile>(
        *files, [&](const DeviceFile& file) { return Restore(device, file, o); });
    std::vector<DeviceRow> shown = rows;
    // The differences were printed before each write.
    for (DeviceRow& row : shown)
        row.differences.clear();
    std::printf("%s", ReportTable(shown).c_str());
    return WorstStatus(rows);
}

} // namespace

int RunDirectoryCommand(const ToolOptions& o) {
    if (o.command == "backup")
        return Backup(o);
    if (o.command == "restore")
        return Restore(o);
    return o.dir.empty() ? VerifyOne(o) : VerifyDirectory(o);
}
