#include "line/ConfigFiles.h"

#include "files/FileTexts.h"
#include "line/FilePaths.h"
#include "model/ConfigurationModel.h"

#include <QFile>

namespace {

std::string Refused(const std::string& path) {
    return std::string(file_text::kTextOpenFailed) + ": " + Shown(path) + ": ";
}

std::optional<QByteArray> ReadAll(const std::string& path, std::string& error) {
    QFile file;
    std::string reason;
    if (!OpenForReading(file, path, reason)) {
        error = Refused(path) + reason;
        return std::nullopt;
    }
    return file.read(SchemeFileSize(kChannelSlots) + 1);
}

bool IsImageSize(qsizetype size) {
    return size == kImageSize || size == kImageSize + 1;
}

} // namespace

bool IsBareImage(const std::string& path) {
    QFile file;
    std::string error;
    return OpenForReading(file, path, error) && IsImageSize(file.size());
}

std::optional<SchemeFileData> LoadConfiguration(const std::string& path, int codeFirst,
                                                int codeSecond, std::string& error) {
    const auto bytes = ReadAll(path, error);
    if (!bytes)
        return std::nullopt;
    const std::string refused = Refused(path);
    if (!IsImageSize(bytes->size())) {
        QString reason;
        auto data = DecodeSchemeFile(*bytes, reason);
        if (!data)
            error = refused + reason.toStdString();
        return data;
    }
    if (!ConfigurationModel::IsValidExecCode(codeFirst, codeSecond)) {
        error = refused + "образ устройства без кода исполнения: укажите --code";
        return std::nullopt;
    }
    SchemeFileData data;
    data.execFirst = codeFirst;
    data.execSecond = codeSecond;
    std::copy_n(bytes->begin(), kImageSize, data.image.begin());
    data.deviceByte = data.image[kDeviceByteOffset];
    return data;
}

std::optional<SchemeFileData> LoadSchemeForDevice(const std::string& path, std::string& error) {
    auto scheme = LoadConfiguration(path, -1, -1, error);
    if (!scheme)
        return std::nullopt;
    const int number = (scheme->deviceByte & kDeviceNumberBits) + 1;
    if (number <= kDeviceNumberLimit)
        return scheme;
    error =
        Refused(path) +
        QString(file_text::kReasonDeviceNumber).arg(number).arg(kDeviceNumberLimit).toStdString();
    return std::nullopt;
}
