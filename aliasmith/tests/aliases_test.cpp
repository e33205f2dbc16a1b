#include "core/aliases.h"

#include <gtest/gtest.h>

namespace aliasmith {
namespace {

using Outcome = NextAlias::Outcome;

TEST(AliasPrefix, UpToTheLastDotBeforeTheFinalCharacter)
{
    EXPECT_EQ(AliasPrefix("5.12.34.56"), "5.12.34.");
    EXPECT_EQ(AliasPrefix("5.1.2"), "5.1.");
    EXPECT_EQ(AliasPrefix("1234"), "");
    EXPECT_EQ(AliasPrefix(""), "");
    EXPECT_EQ(AliasPrefix("."), "");
    // The last character is never looked at.
    EXPECT_EQ(AliasPrefix("5.1.2."), "5.1.");
    EXPECT_EQ(AliasPrefix("5.."), "5.");
}

TEST(NextAlias, FollowsTheHighestNumberPresent)
{
    EXPECT_EQ(nextAlias("5.10.20.3", {"5.10.20.1", "5.10.20.2", "5.10.20.4"}).alias,
              "5.10.20.5");
    EXPECT_EQ(nextAlias("5.10.20.1", {}).alias, "5.10.20.2");
    // A gap left by a deleted row stays; order does not matter.
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.7", "5.0.0.2"}).alias, "5.0.0.8");
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.255"}).alias, "5.0.0.256");
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.40000"}).alias, "5.0.0.40001");
    // Only the fourth part counts; a fractional one is rounded, halves to even.
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.2.9"}).alias, "5.0.0.3");
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.25e-1"}).alias, "5.0.0.3");
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.35e-1"}).alias, "5.0.0.5");
}

TEST(NextAlias, StepsOverTheUsersOwnNumberOnce)
{
    EXPECT_EQ(nextAlias("5.10.20.1", {}).alias, "5.10.20.2");
    EXPECT_EQ(nextAlias("5.10.20.3", {"x.x.x.2"}).alias, "5.10.20.4");
    EXPECT_EQ(nextAlias("5.10.20.4", {"5.10.20.3"}).alias, "5.10.20.5");
    // Only once: an alias already on the next number is not looked at.
    EXPECT_EQ(nextAlias("5.10.20.2", {"5.10.20.1"}).alias, "5.10.20.3");
}

TEST(NextAlias, SkipsAliasesWithoutANumericFourthPart)
{
    EXPECT_EQ(nextAlias("5.0.0.100", {"1", "2", "5.0.0.x", "5.0.0.", "5.0.0.3"}).alias,
              "5.0.0.4");
    EXPECT_EQ(nextAlias("5.0.0.100", {"", "5.0.0.1e300"}).alias, "5.0.0.1");
}

TEST(NextAlias, RejectsTheOwnAddress)
{
    EXPECT_EQ(nextAlias("", {}).outcome, Outcome::InvalidIp);
    EXPECT_EQ(nextAlias("abc", {}).outcome, Outcome::InvalidIp);
    EXPECT_EQ(nextAlias("1234", {}).outcome, Outcome::YourIpInvalid);
    EXPECT_EQ(nextAlias("5.1.2", {}).outcome, Outcome::YourIpInvalid);
    EXPECT_EQ(nextAlias("5.1.2.x", {}).outcome, Outcome::YourIpInvalid);
    EXPECT_EQ(nextAlias("5.1.2.", {}).outcome, Outcome::YourIpInvalid);
    EXPECT_EQ(nextAlias("5.1.2.3", {}).outcome, Outcome::Ok);
}

TEST(UpdateMasks, NumbersRowsFromOne)
{
    EXPECT_EQ(renumberedAliases("5.1.2.3", 5),
              (std::vector<std::string>{"5.1.2.1", "5.1.2.2", "5.1.2.3", "5.1.2.4", "5.1.2.5"}));
    EXPECT_EQ(renumberedAliases("1234", 3), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(renumberedAliases("5.1.2.3", 0).empty());
}

TEST(AliasesFile, TrueIpSpaceAliasPerLine)
{
    EXPECT_EQ(formatAliasesFile({}), "");
    EXPECT_EQ(formatAliasesFile({{"Ana", "5.1.1.1", "5.0.0.1"}, {"Bo b", "", "5.0.0.2"}}),
              "5.1.1.1 5.0.0.1\r\n 5.0.0.2\r\n");
    EXPECT_EQ(formatAliasesFile({{"", "5.1.1.1\r\n5.2.2.2", "5.0.0.1"}}),
              "5.1.1.1  5.2.2.2 5.0.0.1\r\n");
}

} // namespace
} // namespace aliasmith
