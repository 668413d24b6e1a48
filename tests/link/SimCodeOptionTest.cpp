#include "link/SimOptions.h"

#include <gtest/gtest.h>

namespace {

// Codes are written with leading zeros ("24-08", "06-04"); they are decimal.
TEST(SimOptions, CodeWithLeadingZerosIsDecimal) {
    for (const auto& [text, first, second] :
         {std::tuple{"24-08", 24, 8}, {"06-04", 6, 4}, {"12-09", 12, 9}, {"0-0", 0, 0}}) {
        SimOptions options;
        std::string error;
        ASSERT_TRUE(ParseSimOptions({"--code", text}, options, error)) << text << ": " << error;
        EXPECT_EQ(options.first, first) << text;
        EXPECT_EQ(options.second, second) << text;
    }
}

} // namespace
