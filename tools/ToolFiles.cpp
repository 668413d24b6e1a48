#include "tools/ToolFiles.h"

#include "files/FileTexts.h"
#include "model/TProgVilClass.h"

#include <QFile>

namespace {

std::optional<QByteArray> ReadAll(const std::string& path, std::string& error) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = std::string(file_text::kTextOpenFailed) + ": " + path + ": " +
                file.errorString().toStdString();
        return std::nullopt;
    }
    return file.read(SchemeFileSize(kChannelSlots) + 1);
}

bool IsImageSize(qsizetype size) {
    return size == kImageSize || size == kImageSize + 1;
}

} // namespace

bool IsBareImage(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return IsImageSize(file.size());
}

std::optional<SchemeFileData> LoadConfiguration(const std::string& path, int codeFirst,
                                                int codeSecond, std::string& error) {
    const auto bytes = ReadAll(path, error);
    if (!bytes)
        return std::nullopt;
    const std::string refused = std::string(file_text::kTextOpenFailed) + ": " + path + ": ";
    if (!IsImageSize(bytes->size())) {
        QString reason;
        auto data = DecodeSchemeFile(*bytes, reason);
        if (!data)
            error = refused + reason.toStdString();
        return data;
    }
    if (!TProgVilClass::IsValidExecCode(codeFirst, codeSecond)) {
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
