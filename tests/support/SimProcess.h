#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// vil3k-sim ($VIL3K_SIM, else the one this build made) as a child process for end-to-end tests. It
// starts in the constructor; ptyPath() is empty when it did not come up.
// The process is stopped (SIGTERM) by stop() or the destructor.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const QString& ptyPath() const { return ptyPath_; }
    // Puts the simulator into the port list under this name (VIL3K_PORTS).
    void exposeAs(const QString& comName) const;
    void stop();

    // The file written by --dump: 250 image bytes and the address; empty
    // when there is none yet.
    static std::vector<std::uint8_t> readDump(const QString& path);
    static QString executable();

private:
    QProcess process_;
    QString ptyPath_;
};
