#include "editor/SchemeKeys.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    int key, position, maximum;
    bool consumed;
    int expected;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << "key " << c.key << " at " << c.position << " of " << c.maximum;
}

class SchemeKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SchemeKeys, ScrollWithinTheRange) {
    const KeyCase c = GetParam();
    const KeyScroll r = SchemeKeyScroll(c.key, c.position, c.maximum);
    EXPECT_EQ(r.consumed, c.consumed);
    EXPECT_EQ(r.position, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, SchemeKeys,
                         ::testing::Values(KeyCase{Qt::Key_Down, 100, 2000, true, 500},
                                           KeyCase{Qt::Key_PageDown, 1800, 2000, true, 2000},
                                           KeyCase{Qt::Key_Up, 300, 2000, true, 0},
                                           KeyCase{Qt::Key_PageUp, 900, 2000, true, 500},
                                           KeyCase{Qt::Key_Home, 900, 2000, true, 0},
                                           KeyCase{Qt::Key_End, 0, 1200, true, 1200},
                                           KeyCase{Qt::Key_Left, 640, 2000, true, 640},
                                           KeyCase{Qt::Key_Right, 640, 2000, true, 640},
                                           KeyCase{Qt::Key_5, 640, 2000, false, 640},
                                           KeyCase{Qt::Key_Return, 640, 2000, false, 640}),
                         [](const ::testing::TestParamInfo<KeyCase>& info) {
                             const KeyCase& c = info.param;
                             return "Key" + std::to_string(c.key) + "At" +
                                    std::to_string(c.position) + "Of" + std::to_string(c.maximum);
                         });

} // namespace
