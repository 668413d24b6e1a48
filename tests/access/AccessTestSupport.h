#pragma once

#include "access/AccessControl.h"
#include "model/TProgVilClass.h"
#include "support/FakeMessages.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Runs a test in a fresh empty current directory, where the password file lives.
class TemporaryCurrentDirectory {
public:
    TemporaryCurrentDirectory() : previous_(QDir::currentPath()) {
        // Others may enter it: the read-only cases run under another user.
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
        QDir::setCurrent(dir_.path());
    }
    ~TemporaryCurrentDirectory() {
        chmod(QFile::encodeName(dir_.path()).constData(), 0700);
        QDir::setCurrent(previous_);
    }
    QString path() const { return dir_.path(); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

// The current directory made read-only for the life of the object. Root
// ignores permissions, so a root test process acts as "nobody" meanwhile.
class ReadOnlyCurrentDirectory {
public:
    ReadOnlyCurrentDirectory() : wasRoot_(geteuid() == 0) {
        chmod(".", 0555);
        if (wasRoot_ && seteuid(65534) != 0)
            wasRoot_ = false;
    }
    ~ReadOnlyCurrentDirectory() {
        if (wasRoot_ && seteuid(0) != 0)
            return;
        chmod(".", 0755);
    }

private:
    bool wasRoot_;
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

// Plays the operator at the password dialog: each showing takes the next
// typed entry and closes with Enter; the real close handler decides.
class FakeOperator : public PasswordDialog {
public:
    FakeOperator(TProgVilClass& model, FakeMessages& messages)
        : model_(model), messages_(messages) {}

    void prepareChange() override {
        warningShown = true;
        field.clear();
    }
    int exec() override {
        ++shown;
        if (entries.empty()) {
            // Give up rather than retry for ever.
            ADD_FAILURE() << "the dialog was shown more often than expected";
            messages_.answers.push_front(Answer::Cancel);
            return kPasswordRefused;
        }
        field = entries.front();
        entries.pop_front();
        const CloseVerdict verdict = PasswordCloseHandler(model_, messages_, field);
        if (verdict.clearField)
            field.clear();
        return verdict.result;
    }
    std::string typedText() const override { return field; }

    std::deque<std::string> entries;
    std::string field;
    int shown = 0;
    bool warningShown = false;

private:
    TProgVilClass& model_;
    FakeMessages& messages_;
};
