#include "line/FilePaths.h"

#include "line/LineTexts.h"

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

bool IsControl(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", value);
    return text;
}

} // namespace

std::size_t Utf8Sequence(const std::string& text, std::size_t at, char32_t& point) {
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
        if ((length = Utf8Sequence(text, at, point)) == 0)
            return false;
    return true;
}

std::string Shown(const std::string& bytes) {
    std::string shown;
    char32_t point = 0;
    for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
        length = Utf8Sequence(bytes, at, point);
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
        error = line_text::kTextNameNotUtf8;
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
        error = line_text::kTextNameNotUtf8;
        return false;
    }
    if (QDir().mkpath(QString::fromStdString(path)))
        return true;
    error = std::strerror(errno);
    return false;
}

bool SaveSchemeAt(const std::string& path, const SchemeFileData& data, std::string& error) {
    if (!IsUtf8(path)) {
        error = line_text::kTextNameNotUtf8;
        return false;
    }
    QString reason;
    if (WriteSchemeFile(QString::fromStdString(path), data, reason))
        return true;
    error = reason.toStdString();
    return false;
}
