#include "files/SchemeFileCommands.h"

#include "editor/TextField.h"
#include "files/FileTexts.h"
#include "ui/UiTexts.h"

using namespace file_text;
using namespace ui_text;

namespace {

const char* const kSchemeExtension = ".vil";

// The extension of the path's last component with its dot; empty when it has none.
std::string extensionOf(const std::string& path) {
    const auto nameStart = path.find_last_of("/\\");
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return {};
    return path.substr(dot);
}

MessageBox warning(const std::string& text, const char* caption) {
    return MessageBox{text, caption, MessageIcon::Warning};
}

} // namespace

bool SchemeFileCommands::OpenScheme() {
    window_.scrollSchemeToTop();
    model_.Repaired = 0;
    const auto path = dialogs_.askOpenPath();
    return path && open(*path);
}

bool SchemeFileCommands::OpenSchemeFile(const std::string& path) {
    window_.scrollSchemeToTop();
    model_.Repaired = 0;
    return open(path);
}

bool SchemeFileCommands::open(const std::string& path) {
    const auto data = readFile(path);
    if (!data)
        return false;
    fileName_ = path;
    loadScheme(*data);
    window_.scrollSchemeToTop();
    window_.focusScheme();
    window_.setTimeDateEnabled(true);
    return true;
}

// Everything that can refuse the file is checked here, before the scheme is
// touched.
std::optional<SchemeFileData> SchemeFileCommands::readFile(const std::string& path) {
    QString reason;
    auto data = ReadSchemeFile(QString::fromStdString(path), reason);
    if (!data) {
        refuseFile(path, reason);
        return std::nullopt;
    }
    if ((data->deviceByte & kDeviceNumberBits) >= kDeviceNumberLimit) {
        refuseFile(path, QString(kReasonDeviceNumber)
                             .arg((data->deviceByte & kDeviceNumberBits) + 1)
                             .arg(kDeviceNumberLimit));
        return std::nullopt;
    }
    return data;
}

void SchemeFileCommands::refuseFile(const std::string& path, const QString& reason) {
    const std::string text =
        std::string(kTextOpenFailed) + "\n" + path + "\n" + reason.toStdString();
    messages_.show(warning(text, kCaptionOpen));
}

void SchemeFileCommands::loadScheme(const SchemeFileData& data) {
    SchemeNames names{data.channelNames, data.outputNames};
    session_.LoadScheme(data.execFirst, data.execSecond, data.image, data.deviceByte, fileCaption(),
                        &names);
}

std::string SchemeFileCommands::fileCaption() const {
    return kCaptionFilePrefix + fileName_;
}

void SchemeFileCommands::showFileCaption() {
    window_.setCaption(fileCaption());
}

bool SchemeFileCommands::SaveScheme() {
    if (!model_.canWrite()) {
        messages_.show(warning(kTextNoWriteAccess, kCaptionWarning));
        return false;
    }
    if (model_.SchemeCreated == 0) {
        if (session_.creation.PromptCreateScheme())
            window_.requestExit();
        return false;
    }
    if (model_.CheckExecCode(&window_.firstCodeField(), &window_.secondCodeField()))
        return false;
    model_.ComputeLayout();
    // A name still being edited is finished before the names are collected.
    window_.focusFirstControl();
    if (model_.Modified == 0 && !confirmUnchanged())
        return false;
    model_.SetDeviceByte(MakeDeviceByte(model_.DeviceNumberIndex, window_.externalAckDown()));
    SchemeFileData data = collectScheme();
    const auto path = askTargetPath();
    if (!path) {
        window_.focusScheme();
        return false;
    }
    model_.PackImage();
    std::copy(model_.ImageBuffer.begin(), model_.ImageBuffer.end(), data.image.begin());
    data.deviceByte = model_.GetDeviceByte();
    // Written beside the old file and renamed over it only when complete.
    QString error;
    if (!WriteSchemeFile(QString::fromStdString(*path), data, error)) {
        messages_.show(warning(kTextCannotCreateFile, kCaptionCreate));
        window_.focusScheme();
        return false;
    }
    model_.Modified = 0;
    fileName_ = *path;
    showFileCaption();
    window_.focusScheme();
    return true;
}

bool SchemeFileCommands::confirmUnchanged() {
    const MessageBox question{kTextUnchangedSave, kCaptionConfirmSave, MessageIcon::Question,
                              MessageButtons::YesNo, Answer::No};
    return messages_.show(question) == Answer::Yes;
}

// Code and names as they stand; the image is added once a file is chosen.
SchemeFileData SchemeFileCommands::collectScheme() {
    SchemeFileData data;
    data.execFirst = model_.ExecFirst & 0xFF;
    data.execSecond = model_.ExecSecond & 0xFF;
    const QString tenSpaces(kNameMaxLength, QChar(' '));
    for (int i = 0; i < model_.ChannelCount; ++i) {
        QString& caption = view_.at(Family::InputName, model_.SlotOfImageIndex(i)).caption;
        if (caption == "(null)")
            caption = tenSpaces;
        data.channelNames.push_back(caption);
    }
    for (int j = 0; j < kOutputLines; ++j)
        data.outputNames[j] = view_.at(Family::OutputName, j).caption;
    return data;
}

// Asks until the name has the scheme extension or none (which gets it added).
std::optional<std::string> SchemeFileCommands::askTargetPath() {
    while (const auto path = dialogs_.askSavePath()) {
        const std::string extension = extensionOf(*path);
        if (extension.empty())
            return *path + kSchemeExtension;
        if (extension == kSchemeExtension)
            return path;
        messages_.show(warning(kTextBadName, kCaptionBadName));
    }
    return std::nullopt;
}
