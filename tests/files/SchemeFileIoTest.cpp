#include "files/SchemeFile.h"

#include "support/ScratchDirectory.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

SchemeFileData scheme0604() {
    SchemeFileData data;
    data.execFirst = 6;
    data.execSecond = 4;
    data.deviceByte = 0x21;
    data.image.fill(0x11);
    data.channelNames.assign(10, "Вход");
    data.outputNames.fill("Реле");
    return data;
}

class SchemeFileIo : public ::testing::Test {
protected:
    ScratchDirectory dir;
    const QString path = dir.file("scheme.vil");
    const QByteArray oldFile = QByteArray("the old file, whole");
    QString error;
};

TEST_F(SchemeFileIo, WritesAndReadsBack) {
    ASSERT_TRUE(WriteSchemeFile(path, scheme0604(), error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(path).size(), 514);
    const auto back = ReadSchemeFile(path, error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(back->deviceByte, 0x21);
    EXPECT_EQ(back->channelNames[9], "Вход");
    EXPECT_EQ(back->outputNames[15], "Реле");
}

TEST_F(SchemeFileIo, ReplacesAnExistingFile) {
    writeRawFile(path, oldFile);
    ASSERT_TRUE(WriteSchemeFile(path, scheme0604(), error));
    EXPECT_EQ(rawFile(path), EncodeSchemeFile(scheme0604()));
}

// The old file itself stays writable: only a writer that goes through a new
// file and a rename is stopped by the folder.
TEST_F(SchemeFileIo, AReadOnlyFolderLeavesTheOldFileWhole) {
    writeRawFile(path, oldFile);
    QFile::setPermissions(path, QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup |
                                    QFile::WriteGroup | QFile::ReadOwner | QFile::WriteOwner);
    {
        ReadOnlyDirectory readOnly(dir.path());
        EXPECT_FALSE(WriteSchemeFile(path, scheme0604(), error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(rawFile(path), oldFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"scheme.vil"});
}

TEST_F(SchemeFileIo, ADirectoryInTheWayIsLeftAlone) {
    ASSERT_TRUE(QDir().mkdir(path));
    writeRawFile(path + "/inside", oldFile);
    EXPECT_FALSE(WriteSchemeFile(path, scheme0604(), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(rawFile(path + "/inside"), oldFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(SchemeFileIo, DataThatWouldMakeAnUnreadableFileIsNotWritten) {
    writeRawFile(path, oldFile);
    SchemeFileData wrongCount = scheme0604();
    wrongCount.channelNames.pop_back();
    SchemeFileData wrongCode = scheme0604();
    wrongCode.execSecond = 5;
    EXPECT_FALSE(WriteSchemeFile(path, wrongCount, error));
    EXPECT_FALSE(WriteSchemeFile(path, wrongCode, error));
    EXPECT_EQ(rawFile(path), oldFile);
}

TEST_F(SchemeFileIo, MissingAndOverlongFilesAreRefused) {
    EXPECT_FALSE(ReadSchemeFile(path, error));
    EXPECT_FALSE(error.isEmpty());

    QByteArray huge = EncodeSchemeFile(scheme0604());
    huge += QByteArray(1 << 20, ' ');
    writeRawFile(path, huge);
    error.clear();
    EXPECT_FALSE(ReadSchemeFile(path, error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
