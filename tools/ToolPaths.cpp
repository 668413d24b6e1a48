#include "tools/ToolPaths.h"

#include "line/FilePaths.h"

#include <QCoreApplication>

namespace {

constexpr char32_t kByteCarrier = 0xF700;
constexpr char32_t kFirstCarried = kByteCarrier + 0x80;
constexpr char32_t kLastCarried = kByteCarrier + 0xFF;

QString CarriedText(const std::string& bytes) {
    QString text;
    char32_t point = 0;
    for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
        length = Utf8Sequence(bytes, at, point);
        if (length == 0 || (point >= kFirstCarried && point <= kLastCarried)) {
            // Carried byte by byte; the next bytes are looked at afresh.
            length = 1;
            point = kByteCarrier + static_cast<unsigned char>(bytes[at]);
        }
        text += QString::fromUcs4(&point, 1);
    }
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
