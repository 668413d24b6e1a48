// backup, verify and restore: devices against their files, one device-NN.vil
// per address in a directory.

#include "tools/ConfigDiff.h"
#include "tools/ConfigFields.h"
#include "tools/LineReports.h"
#include "tools/ToolCommands.h"
#include "tools/ToolDevice.h"
#include "tools/ToolFiles.h"
#include "tools/ToolPaths.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"

#include <cstdio>
#include <functional>

using namespace tool_text;

namespace {

struct DeviceFile {
    int address = 0;
    std::string path;
    SchemeFileData scheme;
};

int Refuse(const std::string& line) {
    PrintMessage(stderr, line);
    return kExitUsage;
}

std::string CannotCreate(const std::string& path, const std::string& reason) {
    return std::string(ui_text::kTextCannotCreateFile) + ": " + Shown(path) + ": " + reason;
}

std::string DevicePath(const std::string& dir, int address) {
    char name[24];
    std::snprintf(name, sizeof name, "/device-%02d.vil", address);
    return dir + name;
}

void Print(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void PrintReports(const ToolOptions& o, const std::vector<DeviceReport>& reports,
                  const std::string& portName) {
    if (o.json)
        Print(ReportJson(reports, portName));
    else
        std::printf("%s", ReportTable(reports).c_str());
}

// Warnings of a read that still gave a configuration (a repaired image) make
// the run a finding, as a difference does.
int FinalStatus(const std::vector<DeviceReport>& reports, const ToolDevice& device) {
    return WorseStatus(RunStatus(reports), device.messages.failures() > 0 ? kExitFound : kExitOk);
}

// Every device file of the directory within --addresses, each readable; read
// before anything is sent, so that a bad file stops the run at its start.
std::optional<std::vector<DeviceFile>> LoadDirectory(const ToolOptions& o, bool forWriting) {
    std::vector<DeviceFile> files;
    for (int address = o.firstAddress; address <= o.lastAddress; ++address) {
        const std::string path = DevicePath(o.dir, address);
        if (!FileExists(path))
            continue;
        std::string error;
        auto scheme =
            forWriting ? LoadSchemeForDevice(path, error) : LoadConfiguration(path, -1, -1, error);
        if (!scheme) {
            Refuse(error);
            return std::nullopt;
        }
        files.push_back({address, path, std::move(*scheme)});
    }
    if (files.empty()) {
        Refuse(kTextNoFiles + Shown(o.dir));
        return std::nullopt;
    }
    return files;
}

// The device at the file's address read and compared with the file.
DeviceReport Compare(ToolDevice& device, const DeviceFile& file) {
    DeviceReport report{file.address, "", file.path, Outcome::Same, {}};
    const auto fromDevice = device.read(file.address);
    if (!fromDevice) {
        report.outcome =
            device.failureStatus() == kExitNoAnswer ? Outcome::NoAnswer : Outcome::Refused;
        return report;
    }
    report.code = CodeText(fromDevice->execFirst, fromDevice->execSecond);
    report.differences = DiffConfigurations(file.scheme, *fromDevice);
    if (!report.differences.empty())
        report.outcome = Outcome::Differs;
    return report;
}

// The command's step for each device, with the bar moving on a terminal.
std::vector<DeviceReport> ForEach(const std::vector<DeviceFile>& files,
                                  const std::function<DeviceReport(const DeviceFile&)>& step) {
    const auto progress = TerminalProgressBar();
    std::vector<DeviceReport> reports;
    for (const DeviceFile& file : files) {
        reports.push_back(step(file));
        if (progress)
            progress(static_cast<int>(reports.size()), static_cast<int>(files.size()));
    }
    return reports;
}

int VerifyOne(const ToolOptions& o) {
    std::string error;
    const auto scheme = LoadConfiguration(o.files[0], -1, -1, error);
    if (!scheme)
        return Refuse(error);
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const DeviceReport report = Compare(device, {o.address, o.files[0], *scheme});
    if (o.json) {
        Print(ReportJson({report}, device.link.PortName));
    } else {
        for (const std::string& line : report.differences)
            std::printf("%s\n", line.c_str());
    }
    return FinalStatus({report}, device);
}

int VerifyDirectory(const ToolOptions& o) {
    const auto files = LoadDirectory(o, false);
    if (!files)
        return kExitUsage;
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    const auto reports =
        ForEach(*files, [&](const DeviceFile& file) { return Compare(device, file); });
    PrintReports(o, reports, device.link.PortName);
    return FinalStatus(reports, device);
}

// The directory takes a file for every address asked, none replaced unless
// --force says so: all found out before anything is sent.
bool PrepareBackupDirectory(const ToolOptions& o) {
    std::string error;
    if (!MakeDirectory(o.dir, error)) {
        Refuse(CannotCreate(o.dir, error));
        return false;
    }
    for (int address = o.firstAddress; address <= o.lastAddress; ++address) {
        const std::string path = DevicePath(o.dir, address);
        if (!o.force && FileExists(path)) {
            Refuse(kTextFileThere + Shown(path));
            return false;
        }
        if (!CanCreate(path, error)) {
            Refuse(CannotCreate(path, error));
            return false;
        }
    }
    return true;
}

DeviceReport BackUp(ToolDevice& device, const DeviceFile& file) {
    DeviceReport report{file.address, "", file.path, Outcome::Saved, {}};
    if (!device.read(file.address)) {
        report.outcome =
            device.failureStatus() == kExitNoAnswer ? Outcome::NoAnswer : Outcome::Refused;
        return report;
    }
    const SchemeFileData scheme = device.loadedScheme();
    report.code = CodeText(scheme.execFirst, scheme.execSecond);
    std::string error;
    if (!SaveSchemeAt(file.path, scheme, error)) {
        PrintMessage(stderr, CannotCreate(file.path, error));
        report.outcome = Outcome::NotSaved;
    }
    return report;
}

int Backup(const ToolOptions& o) {
    if (!PrepareBackupDirectory(o))
        return kExitUsage;
    std::optional<std::vector<ScanRow>> rows;
    {
        ToolDevice surveyor;
        if (!surveyor.open(o))
            return kExitUsage;
        if (!(rows = SurveyLine(surveyor, o)))
            return kExitNoAnswer;
    }
    // Each device found is read with the window's own retries and time-outs.
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    std::vector<DeviceFile> present;
    for (const ScanRow& row : *rows)
        if (row.answered())
            present.push_back({row.address, DevicePath(o.dir, row.address), {}});
    const auto reports =
        ForEach(present, [&](const DeviceFile& file) { return BackUp(device, file); });
    PrintReports(o, reports, device.link.PortName);
    return FinalStatus(reports, device);
}

DeviceReport Restore(ToolDevice& device, const DeviceFile& file, const ToolOptions& o) {
    DeviceReport report = Compare(device, file);
    if (report.outcome != Outcome::Differs)
        return report;
    // What is about to change, before it changes.
    std::printf("%s%d (%s):\n", kTextDevice, file.address, Shown(file.path).c_str());
    for (const std::string& line : report.differences)
        std::printf("       %s\n", line.c_str());
    std::fflush(stdout);
    report.differences.clear();
    if (!o.dryRun)
        report.outcome = device.write(file.scheme, file.address, o.confirm);
    return report;
}

int Restore(const ToolOptions& o) {
    const auto files = LoadDirectory(o, true);
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
    const auto reports =
        ForEach(*files, [&](const DeviceFile& file) { return Restore(device, file, o); });
    std::printf("%s", ReportTable(reports).c_str());
    return FinalStatus(reports, device);
}

} // namespace

int RunDirectoryCommand(const ToolOptions& o) {
    if (o.command == "backup")
        return Backup(o);
    if (o.command == "restore")
        return Restore(o);
    return o.dir.empty() ? VerifyOne(o) : VerifyDirectory(o);
}
