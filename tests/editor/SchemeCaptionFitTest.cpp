// Values and output lists are drawn whole inside their boxes, made smaller or
// put on two lines; only a name too wide even in the smaller font is
// shortened.

#include "SchemeFixture.h"
#include "editor/gui/SchemePainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(SchemeCaptions, ValuesAndOutputListsStayWholeInTheirBoxes) {
    struct Case {
        Family family;
        const char* caption;
    };
    const Case cases[] = {
        {Family::DelayValue, "240"},
        {Family::DelayValue, "570"},
        {Family::DelayValue, "600"},
        {Family::CellNumber, "24"},
        {Family::Mr1Outputs, "1,2,3,4,"},
        {Family::Mr2Outputs, "1,3,5,7,"},
        {Family::Mr1Outputs, "1,2,3,4,5,6,7,8,"},
        {Family::Mr2Outputs, "2,3,4,5,6,7,8,"},
        {Family::InputName, "Загазован."},
        {Family::OutputName, "Клапан ПЗК"},
    };
    SchemeFixture s;
    s.create(24, 16);
    const int panelHeight = s.view.at(Family::OutputsPanel, 0).rect.h;
    QImage device(8, 8, QImage::Format_RGB32);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Element element = s.view.at(c.family, 0);
        element.caption = c.caption;
        const int width = element.rect.w - 2;
        const FittedText fit = FitCaption(c.family, element, width, &device);
        EXPECT_EQ(QString(fit.text).remove('\n'), element.caption) << "nothing cut off";
        const QFontMetricsF metrics(fit.font, &device);
        for (const QString& line : fit.text.split('\n'))
            EXPECT_LE(metrics.horizontalAdvance(line), width);
        EXPECT_LE(fit.lines * metrics.lineSpacing() + 2, panelHeight);
    }
}

TEST(SchemeCaptions, ANameTooWideIsShortenedWithinItsBox) {
    SchemeFixture s;
    s.create(24, 8);
    Element name = s.view.at(Family::InputName, 0);
    name.caption = "ШШШШШШШШШШ";
    QImage device(8, 8, QImage::Format_RGB32);
    const FittedText fit = FitCaption(Family::InputName, name, name.rect.w - 2, &device);
    EXPECT_TRUE(fit.text.endsWith(QChar(0x2026))) << fit.text.toStdString();
    EXPECT_LE(QFontMetricsF(fit.font, &device).horizontalAdvance(fit.text), name.rect.w - 2);
}

} // namespace
