#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// A fresh empty directory for one test, made the current directory while it
// lives (the password file is opened by its bare name).
class ScratchDirectory {
public:
    ScratchDirectory() : previous_(QDir::currentPath()) {
        // Others may enter it: the read-only cases run under another user.
        chmod(QFile::encodeName(dir_.path()).constData(), 0755);
        QDir::setCurrent(dir_.path());
    }
    ~ScratchDirectory() {
        chmod(QFile::encodeName(dir_.path()).constData(), 0700);
        QDir::setCurrent(previous_);
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

// A directory made read-only for the life of the object. Root ignores
// permissions, so a root test process acts as "nobody" meanwhile.
class ReadOnlyDirectory {
public:
    explicit ReadOnlyDirectory(const QString& path = ".")
        : path_(QFile::encodeName(path)), wasRoot_(geteuid() == 0) {
        chmod(path_.constData(), 0555);
        if (wasRoot_ && seteuid(65534) != 0)
            wasRoot_ = false;
    }
    ~ReadOnlyDirectory() {
        if (wasRoot_ && seteuid(0) != 0)
            return;
        chmod(path_.constData(), 0755);
    }

private:
    QByteArray path_;
    bool wasRoot_;
};

// A file system that fills up after `bytes` bytes of any one file, for the
// life of the object: writes past it fail with EFBIG instead of ending the
// process, as on a full disk.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

inline void writeRawFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

inline std::optional<QByteArray> rawFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
