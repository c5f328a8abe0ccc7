// Lenient decimal conversion used by the settings and the stop-step field.
#include "base/decimal.h"

#include <climits>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DecimalTest, ReadsSignAndLeadingDigits) {
    EXPECT_EQ(parseLeadingInt("10000"), 10000);
    EXPECT_EQ(parseLeadingInt("-5"), -5);
    EXPECT_EQ(parseLeadingInt("+7"), 7);
    EXPECT_EQ(parseLeadingInt("  12abc"), 12);
    EXPECT_EQ(parseLeadingInt("abc"), 0);
    EXPECT_EQ(parseLeadingInt(""), 0);
    EXPECT_EQ(parseLeadingInt("-"), 0);
    EXPECT_EQ(parseLeadingInt("1 2"), 1);
}

TEST(DecimalTest, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(parseLeadingInt("4294967297"), INT_MAX); // would wrap to 1
    EXPECT_EQ(parseLeadingInt("-99999999999"), INT_MIN);
    EXPECT_EQ(parseLeadingInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(parseLeadingInt64("9223372036854775808"), INT64_MAX);
    EXPECT_EQ(parseLeadingInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(parseLeadingInt64("-9223372036854775809"), INT64_MIN);
}

} // namespace
} // namespace corvane
