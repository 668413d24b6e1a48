#include "tools/ToolPaths.h"

#include "tools/ToolTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char32_t kByteCarrier = 0xF700;
constexpr char32_t kFirstCarried = kByteCarrier + 0x80;
constexpr char32_t kLastCarried = kByteCarrier + 0xFF;

// The length of the well-formed UTF-8 sequence at text[at] and its code point;
// 0 for a byte that starts none (stray, overlong, surrogate, beyond U+10FFFF).
std::size_t Sequence(const std::string& text, std::size_t at, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        point = lead;
        return 1;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < kLeast[length] || surrogate || point > 0x10FFFF ? 0 : length;
}

bool IsUtf8(const std::string& text) {
    char32_t point = 0;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length)
        if ((length = Sequence(text, at, point)) == 0)
            return false;
    return true;
}

QString CarriedText(const std::string& bytes) {
    QString text;
    char32_t point = 0;
    for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
        length = Sequence(bytes, at, point);
        if (length == 0 || (point >= kFirstCarried && point <= kLastCarried)) {
            // Carried byte by byte; the next bytes are looked at afresh.
            length = 1;
            point = kByteCarrier + static_cast<unsigned char>(bytes[at]);
        }
        text += QString::fromUcs4(&point, 1);
    }
    return text;
}

bool IsControl(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", value);
    return text;
}

} // namespace

QStringList ToolArguments(int argc, char** argv) {
#ifdef Q_OS_UNIX
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << CarriedText(argv[i]);
    return arguments;
#else
    (void)argc;
    (void)argv;
    return QCoreApplication::arguments().mid(1);
#endif
}

std::string PathBytes(const std::string& argumentText) {
    const QString text = QString::fromStdString(argumentText);
    std::string bytes;
    for (const char32_t point : text.toUcs4()) {
        if (point >= kFirstCarried && point <= kLastCarried)
            bytes += static_cast<char>(point - kByteCarrier);
        else
            bytes += QString::fromUcs4(&point, 1).toStdString();
    }
    return bytes;
}

std::string Shown(const std::string& bytes) {
    std::string shown;
    char32_t point = 0;
    for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
        length = Sequence(bytes, at, point);
        if (length == 0) {
            length = 1;
            shown += Hex(static_cast<unsigned char>(bytes[at]));
        } else if (IsControl(point)) {
            shown += Hex(point);
        } else {
            shown += point == '\\' ? "\\\\" : bytes.substr(at, length);
        }
    }
    return shown;
}

bool OpenForReading(QFile& file, const std::string& path, std::string& error) {
#ifdef Q_OS_UNIX
    const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (handle >= 0 && ::fstat(handle, &status) == 0 && S_ISDIR(status.st_mode))
        errno = EISDIR;
    else if (handle >= 0 && file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    error = std::strerror(errno);
    if (handle >= 0)
        ::close(handle);
    return false;
#else
    file.setFileName(QString::fromStdString(path));
    if (file.open(QIODevice::ReadOnly))
        return true;
    error = file.errorString().toStdString();
    return false;
#endif
}

bool FileExists(const std::string& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
#else
    return QFile::exists(QString::fromStdString(path));
#endif
}

bool CanCreate(const std::string& path, std::string& error) {
    // The writer goes through Qt, which cannot name a file outside UTF-8.
    if (!IsUtf8(path)) {
        error = tool_text::kTextNameNotUtf8;
        return false;
    }
    QSaveFile probe(QString::fromStdString(path));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = probe.errorString().toStdString();
        return false;
    }
    probe.cancelWriting();
    return true;
}

bool MakeDirectory(const std::string& path, std::string& error) {
    if (FileExists(path))
        return true;
    if (!IsUtf8(path)) {
        error = tool_text::kTextNameNotUtf8;
        return false;
    }
    if (QDir().mkpath(QString::fromStdString(path)))
        return true;
    error = std::strerror(errno);
    return false;
}

bool SaveSchemeAt(const std::string& path, const SchemeFileData& data, std::string& error) {
    if (!IsUtf8(path)) {
        error = tool_text::kTextNameNotUtf8;
        return false;
    }
    QString reason;
    if (WriteSchemeFile(QString::fromStdString(path), data, reason))
        return true;
    error = reason.toStdString();
    return false;
}
