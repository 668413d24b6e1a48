#include "app/ProgramSettings.h"

#include <QDir>
#include <QSettings>

namespace {

const char* const kPortName = "port/name";
const char* const kBaudRate = "port/baudRate";
const char* const kParity = "port/parity";
const char* const kStopBits = "port/stopBits";
const char* const kHeaderRetries = "exchange/headerRetries";
const char* const kBodyRetries = "exchange/bodyRetries";
const char* const kSendDelay = "exchange/sendDelay";
const char* const kReceiveDelay = "exchange/receiveDelay";
const char* const kGeometry = "window/geometry";
const char* const kLastFolder = "files/lastFolder";
const char* const kRecentFiles = "files/recent";
const char* const kCompareBeforeWrite = "options/compareBeforeWrite";
const char* const kLineFolder = "line/folder";
const char* const kLineFirst = "line/first";
const char* const kLineLast = "line/last";
const char* const kLineGeometry = "line/geometry";

// One spelling of a path, as the operator's system writes it.
QString Cleaned(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace

std::optional<SavedPortSettings> ProgramSettings::port() const {
    if (!store_.contains(kPortName))
        return std::nullopt;
    const SavedPortSettings defaults;
    auto text = [this](const char* key) { return store_.value(key).toString().toStdString(); };
    auto number = [this](const char* key, int fallback) {
        bool ok = false;
        const int value = store_.value(key).toInt(&ok);
        return ok ? value : fallback;
    };
    return SavedPortSettings{text(kPortName),
                             text(kBaudRate),
                             text(kParity),
                             text(kStopBits),
                             number(kHeaderRetries, defaults.headerRetries),
                             number(kBodyRetries, defaults.bodyRetries),
                             number(kSendDelay, defaults.sendDelay),
                             number(kReceiveDelay, defaults.receiveDelay)};
}

void ProgramSettings::setPort(const SavedPortSettings& port) {
    store_.setValue(kPortName, QString::fromStdString(port.portName));
    store_.setValue(kBaudRate, QString::fromStdString(port.baudRate));
    store_.setValue(kParity, QString::fromStdString(port.parity));
    store_.setValue(kStopBits, QString::fromStdString(port.stopBits));
    store_.setValue(kHeaderRetries, port.headerRetries);
    store_.setValue(kBodyRetries, port.bodyRetries);
    store_.setValue(kSendDelay, port.sendDelay);
    store_.setValue(kReceiveDelay, port.receiveDelay);
}

QByteArray ProgramSettings::geometry() const {
    return store_.value(kGeometry).toByteArray();
}

void ProgramSettings::setGeometry(const QByteArray& geometry) {
    store_.setValue(kGeometry, geometry);
}

QString ProgramSettings::lastFolder() const {
    return store_.value(kLastFolder).toString();
}

void ProgramSettings::setLastFolder(const QString& folder) {
    store_.setValue(kLastFolder, folder);
}

bool ProgramSettings::compareBeforeWrite() const {
    return store_.value(kCompareBeforeWrite, false).toBool();
}

void ProgramSettings::setCompareBeforeWrite(bool on) {
    store_.setValue(kCompareBeforeWrite, on);
}

QStringList ProgramSettings::recentFiles() const {
    return store_.value(kRecentFiles).toStringList().mid(0, kRecentFileCount);
}

void ProgramSettings::addRecentFile(const QString& path) {
    store_.setValue(kRecentFiles, WithRecentFile(recentFiles(), path));
}

void ProgramSettings::removeRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(Cleaned(path));
    store_.setValue(kRecentFiles, files);
}

void ProgramSettings::clear() {
    store_.clear();
}

QStringList WithRecentFile(QStringList files, const QString& path) {
    const QString clean = Cleaned(path);
    files.removeAll(clean);
    files.prepend(clean);
    return files.mid(0, ProgramSettings::kRecentFileCount);
}

ProgramSettings::LineWindowPlace ProgramSettings::lineWindow() const {
    const LineWindowPlace defaults;
    const auto address = [this](const char* key, int fallback) {
        bool ok = false;
        const int value = store_.value(key).toInt(&ok);
        return ok && value >= 1 && value <= 31 ? value : fallback;
    };
    return {store_.value(kLineFolder).toString(), address(kLineFirst, defaults.first),
            address(kLineLast, defaults.last), store_.value(kLineGeometry).toByteArray()};
}

void ProgramSettings::setLineWindow(const LineWindowPlace& place) {
    store_.setValue(kLineFolder, place.folder);
    store_.setValue(kLineFirst, place.first);
    store_.setValue(kLineLast, place.last);
    store_.setValue(kLineGeometry, place.geometry);
}
