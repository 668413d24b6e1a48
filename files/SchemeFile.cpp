#include "files/SchemeFile.h"

#include "editor/TextField.h"
#include "files/FileTexts.h"
#include "model/ConfigurationModel.h"
#include "ui/Messages.h"

using namespace file_text;

namespace {

// The layout computation never shows a message; it only needs a seam to exist.
class NoMessages : public Messages {
public:
    Answer show(const MessageBox& box) override { return box.defaultButton; }
    void beep() override {}
};

QString codeText(int first, int second) {
    return QString("%1-%2").arg(first, 2, 10, QChar('0')).arg(second, 2, 10, QChar('0'));
}

} // namespace

std::optional<int> ChannelCountOfCode(int first, int second) {
    if (!ConfigurationModel::IsValidExecCode(first, second))
        return std::nullopt;
    NoMessages silent;
    ConfigurationModel layout(silent);
    layout.ExecFirst = first;
    layout.ExecSecond = second;
    layout.ComputeLayout();
    return layout.ChannelCount;
}

QByteArray EncodeSchemeFile(const SchemeFileData& data) {
    QByteArray bytes;
    bytes.reserve(SchemeFileSize(static_cast<int>(data.channelNames.size())));
    bytes += '\0';
    bytes += static_cast<char>(data.execFirst & 0xFF);
    bytes += static_cast<char>(data.execSecond & 0xFF);
    bytes += static_cast<char>(data.deviceByte);
    bytes.append(reinterpret_cast<const char*>(data.image.data()), kSchemeImageSize);
    for (const QString& name : data.channelNames)
        bytes += EncodeTextField(name);
    for (const QString& name : data.outputNames)
        bytes += EncodeTextField(name);
    return bytes;
}

std::optional<SchemeFileData> DecodeSchemeFile(const QByteArray& bytes, QString& error) {
    if (bytes.size() < kSchemeHeaderSize) {
        error = QString(kReasonNotScheme).arg(bytes.size());
        return std::nullopt;
    }
    const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    SchemeFileData data;
    data.execFirst = raw[1];
    data.execSecond = raw[2];
    data.deviceByte = raw[3];
    const auto channels = ChannelCountOfCode(data.execFirst, data.execSecond);
    if (!channels) {
        error = QString(kReasonUnknownCode).arg(codeText(data.execFirst, data.execSecond));
        return std::nullopt;
    }
    const int expected = SchemeFileSize(*channels);
    if (bytes.size() != expected) {
        error = QString(kReasonLength)
                    .arg(bytes.size())
                    .arg(codeText(data.execFirst, data.execSecond))
                    .arg(expected);
        return std::nullopt;
    }
    const std::uint8_t* image = raw + kSchemeHeaderSize;
    std::copy(image, image + kSchemeImageSize, data.image.begin());
    const char* field = bytes.constData() + kSchemeHeaderSize + kSchemeImageSize;
    for (int i = 0; i < *channels; ++i, field += kTextFieldSize)
        data.channelNames.push_back(DecodeTextField(field));
    for (QString& name : data.outputNames) {
        name = DecodeTextField(field);
        field += kTextFieldSize;
    }
    return data;
}
