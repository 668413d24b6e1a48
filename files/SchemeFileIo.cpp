#include "files/SchemeFile.h"

#include "model/ConfigurationModel.h"

#include "files/FileTexts.h"
#include "ui/WholeFile.h"
#include <QFile>

using namespace file_text;

namespace {

// The largest well-formed file; anything longer is refused unread.
constexpr qint64 kLargestSchemeFile = SchemeFileSize(kChannelSlots);

} // namespace

bool WriteSchemeFile(const QString& path, const SchemeFileData& data, QString& error) {
    const auto channels = ChannelCountOfCode(data.execFirst, data.execSecond);
    if (!channels || static_cast<int>(data.channelNames.size()) != *channels) {
        error = kReasonDataMismatch;
        return false;
    }
    return WriteWholeFile(path, EncodeSchemeFile(data), error);
}

std::optional<SchemeFileData> ReadSchemeFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    // One byte more than any good file, so that an overlong one is still seen.
    const QByteArray bytes = file.read(kLargestSchemeFile + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    return DecodeSchemeFile(bytes, error);
}
