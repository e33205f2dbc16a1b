#include "common/core/numbers.h"

#include <gtest/gtest.h>

#include <limits>

TEST(GroupedNumber, GroupsInThreesWithTheGivenSeparator)
{
    EXPECT_EQ(numbers::grouped(0, ","), "");
    EXPECT_EQ(numbers::grouped(7, ","), "7");
    EXPECT_EQ(numbers::grouped(999, ","), "999");
    EXPECT_EQ(numbers::grouped(1000, ","), "1,000");
    EXPECT_EQ(numbers::grouped(65664, "."), "65.664");
    EXPECT_EQ(numbers::grouped(1234567, ","), "1,234,567");
    EXPECT_EQ(numbers::grouped(-1234, ","), "-1,234");
    EXPECT_EQ(numbers::grouped(5000000000LL, "\u00A0"), "5\u00A0000\u00A0000\u00A0000");
    EXPECT_EQ(numbers::grouped(std::numeric_limits<std::int64_t>::min(), ","),
              "-9,223,372,036,854,775,808");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(numbers::roundHalfEven(2.5), 2);
    EXPECT_EQ(numbers::roundHalfEven(1.5), 2);
    EXPECT_EQ(numbers::roundHalfEven(3.5), 4);
    EXPECT_EQ(numbers::roundHalfEven(-2.5), -2);
    EXPECT_EQ(numbers::roundHalfEven(2.5000001), 3);
    EXPECT_EQ(numbers::roundHalfEven(0.49), 0);
}

TEST(ParseReal, ReadsNumbersAndRefusesEverythingElse)
{
    EXPECT_EQ(numbers::parseReal("12"), 12.0);
    EXPECT_EQ(numbers::parseReal("  2.5 "), 2.5);
    EXPECT_EQ(numbers::parseReal("-3"), -3.0);
    EXPECT_EQ(numbers::parseReal("+4"), 4.0);
    EXPECT_EQ(numbers::parseReal(".5"), 0.5);
    EXPECT_EQ(numbers::parseReal("1e1"), 10.0);
    for (const char* text :
         {"", "   ", "abc", "1a", "1.2.3", "inf", "nan", "-", ".", "1 2", "0x10"})
        EXPECT_FALSE(numbers::parseReal(text).has_value()) << '"' << text << '"';
}
