#include "aliasmith/core/aliases.h"

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
    EXPECT_EQ(nextAlias("5.10.20.3", {"5.10.20.1", "5.10.20.2", "5.10.20.4"}).alias, "5.10.20.5");
    EXPECT_EQ(nextAlias("5.10.20.1", {}).alias, "5.10.20.2");
    // A gap left by a deleted row stays; order does not matter.
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.7", "5.0.0.2"}).alias, "5.0.0.8");
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.253"}).alias, "5.0.0.254");
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

TEST(NextAlias, NeverPasses254)
{
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.254"}).outcome, Outcome::NoAliasLeft);
    EXPECT_EQ(nextAlias("5.0.0.100", {"5.0.0.40000"}).outcome, Outcome::NoAliasLeft);
    // Stepping over the own number can be what passes the limit.
    EXPECT_EQ(nextAlias("5.0.0.254", {"5.0.0.253"}).outcome, Outcome::NoAliasLeft);
    EXPECT_EQ(nextAlias("5.0.0.254", {"5.0.0.252"}).alias, "5.0.0.253");
}

TEST(NextAlias, SkipsAliasesWithoutANumericFourthPart)
{
    EXPECT_EQ(nextAlias("5.0.0.100", {"1", "2", "5.0.0.x", "5.0.0.", "5.0.0.3"}).alias, "5.0.0.4");
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
    using Aliases = std::vector<std::string>;
    EXPECT_EQ(renumberedAliases("5.1.2.3", 5),
              (Aliases{"5.1.2.1", "5.1.2.2", "5.1.2.3", "5.1.2.4", "5.1.2.5"}));
    EXPECT_EQ(renumberedAliases("1234", 3), (Aliases{"1", "2", "3"}));
    EXPECT_EQ(renumberedAliases("5.1.2.3", 0), Aliases{});
    EXPECT_EQ(renumberedAliases("5.1.2.3", 254)->back(), "5.1.2.254");
    EXPECT_EQ(renumberedAliases("5.1.2.3", 255), std::nullopt);
}

TEST(RowFields, NoFieldHoldsASeparator)
{
    EXPECT_EQ(checkAddress("5.1.1.1"), FieldCheck::Ok);
    EXPECT_EQ(checkAddress(""), FieldCheck::Ok);
    for (const char* bad : {"1.2.3.4\r\n5.6.7.8", "7.7.7.7 junk", "1.2\t3", "1\n", " 1", "1\x7F"})
        EXPECT_EQ(checkAddress(bad), FieldCheck::Separator) << bad;
    EXPECT_EQ(checkAddress("1.2.3.Ж"), FieldCheck::NotWindows1252);

    EXPECT_EQ(checkNick("Ana Maria "), FieldCheck::Ok);
    EXPECT_EQ(checkNick("Ã© João €"), FieldCheck::Ok);
    EXPECT_EQ(checkNick("Ana\r\nBob"), FieldCheck::Separator);
    EXPECT_EQ(checkNick("Ana\tBob"), FieldCheck::Separator);
    EXPECT_EQ(checkNick("Пётр"), FieldCheck::NotWindows1252);
}

TEST(AliasesFile, TrueIpSpaceAliasPerLineInWindows1252)
{
    EXPECT_EQ(formatAliasesFile({}), "");
    EXPECT_EQ(formatAliasesFile({{"Ana", "5.1.1.1", "5.0.0.1"}, {"Bo b", "", "5.0.0.2"}}),
              "5.1.1.1 5.0.0.1\r\n 5.0.0.2\r\n");
    // The nick is not written, so any nick goes.
    EXPECT_EQ(formatAliasesFile({{"Пётр", "5.1.1.1", "5.0.0.1"}}), "5.1.1.1 5.0.0.1\r\n");
    // A row that would come back split or changed stops the whole file.
    EXPECT_EQ(formatAliasesFile({{"", "5.1.1.1\r\n5.2.2.2", "5.0.0.1"}}), std::nullopt);
    EXPECT_EQ(formatAliasesFile({{"", "5.1.1.1", "5.0.0.1 x"}}), std::nullopt);
    EXPECT_EQ(formatAliasesFile({{"", "5.1.1.Ж", "5.0.0.1"}}), std::nullopt);
}

TEST(AliasesFile, ReadsBackWhatWasWritten)
{
    const std::vector<AliasRow> rows{{"Ana", "5.1.1.1", "5.0.0.1"}, {"", "", ""}, {"x", "é", "5"}};
    const auto lines = parseAliasesFile(*formatAliasesFile(rows));
    ASSERT_EQ(lines.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(lines[i], (AliasLine{rows[i].trueIp, rows[i].alias}));
    EXPECT_EQ(parseAliasesFile("1.1.1.1\r\n"), (std::vector<AliasLine>{{"1.1.1.1", ""}}));
}

} // namespace
} // namespace aliasmith
