#include "line/DeviceFiles.h"

#include "line/ConfigDiff.h"
#include "line/ConfigFields.h"
#include "line/ConfigFiles.h"
#include "line/FilePaths.h"
#include "line/LineSession.h"
#include "line/LineTexts.h"
#include "ui/UiTexts.h"

#include <cstdio>

namespace {

// The last message given while the step ran, if any.
std::string ReasonSince(const LineSession& session, int failuresBefore) {
    return session.messages.failures() != failuresBefore ? session.messages.lastFailure()
                                                         : std::string();
}

} // namespace

std::string DevicePath(const std::string& dir, int address) {
    char name[24];
    std::snprintf(name, sizeof name, "/device-%02d.vil", address);
    return dir + name;
}

std::string CannotCreate(const std::string& path, const std::string& reason) {
    return std::string(ui_text::kTextCannotCreateFile) + ": " + Shown(path) + ": " + reason;
}

std::optional<std::vector<DeviceFile>> LoadDeviceFiles(const std::string& dir, int first, int last,
                                                       bool forWriting, std::string& error) {
    std::vector<DeviceFile> files;
    for (int address = first; address <= last; ++address) {
        const std::string path = DevicePath(dir, address);
        if (!FileExists(path))
            continue;
        auto scheme =
            forWriting ? LoadSchemeForDevice(path, error) : LoadConfiguration(path, -1, -1, error);
        if (!scheme)
            return std::nullopt;
        files.push_back({address, path, std::move(*scheme)});
    }
    if (files.empty()) {
        error = line_text::kTextNoFiles + Shown(dir);
        return std::nullopt;
    }
    return files;
}

bool PrepareBackup(const std::string& dir, int first, int last, bool force, std::string& error) {
    std::string reason;
    if (!MakeDirectory(dir, reason)) {
        error = CannotCreate(dir, reason);
        return false;
    }
    for (int address = first; address <= last; ++address) {
        const std::string path = DevicePath(dir, address);
        if ((force || !FileExists(path)) && !CanCreate(path, reason)) {
            error = CannotCreate(path, reason);
            return false;
        }
    }
    return true;
}

DeviceRow BackUpDevice(LineSession& session, const SurveyRow& found, const std::string& dir,
                       bool force) {
    DeviceRow row{found.address, Outcome::Absent, "", "", "", {}};
    if (found.coded())
        row.code = CodeText(found.first, found.second);
    if (!found.heard())
        return row;
    row.file = DevicePath(dir, found.address);
    if (!force && FileExists(row.file)) {
        row.outcome = Outcome::Kept;
        return row;
    }
    const int failuresBefore = session.messages.failures();
    const bool loaded = session.read(found.address).has_value();
    row.reason = ReasonSince(session, failuresBefore);
    if (!loaded) {
        row.outcome = session.failure();
        return row;
    }
    const SchemeFileData scheme = session.loadedScheme();
    row.code = CodeText(scheme.execFirst, scheme.execSecond);
    std::string error;
    if (!SaveSchemeAt(row.file, scheme, error)) {
        row.outcome = Outcome::NotSaved;
        row.reason = CannotCreate(row.file, error);
        session.messages.show(
            {row.reason, ui_text::kCaptionError, MessageIcon::Error, MessageButtons::Ok});
        return row;
    }
    row.outcome = Outcome::Saved;
    return row;
}

DeviceRow VerifyDevice(LineSession& session, const DeviceFile& file) {
    DeviceRow row{file.address, Outcome::Same, "", file.path, "", {}};
    const int failuresBefore = session.messages.failures();
    const auto fromDevice = session.read(file.address);
    row.reason = ReasonSince(session, failuresBefore);
    if (!fromDevice) {
        row.outcome = session.failure();
        return row;
    }
    row.code = CodeText(fromDevice->execFirst, fromDevice->execSecond);
    row.differences = DiffConfigurations(file.scheme, *fromDevice);
    if (!row.differences.empty())
        row.outcome = Outcome::Differs;
    return row;
}

DeviceRow WriteDeviceFile(LineSession& session, const DeviceFile& file, bool confirm) {
    DeviceRow row{file.address, Outcome::Written, "", file.path, "", {}};
    row.code = CodeText(file.scheme.execFirst, file.scheme.execSecond);
    const int failuresBefore = session.messages.failures();
    row.outcome = session.write(file.scheme, file.address, confirm);
    row.reason = ReasonSince(session, failuresBefore);
    return row;
}
