// matrix and protocol: cause and effect of scheme files, for people, for
// spreadsheets and for the acceptance test.
#include "line/ConfigFiles.h"
#include "line/DeviceFiles.h"
#include "line/FilePaths.h"
#include "line/LineTexts.h"
#include "print/CauseEffectTable.h"
#include "print/ProtocolPdf.h"
#include "tools/ConsoleSeams.h"
#include "tools/ToolCommands.h"
#include "tools/ToolPaths.h"
#include "ui/WholeFile.h"

#include <QDate>

#include <cstdio>

namespace {

int Refuse(const std::string& line) {
    PrintMessage(stderr, line);
    return kExitUsage;
}

bool WriteOutput(const std::string& path, const QByteArray& bytes, std::string& error) {
    if (!IsUtf8(path)) {
        error = line_text::kTextNameNotUtf8;
        return false;
    }
    QString reason;
    if (WriteWholeFile(QString::fromStdString(path), bytes, reason))
        return true;
    error = reason.toStdString();
    return false;
}

// The schemes the command names: its files, or every device file of --dir.
bool LoadProtocols(const ToolOptions& o, std::vector<AcceptanceProtocol>& protocols,
                   std::string& error) {
    const std::string date = QDate::currentDate().toString("dd.MM.yyyy").toStdString();
    if (!o.dir.empty()) {
        const auto files = LoadDeviceFiles(o.dir, 1, 31, false, error);
        if (!files)
            return false;
        for (const DeviceFile& file : *files)
            protocols.push_back(BuildProtocol(file.scheme, date, Shown(file.path)));
        return true;
    }
    for (const std::string& path : o.files) {
        const auto scheme = LoadConfiguration(path, -1, -1, error);
        if (!scheme)
            return false;
        protocols.push_back(BuildProtocol(*scheme, date, Shown(path)));
    }
    return true;
}

} // namespace

int RunMatrixCommand(const ToolOptions& o) {
    std::string error;
    const auto scheme = LoadConfiguration(o.files[0], -1, -1, error);
    if (!scheme)
        return Refuse(error);
    const CauseEffectMatrix matrix = BuildCauseEffectMatrix(*scheme);
    if (o.csv) {
        const QByteArray csv = CsvText(MatrixGrid(matrix));
        std::fwrite(csv.constData(), 1, static_cast<std::size_t>(csv.size()), stdout);
    } else {
        std::printf("%s", MatrixListing(matrix).c_str());
    }
    return kExitOk;
}

int RunProtocolCommand(const ToolOptions& o) {
    std::vector<AcceptanceProtocol> protocols;
    std::string error;
    if (!LoadProtocols(o, protocols, error))
        return Refuse(error);
    const QByteArray bytes = o.csv ? CsvText(ProtocolGrid(protocols)) : ProtocolPdf(protocols);
    if (!WriteOutput(o.output, bytes, error))
        return Refuse(CannotCreate(o.output, error));
    return kExitOk;
}
