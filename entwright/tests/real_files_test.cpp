// Entity lists as map tools and editors really leave them.
#include "entwright/core/entity_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ent::EntityTable;
using Lines = std::vector<std::string>;

EntityTable parseReporting(std::string_view text, ent::ReadReport* report = nullptr)
{
    ent::ReadReport local;
    std::optional<EntityTable> table = ent::ParseEntText(text, report ? report : &local);
    EXPECT_TRUE(table.has_value()) << ent::DescribeReadFailure(report ? *report : local);
    return table.value_or(EntityTable{});
}

std::string nul(std::size_t count = 1)
{
    return std::string(count, '\0');
}

TEST(RealFiles, BraceLinesMayCarryBlanksTabsAndNuls)
{
    const std::string text = "  {  \t\n\"classname\" \"worldspawn\"\n \t}\t \n"
                             "{" +
                             nul() + "\n\"classname\" \"light\"\n}" + nul(2) +
                             "\n"
                             "{\r\n\"classname\" \"info_null\"\r\n} \r\n"
                             "{\n\"classname\" \"last\"\n}" +
                             nul();
    const EntityTable table = parseReporting(text);
    ASSERT_EQ(table.Entities.size(), 4u);
    EXPECT_EQ(ent::EntityListNames(table), (Lines{"worldspawn", "light", "info_null", "last"}));
    // Each block's lines are only its key lines; the brace lines come back
    // as they were.
    EXPECT_EQ(table.Entities[0].KeyLines, Lines{"\"classname\" \"worldspawn\""});
    EXPECT_EQ(table.Entities[2].KeyLines, Lines{"\"classname\" \"info_null\""});
    EXPECT_EQ(ent::EntText(table), text);
}

TEST(RealFiles, TextAfterTheOpeningBraceIsTheBlocksFirstLine)
{
    const EntityTable table = parseReporting("{ \"classname\" \"info_player_deathmatch\"\n"
                                             "\"origin\" \"1 2 3\"\n"
                                             "}\n"
                                             "{\"classname\" \"info_player_start\"\n"
                                             "}\n"
                                             "{\t\"origin\" \"4 5 6\"\n"
                                             "\"classname\" \"light\"\n"
                                             "}\n");
    ASSERT_EQ(table.Entities.size(), 3u);
    EXPECT_EQ(table.Entities[0].KeyLines,
              (Lines{"\"classname\" \"info_player_deathmatch\"", "\"origin\" \"1 2 3\""}));
    EXPECT_EQ(table.Entities[1].KeyLines, (Lines{"\"classname\" \"info_player_start\""}));
    EXPECT_EQ(table.Entities[2].KeyLines,
              (Lines{"\"origin\" \"4 5 6\"", "\"classname\" \"light\""}));
    EXPECT_EQ(ent::EntityListNames(table),
              (Lines{"info_player_deathmatch", "info_player_start", "light"}));
}

TEST(RealFiles, WhatIsWrittenReadsBackTheSame)
{
    // "{}" on one line is an empty block, not a block whose first line is
    // "}"; CRs before a line's end go with it. Either would otherwise come
    // back different after a save.
    const EntityTable table = parseReporting("{}\n{ \t} \n{\n\"classname\" \"a\"\r\r\n}\n");
    ASSERT_EQ(table.Entities.size(), 3u);
    EXPECT_TRUE(table.Entities[0].KeyLines.empty());
    EXPECT_TRUE(table.Entities[1].KeyLines.empty());
    EXPECT_EQ(table.Entities[2].KeyLines, Lines{"\"classname\" \"a\""});
    const std::string written = ent::EntText(table);
    EXPECT_EQ(ent::EntText(parseReporting(written)), written);
}

TEST(RealFiles, ByteOrderMarkIsSkippedOnlyAtTheStart)
{
    const EntityTable table =
        parseReporting("\xEF\xBB\xBF{\n\"classname\" \"worldspawn\"\n}\n{\n\"k\" \"\xEF\xBB\xBF\"\n"
                       "\"classname\" \"a\"\n}\n");
    ASSERT_EQ(table.Entities.size(), 2u);
    EXPECT_EQ(table.Entities[0].ClassLine, "\"classname\" \"worldspawn\"");
    // Inside a line the same bytes are text like any other.
    EXPECT_EQ(table.Entities[1].KeyLines[0], "\"k\" \"\xEF\xBB\xBF\"");
}

TEST(RealFiles, StrayLinesAreCountedAndNamedButDoNotStopTheOpen)
{
    ent::ReadReport report;
    const EntityTable table = parseReporting("\n  \t\n" + nul(3) +
                                                 "\n" // lines 1-3: nothing
                                                 "// exported by a tool\n" // 4: stray
                                                 "{\n\"classname\" \"a\"\n}\n" // 5-7
                                                 "}\n" // 8: stray
                                                 "\"classname\" \"lost\"\n" // 9: stray
                                                 "{\n\"classname\" \"b\"\n}\n",
                                             &report);
    EXPECT_EQ(table.Entities.size(), 2u);
    EXPECT_EQ(report.strayLines, 3u);
    EXPECT_EQ(report.firstStrayLine, 4u);
    const std::string warning = ent::DescribeStrayLines(report);
    EXPECT_NE(warning.find("3 lines"), std::string::npos) << warning;
    EXPECT_NE(warning.find("line 4"), std::string::npos) << warning;
    EXPECT_NE(warning.find("keeps them"), std::string::npos) << warning;

    ent::ReadReport clean;
    parseReporting("\n{\n\"classname\" \"a\"\n}\n\n" + nul(), &clean);
    EXPECT_EQ(clean.strayLines, 0u);
    EXPECT_TRUE(ent::DescribeStrayLines(clean).empty());
}

TEST(RealFiles, ClosingTextOnTheBraceLineDoesNotCloseAndIsReportedAtTheOpening)
{
    ent::ReadReport report;
    EXPECT_FALSE(ent::ParseEntText(
        "{\n\"classname\" \"a\"\n}\n\n{\n\"classname\" \"b\"\n} // end\n", &report));
    EXPECT_EQ(report.error, ent::ReadError::UnclosedBlock);
    EXPECT_EQ(report.line, 5u);
    EXPECT_EQ(ent::DescribeReadFailure(report),
              "The entity opened at line 5 is never closed with }.");
}

} // namespace
