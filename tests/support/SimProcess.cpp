#include "tests/support/SimProcess.h"

#include <QCoreApplication>
#include <QFile>

SimProcess::SimProcess(const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(executable(), arguments);
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    ptyPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimProcess::~SimProcess() {
    stop();
}

void SimProcess::exposeAs(const QString& comName) const {
    qputenv("VIL3K_PORTS", (comName + "=" + ptyPath_).toLocal8Bit());
}

void SimProcess::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

std::vector<std::uint8_t> SimProcess::readDump(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

QString SimProcess::executable() {
    const QString fromEnvironment = qEnvironmentVariable("VIL3K_SIM");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return VIL3K_SIM_PATH;
}
