#include "editor/TextField.h"

#include "ui/Windows1251.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

constexpr char kUnknownCharacter = '?';

bool isControl(QChar c) {
    return c.unicode() < 0x20;
}

// The text in the code page, one byte a character, or nothing when the code
// page lacks one of its characters.
std::optional<QByteArray> toCodePage(QStringView text) {
    QByteArray bytes;
    for (const QChar c : text) {
        const auto byte = UnicodeToWindows1251(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

} // namespace

bool IsValidName(const QString& name) {
    return name.size() <= kNameMaxLength && std::none_of(name.begin(), name.end(), isControl) &&
           toCodePage(name).has_value();
}

QByteArray EncodeTextField(const QString& name) {
    if (name.isEmpty())
        return QByteArray(kTextFieldSize, ' ');
    const QStringView text = QStringView(name).left(kNameMaxLength);
    QByteArray field;
    if (const auto whole = toCodePage(text)) {
        field = *whole;
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            field += toCodePage(text.mid(i, 1)).value_or(QByteArray(1, kUnknownCharacter));
    }
    if (field.size() < kTextFieldSize)
        field += '\0';
    field.resize(kTextFieldSize, ' ');
    return field;
}

QString DecodeTextField(const char* field) {
    const void* nul = std::memchr(field, '\0', kTextFieldSize);
    const qsizetype length = nul ? static_cast<const char*>(nul) - field : kTextFieldSize;
    QString text;
    for (qsizetype i = 0; i < length; ++i)
        text += QChar(Windows1251ToUnicode(static_cast<unsigned char>(field[i])));
    return text;
}
