#include "app/TForm1.h"
#include "support/SampleSchemes.h"

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
    TForm1 form;
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

// The numbers printed in a column of a page (points from the left edge).
QStringList wordsInColumn(const QString& pdf, int page, double left, double right) {
    const QString n = QString::number(page);
    const QString words = run("pdftotext", {"-f", n, "-l", n, "-bbox", pdf, "-"});
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    QStringList found;
    for (auto match = word.globalMatch(words); match.hasNext();) {
        const auto m = match.next();
        const double x = m.captured(1).toDouble();
        if (x >= left && x <= right)
            found << m.captured(2);
    }
    return found;
}

struct PageCase {
    std::vector<std::vector<int>> blocksOfPage; // page 1 holds none
};
void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.blocksOfPage.size() << " pages";
}

class PrintedPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrintedPages, EveryBlockInUseIsOnItsPage) {
    const auto& pages = GetParam().blocksOfPage;
    std::vector<int> blocks;
    for (const auto& onPage : pages)
        blocks.insert(blocks.end(), onPage.begin(), onPage.end());
    Printout p;
    BuildSampleSchemeWithBlocks(p.form.session(), 24, 8, blocks);
    p.form.syncScheme();
    p.form.PrintScheme();
    ASSERT_EQ(pdfPages(p.pdf), static_cast<int>(pages.size()));
    // Texts stay text: the input names and the header are found in the PDF.
    const QString first = pdfText(p.pdf, 1);
    EXPECT_TRUE(first.contains("Датчик 1")) << first.toStdString();
    EXPECT_TRUE(first.contains("Датчик 24"));
    EXPECT_TRUE(first.contains("Реле 2.4"));
    EXPECT_TRUE(first.contains("страница 1"));
    EXPECT_TRUE(first.contains("24-08"));
    EXPECT_TRUE(first.contains("нет"));
    // A block's number heads its panel: 6 printer pixels of 1/600 inch for a screen pixel.
    const Rect panel = p.form.schemeView().absoluteRect(Family::PanelBl, 0);
    constexpr double kPoints = 6 * 72.0 / 600;
    for (std::size_t i = 1; i < pages.size(); ++i) {
        const int page = static_cast<int>(i) + 1;
        EXPECT_TRUE(pdfText(p.pdf, page).contains(QString("страница %1").arg(page)));
        const QStringList column =
            wordsInColumn(p.pdf, page, panel.x * kPoints, panel.right() * kPoints);
        for (int block : pages[i])
            EXPECT_TRUE(column.contains(QString::number(block)))
                << "block " << block << " on page " << page << ": "
                << column.join(' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, PrintedPages,
    ::testing::Values(PageCase{{{}}}, PageCase{{{}, {1}}}, PageCase{{{}, {1, 2, 3, 4, 5, 6, 7, 8}}},
                      PageCase{{{}, {1, 3, 4, 7, 8}, {9, 12, 13}}}, PageCase{{{}, {9}}},
                      PageCase{{{}, {1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13}}}));

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

} // namespace
