#include "common/core/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
}

TEST(Cp1252, MapsTheHighControlRangeAndLatin1)
{
    EXPECT_EQ(cp1252::toUtf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252::toUtf8("\x93quoted\x94"), "\u201Cquoted\u201D");
    EXPECT_EQ(cp1252::toUtf8("Portugu\xEAs"), "Português");
    EXPECT_EQ(cp1252::fromUtf8("Português"), "Portugu\xEAs");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(cp1252::fromUtf8("a\u4E2Db"), "a?b");
    EXPECT_EQ(cp1252::fromUtf8("\U0001F600"), "?");
}

TEST(Cp1252, MalformedUtf8DoesNotOverrunAndReadsAsQuestionMarks)
{
    EXPECT_EQ(cp1252::fromUtf8("ab\xC3"), "ab?");
    EXPECT_EQ(cp1252::fromUtf8("\xE2\x82"), "??");
    EXPECT_EQ(cp1252::fromUtf8("\xFFz"), "?z");
}
