// vil3k-tool matrix and protocol on the shipped examples and on a folder of
// backups.

#include "tests/tools/ToolRun.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(
        QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST(ToolMatrix, ListsBothWaysOrAsCsv) {
    ToolRunner tool;
    const ToolResult listing = tool.run({"matrix", Example("24-08.vil")});
    EXPECT_EQ(listing.status, 0);
    EXPECT_TRUE(
        listing.out.startsWith("Причины:\nВход 1 «Давл. газа» (НР)\n  МР №1.1 «Сирена»: ●\n"));
    EXPECT_TRUE(
        listing.out.contains("\nФБ 3: ГСТ (вх. 4, не ФБ 2)\n  МР №2.2 «Горелка»: 20 с, бл\n"));
    EXPECT_TRUE(listing.out.contains("\nДействия:\nМР №1.1 «Сирена»\n"));
    const ToolResult csv = tool.run({"matrix", Example("06-06.vil"), "--csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_TRUE(csv.out.startsWith(QString::fromUtf8("\xEF\xBB\xBFПричина;МР №1.1")));
    EXPECT_EQ(tool.run({"matrix", tool.path("none.vil")}).status, 2);
}

TEST(ToolProtocol, FilesOrABackupFolderIntoOneDocument) {
    ToolRunner tool;
    const QString one = tool.path("one.pdf");
    EXPECT_EQ(tool.run({"protocol", Example("24-08.vil"), "-o", one}).status, 0);
    EXPECT_EQ(PdfPages(one), 2);
    ASSERT_TRUE(QFile::copy(Example("06-06.vil"), tool.path("device-03.vil")));
    ASSERT_TRUE(QFile::copy(Example("12-04.vil"), tool.path("device-12.vil")));
    const QString folder = tool.path("folder.pdf");
    EXPECT_EQ(tool.run({"protocol", "--dir", tool.dir.path(), "-o", folder}).status, 0);
    EXPECT_EQ(PdfPages(folder), 2);
    const QString csv = tool.path("folder.csv");
    EXPECT_EQ(tool.run({"protocol", "--dir", tool.dir.path(), "-o", csv, "--csv"}).status, 0);
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(rows.readAll());
    EXPECT_EQ(text.count("Протокол приемо-сдаточных испытаний\r\n"), 2);
    // Files and a folder at once, no output, an output that cannot be made.
    EXPECT_EQ(
        tool.run({"protocol", "--dir", tool.dir.path(), Example("24-08.vil"), "-o", one}).status,
        2);
    EXPECT_EQ(tool.run({"protocol", Example("24-08.vil")}).status, 2);
    const ToolResult missing =
        tool.run({"protocol", Example("24-08.vil"), "-o", tool.path("no/p.pdf")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("no/p.pdf")) << missing.err.toStdString();
}

} // namespace
