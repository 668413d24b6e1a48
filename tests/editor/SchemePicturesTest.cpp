// Renders sample schemes to PNG (build/pictures) for looking at them, and checks the
// pictures for what a person would notice first: colours where the scheme puts them.
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/SchemePainter.h"
#include "support/SampleSchemes.h"
#include "support/SessionFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QString picturesDir() {
    const QString dir = QCoreApplication::applicationDirPath() + "/../pictures";
    QDir().mkpath(dir);
    return dir;
}

struct PictureCase {
    int first, second, blocks;
};
void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.first << "-" << c.second << ", " << c.blocks << " blocks";
}

class SchemePictures : public ::testing::TestWithParam<PictureCase> {};

// A pixel inside the element clear of its text.
QColor pixelAt(const QImage& image, const Rect& r) {
    return image.pixelColor(r.x + 1, r.y + 1);
}

TEST_P(SchemePictures, RendersSampleScheme) {
    const PictureCase c = GetParam();
    SessionFixture<> s;
    const SchemeView& view = s.view;
    BuildSampleScheme(s.session, c.first, c.second, c.blocks);
    SchemeCanvas canvas(view);
    const QImage image = canvas.render();
    const QString name = QString("%1/scheme-%2-%3.png")
                             .arg(picturesDir())
                             .arg(c.first, 2, 10, QChar('0'))
                             .arg(c.second, 2, 10, QChar('0'));
    ASSERT_TRUE(image.save(name));
    EXPECT_EQ(image.height(), view.schemeHeight());
    // Alarm on input 2: red cell number; the first bus in olive; group silver.
    EXPECT_EQ(pixelAt(image, view.absoluteRect(Family::CellNumber, 1)).red(), 255);
    EXPECT_EQ(pixelAt(image, view.absoluteRect(Family::CellNumber, 1)).green(), 0);
    EXPECT_EQ(image.pixelColor(790, 20), QColor(192, 192, 192));
    EXPECT_EQ(pixelAt(image, view.absoluteRect(Family::Bus, BlockInputBus)), QColor(128, 128, 0));
}

INSTANTIATE_TEST_SUITE_P(Codes, SchemePictures,
                         ::testing::Values(PictureCase{6, 4, 5}, PictureCase{12, 4, 5},
                                           PictureCase{24, 8, 13}, PictureCase{12, 0, 2}),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             const PictureCase& c = info.param;
                             return "Code" + std::to_string(c.first) + "_" +
                                    std::to_string(c.second);
                         });

} // namespace

namespace {

// A part of the scheme painted alone, and painted enlarged, matches the whole picture:
// the printout draws page by page through the same function.
TEST(SchemePainter, PartsAndScalesAgreeWithTheWhole) {
    SessionFixture<> s;
    const SchemeView& view = s.view;
    BuildSampleScheme(s.session, 24, 8, 13);
    SchemeCanvas canvas(view);
    const QImage whole = canvas.render();
    const QRect part(0, 780, kSchemeWidth, 400);

    QImage alone(part.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    QPainter painter(&alone);
    paintScheme(painter, view, 1.0, part);
    painter.end();
    EXPECT_EQ(alone, whole.copy(part));

    const QImage doubled = canvas.render(2.0);
    EXPECT_EQ(doubled.size(), whole.size() * 2);
    const Rect cell = view.absoluteRect(Family::CellNumber, 4);
    EXPECT_EQ(doubled.pixelColor(2 * cell.x + 3, 2 * cell.y + 3),
              whole.pixelColor(cell.x + 1, cell.y + 1));
}

} // namespace
