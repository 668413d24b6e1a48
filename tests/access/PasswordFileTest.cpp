#include "access/PasswordFile.h"

#include "AccessTestSupport.h"

#include <gtest/gtest.h>

namespace {

const QString kFile = "FParol.dat";

struct StoredCase {
    QByteArray bytes;
    std::uint16_t number;
    std::string text;
};
void PrintTo(const StoredCase& c, std::ostream* os) {
    *os << c.bytes.toHex().toStdString() << " -> " << c.text;
}

class StoredPassword : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredPassword, ReadsLittleEndianAndTakesWhatAShortFileHas) {
    ScratchDirectory cwd;
    writeRawFile(kFile, GetParam().bytes);
    EXPECT_EQ(ReadPasswordFile(), GetParam().number);
    EXPECT_EQ(ExpectedPasswordText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Files, StoredPassword,
                         ::testing::Values(StoredCase{QByteArray::fromHex("d204"), 1234, "1234"},
                                           StoredCase{QByteArray::fromHex("ffff"), 65535, "65535"},
                                           StoredCase{QByteArray::fromHex("0001"), 256, "256"},
                                           StoredCase{QByteArray(), 0, "0"},
                                           StoredCase{QByteArray::fromHex("07"), 7, "7"},
                                           StoredCase{QByteArray::fromHex("2a00ffff"), 42, "42"}),
                         [](const ::testing::TestParamInfo<StoredCase>& info) {
                             const StoredCase& c = info.param;
                             return "Bytes" + c.bytes.toHex().toStdString();
                         });

TEST(PasswordFile, WithoutAFileTheDefaultApplies) {
    ScratchDirectory cwd;
    EXPECT_FALSE(ReadPasswordFile().has_value());
    EXPECT_EQ(ExpectedPasswordText(), "7352");
}

TEST(PasswordFile, WritesTwoBytesLowFirstAndReplacesTheOldFile) {
    ScratchDirectory cwd;
    writeRawFile(kFile, "old contents, longer than two bytes");
    ASSERT_TRUE(WritePasswordFile(0xA1B2));
    EXPECT_EQ(rawFile(kFile), QByteArray::fromHex("b2a1"));
}

// The old file itself stays writable: only a writer that goes through a new
// file and a rename is stopped by the directory.
TEST(PasswordFile, AWriteIntoAReadOnlyDirectoryFailsAndKeepsTheOldFile) {
    ScratchDirectory cwd;
    writeRawFile(kFile, QByteArray::fromHex("d204"));
    QFile::setPermissions(kFile, QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup |
                                     QFile::WriteGroup | QFile::ReadOwner | QFile::WriteOwner);
    {
        ReadOnlyDirectory readOnly;
        EXPECT_FALSE(WritePasswordFile(1));
    }
    EXPECT_EQ(rawFile(kFile), QByteArray::fromHex("d204"));
    EXPECT_EQ(QDir(cwd.path()).entryList(QDir::Files), QStringList{kFile});
}

TEST(PasswordFile, AWriteOverADirectoryFailsAndLeavesIt) {
    ScratchDirectory cwd;
    ASSERT_TRUE(QDir().mkdir(kFile));
    EXPECT_FALSE(WritePasswordFile(1));
    EXPECT_TRUE(QFileInfo(kFile).isDir());
    EXPECT_FALSE(ReadPasswordFile().has_value());
}

} // namespace
