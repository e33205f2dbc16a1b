#include "entwright/core/editing.h"

#include <gtest/gtest.h>

namespace {

using ent::EditResult;
using ent::EntityTable;
using Lines = std::vector<std::string>;

EntityTable table(std::initializer_list<Lines> records)
{
    EntityTable result;
    for (const Lines& lines : records) {
        ent::EntityRecord record;
        record.KeyLines = lines;
        for (const std::string& line : lines)
            if (ent::IsClassLine(line))
                record.ClassLine = line;
        result.Entities.push_back(record);
    }
    return result;
}

TEST(KeyLine, MakeQuotesKeyAndValueAsTyped)
{
    EXPECT_EQ(ent::MakeKeyLine("key", "value"), "\"key\" \"value\"");
    EXPECT_EQ(ent::MakeKeyLine("a b", "say \"hi\""), "\"a b\" \"say \"hi\"\"");
    EXPECT_EQ(ent::MakeKeyLine("", ""), "\"\" \"\"");
}

TEST(KeyLine, SplitsByPositionAroundTheFirstSpace)
{
    struct Case {
        std::string line, key, value;
    };
    const Case cases[] = {
        {"\"key\" \"value\"", "key", "value"},
        {"\"origin\" \"0 0 0\"", "origin", "0 0 0"},
        // A key with a space is cut there; the rest falls into the value.
        {"\"my key\" \"v\"", "m", "ey\" \"v"},
        // Unquoted lines come out shifted; blanks and tabs in front are
        // passed over, as the game does.
        {"key value", "e", "alu"},
        {"\t \"k\" \"v\"", "k", "v"},
        {" leading", "leading", ""},
        // Positions that fall before the start or past the end give nothing.
        {"\" x", "", ""},
        {"\"k\" ", "k", ""},
        {"\"k\"  ", "k", ""},
        {"a  b", "", ""},
        // No space: the whole line is the key.
        {"\"lonely\"", "\"lonely\"", ""},
        {"x", "x", ""},
    };
    for (const Case& c : cases) {
        const ent::KeyAndValue split = ent::SplitKeyLine(c.line);
        EXPECT_EQ(split.key, c.key) << c.line;
        EXPECT_EQ(split.value, c.value) << c.line;
    }
}

TEST(KeyLine, SplitOfMadeLineGivesBackPlainKeyAndValue)
{
    const ent::KeyAndValue split = ent::SplitKeyLine(ent::MakeKeyLine("target", "door \xE9 1"));
    EXPECT_EQ(split.key, "target");
    EXPECT_EQ(split.value, "door \xE9 1");
}

TEST(EditKeys, AddAppendsAndLeavesTheListNameAlone)
{
    EntityTable t = table({{"\"classname\" \"light\""}});
    EXPECT_EQ(ent::AddKeyLine(t, 0, "classname", "lamp"), EditResult::Done);
    EXPECT_EQ(t.Entities[0].KeyLines, (Lines{"\"classname\" \"light\"", "\"classname\" \"lamp\""}));
    EXPECT_EQ(t.Entities[0].ClassLine, "\"classname\" \"light\"");
    EXPECT_EQ(t.Entities[0].LastKey(), 1);
}

TEST(EditKeys, ApplyReplacesLinesButTheClassLineStaysOne)
{
    EntityTable t = table({{"\"classname\" \"light\"", "", "\"style\" \"0\""}});
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 1, "k", "v"), EditResult::Done);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 0, "other", "x"), EditResult::ClassLineKept);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 0, " classname", "x"), EditResult::ClassLineKept);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 0, "classname", "light_spot"), EditResult::Done);
    EXPECT_EQ(t.Entities[0].KeyLines,
              (Lines{"\"classname\" \"light_spot\"", "\"k\" \"v\"", "\"style\" \"0\""}));
    // The list name follows the file as it was opened.
    EXPECT_EQ(t.Entities[0].ClassLine, "\"classname\" \"light\"");
}

TEST(EditKeys, ApplyWithWhatTheSplitShowsLeavesOddLinesAlone)
{
    const Lines odd{"\"classname\" \"light\"",       "\"my key\" \"v\"",
                    "\t\"origin\" \"1 2 3\"",        "  no quotes",
                    "\"k\" \"a \xE9 \"quoted\" b\"", "\"lonely\""};
    EntityTable t = table({odd});
    for (std::size_t i = 0; i < odd.size(); ++i) {
        const ent::KeyAndValue shown = ent::SplitKeyLine(odd[i]);
        if (shown.key.empty() || shown.value.empty())
            continue; // the window refuses empty boxes before Apply gets here
        EXPECT_EQ(ent::ApplyKeyLine(t, 0, i, shown.key, shown.value), EditResult::Unchanged)
            << odd[i];
    }
    EXPECT_EQ(t.Entities[0].KeyLines, odd);
    // Retyped, the same odd text is refused rather than rebuilt around quotes.
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 1, "m", "ey\" \"v2"), EditResult::QuoteInside);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 1, "my key", "v"), EditResult::Done);
    EXPECT_EQ(t.Entities[0].KeyLines[1], "\"my key\" \"v\"");
}

TEST(EditKeys, QuotesAreRefusedAndOverlongTextOnlyWarned)
{
    EntityTable t = table({{"\"classname\" \"light\"", "\"a\" \"b\""}});
    const std::string before = ent::EntText(t);
    EXPECT_EQ(ent::AddKeyLine(t, 0, "k\"", "v"), EditResult::QuoteInside);
    EXPECT_EQ(ent::AddKeyLine(t, 0, "k", "say \"hi\""), EditResult::QuoteInside);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 1, "a", "\""), EditResult::QuoteInside);
    EXPECT_EQ(ent::AddEntity(t, "x\"y"), EditResult::QuoteInside);
    EXPECT_EQ(ent::EntText(t), before);

    EXPECT_TRUE(ent::LengthWarning(std::string(31, 'k'), std::string(1023, 'v')).empty());
    const std::string longKey = ent::LengthWarning(std::string(32, 'k'), "v");
    EXPECT_NE(longKey.find("32 bytes"), std::string::npos) << longKey;
    EXPECT_NE(longKey.find("31"), std::string::npos) << longKey;
    const std::string both = ent::LengthWarning(std::string(40, 'k'), std::string(1024, 'v'));
    EXPECT_NE(both.find("40 bytes"), std::string::npos) << both;
    EXPECT_NE(both.find("1024 bytes"), std::string::npos) << both;
    EXPECT_EQ(ent::AddKeyLine(t, 0, std::string(40, 'k'), std::string(2000, 'v')),
              EditResult::Done);
}

TEST(EditKeys, AddAndApplyRefuseEmptyFieldsAndLineBreaks)
{
    const EntityTable before = table({{"\"classname\" \"light\"", "\"a\" \"b\""}});
    EntityTable t = before;
    EXPECT_EQ(ent::AddKeyLine(t, 0, "", "v"), EditResult::EmptyField);
    EXPECT_EQ(ent::AddKeyLine(t, 0, "k", ""), EditResult::EmptyField);
    EXPECT_EQ(ent::AddKeyLine(t, 0, "k", "two\nlines"), EditResult::LineBreak);
    EXPECT_EQ(ent::AddKeyLine(t, 0, "k\r", "v"), EditResult::LineBreak);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 1, "", "v"), EditResult::EmptyField);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 1, "k", "a\r\nb"), EditResult::LineBreak);
    EXPECT_EQ(t.Entities[0].KeyLines, before.Entities[0].KeyLines);
    // Spaces alone are text.
    EXPECT_EQ(ent::AddKeyLine(t, 0, " ", " "), EditResult::Done);
}

TEST(EditKeys, DeleteShiftsLinesUpButKeepsClassLines)
{
    EntityTable t = table({{"a", "\"classname\" \"light\"", "", "c", "\"classnameX\" \"y\""}});
    EXPECT_EQ(ent::DeleteKeyLine(t, 0, 1), EditResult::ClassLineProtected);
    EXPECT_EQ(ent::DeleteKeyLine(t, 0, 4), EditResult::ClassLineProtected);
    EXPECT_EQ(ent::DeleteKeyLine(t, 0, 2), EditResult::Done); // a blank line goes
    EXPECT_EQ(ent::DeleteKeyLine(t, 0, 0), EditResult::Done);
    EXPECT_EQ(t.Entities[0].KeyLines,
              (Lines{"\"classname\" \"light\"", "c", "\"classnameX\" \"y\""}));

    EntityTable only = table({{"\"classname\" \"x\""}});
    EXPECT_EQ(ent::DeleteKeyLine(only, 0, 0), EditResult::ClassLineProtected);
    EXPECT_EQ(only.Entities[0].KeyLines.size(), 1u);
}

TEST(EditKeys, NothingActsBeyondTheTable)
{
    EntityTable t = table({{"\"classname\" \"a\"", "x"}});
    const EntityTable before = t;
    const std::size_t none = static_cast<std::size_t>(-1);
    EXPECT_EQ(ent::AddKeyLine(t, 1, "k", "v"), EditResult::NoSuchEntity);
    EXPECT_EQ(ent::AddKeyLine(t, none, "k", "v"), EditResult::NoSuchEntity);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, 2, "k", "v"), EditResult::NoSuchLine);
    EXPECT_EQ(ent::ApplyKeyLine(t, 0, none, "", ""), EditResult::NoSuchLine);
    EXPECT_EQ(ent::DeleteKeyLine(t, 0, 2), EditResult::NoSuchLine);
    EXPECT_EQ(ent::DeleteKeyLine(t, 3, 0), EditResult::NoSuchEntity);
    EXPECT_EQ(ent::DeleteEntity(t, 1), EditResult::NoSuchEntity);
    EXPECT_EQ(ent::EntText(t), ent::EntText(before));
}

TEST(EditEntities, AddPutsAClassLineRecordAtTheEnd)
{
    EntityTable t = table({{"\"classname\" \"worldspawn\""}});
    EXPECT_EQ(ent::AddEntity(t, "lamp"), EditResult::Done);
    EXPECT_EQ(ent::AddEntity(t, ""), EditResult::Done);
    ASSERT_EQ(t.Entities.size(), 3u);
    EXPECT_EQ(t.Entities[1].KeyLines, (Lines{"\"classname\" \"lamp\""}));
    EXPECT_EQ(t.Entities[1].ClassLine, "\"classname\" \"lamp\"");
    EXPECT_EQ(ent::EntityListNames(t), (Lines{"worldspawn", "lamp", ""}));
    EXPECT_EQ(ent::AddEntity(t, "a\nb"), EditResult::LineBreak);
    EXPECT_EQ(t.Entities.size(), 3u);
}

TEST(EditEntities, DeleteMovesLaterRecordsUpInOrder)
{
    EntityTable t = table({{"\"classname\" \"a\"", "1"},
                           {"\"classname\" \"b\"", "2"},
                           {"\"classname\" \"c\"", "3"},
                           {"\"classname\" \"d\""}});
    EXPECT_EQ(ent::DeleteEntity(t, 0), EditResult::Done);
    EXPECT_EQ(ent::EntityListNames(t), (Lines{"b", "c", "d"}));
    EXPECT_EQ(t.Entities[0].KeyLines, (Lines{"\"classname\" \"b\"", "2"}));
    EXPECT_EQ(ent::DeleteEntity(t, 1), EditResult::Done);
    EXPECT_EQ(ent::EntityListNames(t), (Lines{"b", "d"}));
    EXPECT_EQ(ent::DeleteEntity(t, 1), EditResult::Done);
    EXPECT_EQ(ent::DeleteEntity(t, 0), EditResult::OnlyEntity);
    EXPECT_EQ(ent::EntText(t), "{\n\"classname\" \"b\"\n2\n}\n");
}

} // namespace
