#pragma once

#include "link/PortSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

// What the programmer keeps between runs, in the user's settings store: the
// port and exchange settings of the last successful port command, the main
// window's geometry, the folder of the scheme files, the recent files and the
// options of the commands.
class ProgramSettings {
public:
    static constexpr int kRecentFileCount = 8;

    explicit ProgramSettings(QSettings& store) : store_(store) {}

    // None before the first successful port command.
    std::optional<SavedPortSettings> port() const;
    void setPort(const SavedPortSettings& port);

    QByteArray geometry() const;
    void setGeometry(const QByteArray& geometry);

    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // Newest first, at most kRecentFileCount.
    QStringList recentFiles() const;
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    // Whether "Вывод на СОМ-порт" shows the differences with the device
    // first; off until switched on.
    bool compareBeforeWrite() const;
    void setCompareBeforeWrite(bool on);

    // The line window: its backup folder, address range and geometry.
    struct LineWindowPlace {
        QString folder;
        int first = 1;
        int last = 31;
        QByteArray geometry;
    };
    LineWindowPlace lineWindow() const;
    void setLineWindow(const LineWindowPlace& place);

    // Everything forgotten: the next run starts from the defaults.
    void clear();

private:
    QSettings& store_;
};

// The recent files after path was opened or saved: path first, no name twice,
// the oldest dropped beyond the limit.
QStringList WithRecentFile(QStringList files, const QString& path);
