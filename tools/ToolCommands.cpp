#include "tools/ToolCommands.h"

#include "files/FileTexts.h"
#include "line/ConfigDiff.h"
#include "line/ConfigFields.h"
#include "line/ConfigFiles.h"
#include "line/ConfigListing.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"
#include "model/ConfigurationModel.h"
#include "tools/ToolDevice.h"
#include "tools/ToolPaths.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"

#include <cstdio>

namespace {

int Refuse(const std::string& line) {
    PrintMessage(stderr, line);
    return kExitUsage;
}

int PrintDifferences(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return lines.empty() ? kExitOk : kExitFound;
}

int Dump(const ToolOptions& o) {
    std::string error;
    const auto data = LoadConfiguration(o.files[0], o.codeFirst, o.codeSecond, error);
    if (!data)
        return Refuse(error);
    if (o.json) {
        const QByteArray json = ListingJson(*data);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    } else {
        std::printf("%s", ListingText(*data).c_str());
    }
    return kExitOk;
}

int Diff(const ToolOptions& o) {
    int first = o.codeFirst, second = o.codeSecond;
    std::string error;
    // A bare image takes the code of the scheme file it is compared with.
    for (const std::string& path : o.files) {
        if (first >= 0 || IsBareImage(path))
            continue;
        const auto scheme = LoadConfiguration(path, -1, -1, error);
        if (!scheme)
            return Refuse(error);
        first = scheme->execFirst;
        second = scheme->execSecond;
    }
    const auto a = LoadConfiguration(o.files[0], first, second, error);
    if (!a)
        return Refuse(error);
    const auto b = LoadConfiguration(o.files[1], first, second, error);
    if (!b)
        return Refuse(error);
    return PrintDifferences(DiffConfigurations(*a, *b));
}

std::optional<SchemeFileData> LoadSchemeFile(const std::string& path, std::string& error) {
    return LoadConfiguration(path, -1, -1, error);
}

int Read(const ToolOptions& o) {
    std::string error;
    std::optional<SchemeFileData> names;
    if (!o.names.empty() && !(names = LoadSchemeFile(o.names, error)))
        return Refuse(error);
    if (!CanCreate(o.output, error))
        return Refuse(CannotCreate(o.output, error));
    ToolDevice device;
    if (!device.open(o))
        return kExitUsage;
    if (!device.read(o.address))
        return device.failureStatus();
    SchemeFileData scheme = device.loadedScheme();
    if (names && (names->execFirst != scheme.execFirst || names->execSecond != scheme.execSecond))
        return Refuse("имена из " + Shown(o.names) + " для кода " +
                      CodeText(names->execFirst, names->execSecond) + ", а устройство " +
                      CodeText(scheme.execFirst, scheme.execSecond));
    if (names) {
        scheme.channelNames = names->channelNames;
        scheme.outputNames = names->outputNames;
    }
    // Read, but not saved: not the same as a refusal before anything was sent.
    if (!SaveSchemeAt(o.output, scheme, error)) {
        PrintMessage(stderr, CannotCreate(o.output, error));
        return kExitNotSaved;
    }
    return device.messages.failures() == 0 ? kExitOk : kExitFound;
}

int Write(const ToolOptions& o) {
    std::string error;
    const auto scheme = LoadSchemeForDevice(o.files[0], error);
    if (!scheme)
        return Refuse(error);
    ToolDevice device;
    device.checkPassword(ObtainPassword());
    if (device.messages.failures() != 0)
        return kExitFound;
    if (!device.open(o))
        return kExitUsage;
    const Outcome outcome = device.write(*scheme, o.address, o.confirm);
    if (outcome == Outcome::Written || outcome == Outcome::Confirmed)
        std::printf("%s%s\n",
                    QString(tool_text::kTextWritten)
                        .arg(o.address)
                        .arg((scheme->deviceByte & kDeviceNumberBits) + 1)
                        .toStdString()
                        .c_str(),
                    outcome == Outcome::Confirmed ? tool_text::kTextConfirmed : "");
    return static_cast<int>(SeverityOf(outcome));
}

} // namespace

int RunToolCommand(const ToolOptions& o) {
    if (o.command == "dump")
        return Dump(o);
    if (o.command == "diff")
        return Diff(o);
    if (o.command == "read")
        return Read(o);
    if (o.command == "write")
        return Write(o);
    if (o.command == "matrix")
        return RunMatrixCommand(o);
    if (o.command == "protocol")
        return RunProtocolCommand(o);
    if (o.command == "scan" || o.command == "clock")
        return RunLineCommand(o);
    return RunDirectoryCommand(o);
}
