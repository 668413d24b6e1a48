#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// vil3k-tool as a child process, run to its end in a directory of its own (the
// password file is looked for in the current directory).
struct ToolResult {
    int status = -1;
    QString out;
    QString err;
    QStringList errLines() const { return err.split('\n', Qt::SkipEmptyParts); }
};

class ToolRunner {
public:
    // Unset: no password in the environment and none typed (standard input is
    // no terminal), so the tool runs with read-only access.
    ToolResult run(const QStringList& arguments, const QString& password = {},
                   const QString& ports = {}) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("VIL3K_PASSWORD");
        environment.remove("VIL3K_PORTS");
        if (!password.isNull())
            environment.insert("VIL3K_PASSWORD", password);
        if (!ports.isNull())
            environment.insert("VIL3K_PORTS", ports);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(VIL3K_TOOL_PATH, arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

inline QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}
