#include "print/PrintPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintPlan, ScaleIsTheWholeRatioOfResolutionsAndAtLeastOne) {
    struct Case {
        int printer, screen, scale;
    };
    const Case cases[] = {{600, 96, 6}, {300, 96, 3},  {720, 96, 7},  {1200, 96, 12}, {96, 96, 1},
                          {72, 96, 1},  {600, 120, 5}, {599, 120, 4}, {600, 144, 4},  {1200, 0, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(PrintScale(c.printer, c.screen), c.scale) << c.printer << "/" << c.screen;
}

TEST(PrintPlan, ChosenRangeIsKeptWithinThePrintout) {
    struct Case {
        int from, to, count, first, last;
    };
    const Case ranges[] = {{0, 0, 3, 1, 3}, {2, 3, 3, 2, 3}, {3, 3, 3, 3, 3}, {1, 1, 2, 1, 1},
                           {2, 5, 2, 2, 2}, {0, 2, 3, 1, 2}, {3, 1, 3, 3, 3}};
    for (const Case& c : ranges) {
        const PageSpan span = ChosenPages(c.from, c.to, c.count);
        EXPECT_EQ(span.first, c.first) << c.from << ".." << c.to;
        EXPECT_EQ(span.last, c.last) << c.from << ".." << c.to;
    }
}

TEST(PrintPlan, HeaderLinesShowPageDeviceCodeAndAcknowledge) {
    EXPECT_EQ(HeaderLine1("Программатор", 3), "Программатор   страница 3");
    struct Case {
        HeaderFields fields;
        const char* line2;
        const char* state;
    };
    const Case cases[] = {
        {{5, 24, 8, true}, "Устр. №  5   Исполнение  24-08   Вн. квит.", "есть"},
        {{1, 12, 8, false}, "Устр. №  1   Исполнение  12-08   Вн. квит.", "нет"},
        {{31, 6, 6, false}, "Устр. №  31   Исполнение  06-06   Вн. квит.", "нет"},
        {{2, 24, 43, true}, "Устр. №  2   Исполнение  24-43   Вн. квит.", "есть"},
        {{9, 12, 0, false}, "Устр. №  9   Исполнение  12-00   Вн. квит.", "нет"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HeaderLine2(c.fields), c.line2);
        EXPECT_EQ(ExtAckState(c.fields), c.state);
    }
}

TEST(PrintPlan, OutputListsOfMoreThanFourOutputsTakeTwoLines) {
    const std::pair<const char*, const char*> cases[] = {{"1,2,3,4,5,6,", "1,2,3,4,\n5,6,"},
                                                         {"1,2,3,4,5,6,7,8,", "1,2,3,4,\n5,6,7,8,"},
                                                         {"2,3,5,7,8,", "2,3,5,7,\n8,"},
                                                         {"1,2,3,4,", "1,2,3,4,"},
                                                         {"3,", "3,"},
                                                         {"", ""}};
    for (const auto& [list, printed] : cases)
        EXPECT_EQ(SplitOutputList(list), printed);
}

} // namespace
