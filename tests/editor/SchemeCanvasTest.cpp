#include "editor/gui/SchemeCanvas.h"
#include "SchemeFixture.h"
#include "support/SampleSchemes.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

TEST(SchemeCanvas, ReportsTheElementUnderAClick) {
    SchemeFixture s;
    BuildSampleScheme(s.session, 12, 4);
    SchemeCanvas canvas(s.view);
    canvas.show();
    std::vector<ElementRef> pressed, clicked;
    QObject::connect(&canvas, &SchemeCanvas::elementPressed,
                     [&](ElementRef e) { pressed.push_back(e); });
    QObject::connect(&canvas, &SchemeCanvas::elementClicked,
                     [&](ElementRef e) { clicked.push_back(e); });
    auto clickAt = [&](Family family, int index, int dy = 2) {
        const Rect r = s.view.absoluteRect(family, index);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(r.x + 2, r.y + dy));
    };
    clickAt(Family::CellNumber, 1);          // cell number inside the signalling element
    clickAt(Family::InputNumber, 3);         // input number
    clickAt(Family::BlockTypePicture, 0);    // block picture over its body
    clickAt(Family::SignallingPanel, 3, 16); // hidden: the row line under it answers instead
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(790, 300)); // bare group
    ASSERT_EQ(clicked.size(), 4u);
    EXPECT_EQ(clicked[0], (ElementRef{Family::CellNumber, 1}));
    EXPECT_EQ(clicked[1], (ElementRef{Family::InputNumber, 3}));
    EXPECT_EQ(clicked[2], (ElementRef{Family::BlockTypePicture, 0}));
    EXPECT_EQ(clicked[3], (ElementRef{Family::RowLine, 3})); // row 4's line runs under it
    EXPECT_EQ(pressed, clicked);
}

TEST(SchemeCanvas, TooltipShowsTheHintOfTheElementUnderTheMouse) {
    SchemeFixture s;
    BuildSampleScheme(s.session, 12, 4);
    SchemeCanvas canvas(s.view);
    canvas.show();
    auto hover = [&](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, canvas.mapToGlobal(at));
        QApplication::sendEvent(&canvas, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const Rect number = s.view.absoluteRect(Family::InputNumber, 3);
    EXPECT_EQ(hover({number.x + 2, number.y + 2}), "панель номера входа");
    const Rect outputs = s.view.absoluteRect(Family::Mr1Outputs, 0);
    ASSERT_FALSE(s.view.at(Family::Mr1Outputs, 0).hint.isEmpty());
    EXPECT_EQ(hover({outputs.x + 2, outputs.y + 2}), s.view.at(Family::Mr1Outputs, 0).hint);
    hover({790, 300}); // bare group: the tip goes
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST(SchemeCanvas, FollowsTheHeightOfTheVisibleGroups) {
    SchemeFixture s;
    SchemeCanvas canvas(s.view);
    s.create(24, 16);
    canvas.updateSize();
    EXPECT_EQ(canvas.height(),
              s.view.group(SecondInputGroup).top + s.view.group(SecondInputGroup).height);
    s.creation.ChangeConfiguration();
    canvas.updateSize();
    EXPECT_EQ(s.view.schemeHeight(), 0);
}

} // namespace
