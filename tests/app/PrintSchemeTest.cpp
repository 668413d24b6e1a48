#include "app/MainWindow.h"
#include "support/ModalDialog.h"
#include "support/SampleSchemes.h"

#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The print command on the real main window, its dialog scripted to print to a PDF,
// the PDF read back with poppler's tools.
namespace {

// Plays the operator in the print dialog: print to a file, optionally a page range.
struct PdfDialog : PrintDialog {
    QString file;
    int from = 0, to = 0;
    bool exec(PrintDialogData& data) override {
        data.fromPage = from;
        data.toPage = to;
        data.outputFile = file;
        return true;
    }
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return run("pdftotext", {"-f", n, "-l", n, "-layout", pdf, "-"});
}

struct Printout {
    QTemporaryDir dir;
    MainWindow form;
    PdfDialog dialog;
    QString pdf = dir.filePath("scheme.pdf");

    Printout() {
        dialog.file = pdf;
        form.setPrintDialog(dialog);
    }
    void build(int first, int second, int blocks) {
        BuildSampleScheme(form.session(), first, second, blocks);
        form.syncScheme();
    }
};

struct PageCase {
    int blocks;
    int pages;
};
void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.blocks << " blocks";
}

class PrintedPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrintedPages, OnePageForInputsAndOneForEachEightBlocks) {
    Printout p;
    p.build(24, 8, GetParam().blocks);
    p.form.PrintScheme();
    EXPECT_EQ(pdfPages(p.pdf), GetParam().pages);
    // Texts stay text: the input names and the header are found in the PDF.
    const QString first = pdfText(p.pdf, 1);
    EXPECT_TRUE(first.contains("Датчик 1")) << first.toStdString();
    EXPECT_TRUE(first.contains("Датчик 24"));
    EXPECT_TRUE(first.contains("Реле 2.4"));
    EXPECT_TRUE(first.contains("страница 1"));
    EXPECT_TRUE(first.contains("24-08"));
    EXPECT_TRUE(first.contains("нет"));
    if (GetParam().pages == 3) {
        EXPECT_TRUE(pdfText(p.pdf, 3).contains("страница 3"));
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, PrintedPages,
                         ::testing::Values(PageCase{0, 1}, PageCase{1, 2}, PageCase{8, 2},
                                           PageCase{9, 3}, PageCase{13, 3}),
                         [](const auto& info) {
                             return "Blocks" + std::to_string(info.param.blocks);
                         });

TEST(PrintScheme, AChosenRangePrintsOnlyThosePages) {
    Printout p;
    p.build(24, 43, 13);
    p.dialog.from = 2;
    p.dialog.to = 3;
    p.form.PrintScheme();
    ASSERT_EQ(pdfPages(p.pdf), 2);
    EXPECT_TRUE(pdfText(p.pdf, 1).contains("страница 2"));
    EXPECT_FALSE(pdfText(p.pdf, 1).contains("Датчик"));
    EXPECT_TRUE(pdfText(p.pdf, 2).contains("страница 3"));
}

// "Сохранить в PDF…" asks only for a file, never shows the print dialog, and writes the
// whole printout there.
TEST(PrintScheme, SaveAsPdfWritesEveryPageToTheFileChosen) {
    Printout p;
    p.build(24, 8, 13);
    const QString chosen = p.dir.filePath("chosen.pdf");
    WhenShown([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(chosen);
        static_cast<QDialog*>(files)->accept(); // QFileDialog::accept, through the public base
    });
    p.form.saveSchemeAsPdf();
    EXPECT_EQ(pdfPages(chosen), 3);
    EXPECT_FALSE(QFile::exists(p.pdf));
}

} // namespace
