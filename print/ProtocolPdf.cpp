#include "print/ProtocolPdf.h"

#include "line/ConfigFiles.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"
#include "print/PrintTexts.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>

namespace {

// Small enough, with narrow margins, for twenty busy steps and more on a page.
constexpr qreal kProtocolPointSize = 8;
constexpr qreal kMarginMm = 12;

// Laid out on the device's own page, in its own resolution.
void Print(const std::vector<AcceptanceProtocol>& protocols, QPagedPaintDevice& device) {
    device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QFont font = document.defaultFont();
    font.setPointSizeF(kProtocolPointSize);
    document.setDefaultFont(font);
    document.setHtml(ProtocolHtml(protocols));
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(0);
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(QSizeF(device.width(), device.height()));
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
