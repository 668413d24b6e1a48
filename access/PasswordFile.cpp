#include "access/PasswordFile.h"

#include "access/AccessTexts.h"
#include "ui/WholeFile.h"

#include <QFile>

using namespace access_text;

std::optional<std::uint16_t> ReadPasswordFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    unsigned char bytes[2] = {0, 0};
    // A short read leaves the missing bytes zero.
    if (file.read(reinterpret_cast<char*>(bytes), sizeof bytes) < 0)
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::optional<std::uint16_t> ReadPasswordFile() {
    return ReadPasswordFile(QString::fromUtf8(access_text::kPasswordFileName));
}

bool WritePasswordFile(std::uint16_t password, const QString& path) {
    const char bytes[2] = {static_cast<char>(password & 0xFF), static_cast<char>(password >> 8)};
    QString error;
    return WriteWholeFile(path, QByteArray(bytes, sizeof bytes), error);
}

bool WritePasswordFile(std::uint16_t password) {
    return WritePasswordFile(password, QString::fromUtf8(access_text::kPasswordFileName));
}

std::string ExpectedPasswordText() {
    if (const auto stored = ReadPasswordFile())
        return std::to_string(*stored);
    return access_text::kDefaultPassword;
}
