#include "print/ProtocolPdf.h"

#include "line/ConfigFiles.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"
#include "print/PrintTexts.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

// Small enough for twenty steps and more on a page.
constexpr qreal kProtocolPointSize = 9;

void Print(const std::vector<AcceptanceProtocol>& protocols, QPagedPaintDevice& device) {
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(kProtocolPointSize);
    document.setDefaultFont(font);
    document.setHtml(ProtocolHtml(protocols));
    document.print(&device);
}

} // namespace

QByteArray ProtocolPdf(const std::vector<AcceptanceProtocol>& protocols) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(QString::fromUtf8(print_text::kTitleProtocol));
        Print(protocols, writer);
    }
    return bytes;
}

void PrintProtocol(const std::vector<AcceptanceProtocol>& protocols, QPagedPaintDevice& printer) {
    Print(protocols, printer);
}

std::string ProtocolDate(const WallTime& now) {
    return QStringLiteral("%1.%2.%3")
        .arg(now.day, 2, 10, QLatin1Char('0'))
        .arg(now.month, 2, 10, QLatin1Char('0'))
        .arg(now.year)
        .toStdString();
}

QByteArray BackupProtocolsPdf(const QString& dir, const std::vector<int>& addresses,
                              const WallTime& now) {
    std::vector<AcceptanceProtocol> protocols;
    for (const int address : addresses) {
        const std::string path = DevicePath(dir.toStdString(), address);
        std::string error;
        if (!FileExists(path))
            continue;
        if (const auto scheme = LoadConfiguration(path, -1, -1, error))
            protocols.push_back(BuildProtocol(*scheme, ProtocolDate(now), Shown(path)));
    }
    return protocols.empty() ? QByteArray() : ProtocolPdf(protocols);
}
