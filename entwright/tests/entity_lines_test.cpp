#include "entwright/core/entity_document.h"
#include "entwright/core/entity_file.h"
#include "entwright/core/entity_lines.h"

#include "common/testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Every way of reading an untouched list must agree: the loop, the index,
// the last line and the copy out.
Lines readThreeWays(const ent::LineList& list)
{
    Lines looped;
    for (const std::string_view line : list)
        looped.emplace_back(line);
    Lines indexed;
    for (std::size_t i = 0; i < list.size(); ++i)
        indexed.emplace_back(list[i]);
    EXPECT_EQ(looped, indexed);
    EXPECT_EQ(looped, static_cast<Lines>(list));
    if (!looped.empty()) {
        EXPECT_EQ(list.back(), looped.back());
    }
    return looped;
}

TEST(StoredLines, ReadBackAsSplitWhateverTheLineEnds)
{
    constexpr char kText[] = "{ \"classname\" \"a\"\r\n"
                             "\r\n"
                             "\"k\" \"v\"\r\r\n"
                             "\"nul\" \"x\0y\"\n"
                             "\n"
                             "}\n"
                             "{\n}\n"
                             "{\n\"classname\" \"b\"\n}";
    const ent::EntityTable table = *ent::ParseEntText(std::string_view(kText, sizeof kText - 1));
    ASSERT_EQ(table.Entities.size(), 3u);
    EXPECT_EQ(readThreeWays(table.Entities[0].KeyLines),
              (Lines{"\"classname\" \"a\"", "", "\"k\" \"v\"", std::string("\"nul\" \"x\0y\"", 11),
                     ""}));
    EXPECT_TRUE(readThreeWays(table.Entities[1].KeyLines).empty());
    EXPECT_EQ(readThreeWays(table.Entities[2].KeyLines), Lines{"\"classname\" \"b\""});
}

TEST(StoredLines, OutliveTheTextAndTheTableTheyCameFrom)
{
    ent::EntityRecord kept;
    {
        auto text =
            std::make_unique<std::string>("{\n\"classname\" \"light\"\n\"style\" \"2\"\n}\n");
        ent::EntityTable table = *ent::ParseEntText(*text);
        text.reset();
        kept = table.Entities[0];
        table = ent::EntityTable{};
    }
    EXPECT_EQ(kept.KeyLines, (Lines{"\"classname\" \"light\"", "\"style\" \"2\""}));
    EXPECT_EQ(kept.ClassLine, "\"classname\" \"light\"");
}

TEST(StoredLines, ACopyChangesApartFromItsOriginal)
{
    ent::EntityTable table = *ent::ParseEntText("{\n\"classname\" \"a\"\n\"k\" \"v\"\n}\n");
    ent::EntityRecord copy = table.Entities[0];
    copy.KeyLines.replace(1, ent::LineText("\"k\" \"w\""));
    ent::EntityRecord second = copy;
    second.KeyLines.erase(1);
    second.KeyLines.push_back("\"n\" \"1\"");
    EXPECT_EQ(table.Entities[0].KeyLines, (Lines{"\"classname\" \"a\"", "\"k\" \"v\""}));
    EXPECT_EQ(copy.KeyLines, (Lines{"\"classname\" \"a\"", "\"k\" \"w\""}));
    EXPECT_EQ(second.KeyLines, (Lines{"\"classname\" \"a\"", "\"n\" \"1\""}));
}

// Records share the file's bytes: edits, undo and redo of one must leave the
// lines of every other as they were read.
TEST(StoredLines, EditsAndUndoKeepEveryOtherLineAsRead)
{
    const std::string text = "{\r\n\"classname\" \"worldspawn\"\r\n\"wad\" \"a.wad\"\r\n}\r\n"
                             "{\r\n\"classname\" \"light\"\r\n\"origin\" \"1 2 3\"\r\n}\r\n";
    ent::EntityDocument doc;
    doc.reset(*ent::ParseEntText(text));
    const std::string opened = ent::EntText(doc.table());

    ASSERT_EQ(doc.applyKeyLine(0, 1, "wad", "b.wad"), ent::EditResult::Done);
    ASSERT_EQ(doc.applyKeyLine(0, 1, "wad", "c.wad"), ent::EditResult::Done);
    ASSERT_EQ(doc.addKeyLine(1, "style", "2"), ent::EditResult::Done);
    EXPECT_EQ(doc.table().Entities[0].KeyLines,
              (Lines{"\"classname\" \"worldspawn\"", "\"wad\" \"c.wad\""}));
    EXPECT_EQ(doc.table().Entities[1].KeyLines,
              (Lines{"\"classname\" \"light\"", "\"origin\" \"1 2 3\"", "\"style\" \"2\""}));

    doc.undo();
    doc.undo();
    EXPECT_EQ(doc.table().Entities[0].KeyLines[1], "\"wad\" \"b.wad\"");
    doc.undo();
    EXPECT_EQ(ent::EntText(doc.table()), opened);
    doc.redo();
    doc.redo();
    doc.redo();
    EXPECT_EQ(doc.table().Entities[0].KeyLines[1], "\"wad\" \"c.wad\"");
    EXPECT_EQ(doc.table().Entities[1].KeyLines.back(), "\"style\" \"2\"");
}

TEST(StoredLines, AnEditedLineIsWhatASaveWritesAndAReopenReads)
{
    const suite::testing::ScratchFolder dir;
    const auto file = dir / "map.ent";
    // Odd spacing and a Windows-1252 byte that no editor must rewrite.
    const std::string untouched = "{\n\"classname\"  \"worldspawn\"\n\"message\" \"caf\xE9\"\n}\n";
    std::ofstream(file, std::ios::binary)
        << untouched << "{\n\"classname\" \"light\"\n\"style\" \"0\"\n}\n";

    ent::EntityDocument doc;
    doc.reset(ent::OpenEntFile(file)->table);
    ASSERT_EQ(doc.applyKeyLine(1, 1, "style", "5"), ent::EditResult::Done);
    ASSERT_TRUE(ent::WriteEntFile(file, doc.table()));

    // Closed before the folder goes: Windows keeps an open file's folder.
    std::ostringstream saved;
    saved << std::ifstream(file, std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), untouched + "{\n\"classname\" \"light\"\n\"style\" \"5\"\n}\n");

    // The reopened table holds the new bytes, not the ones the first open kept.
    const ent::EntityTable reopened = ent::OpenEntFile(file)->table;
    EXPECT_EQ(reopened.Entities[1].KeyLines.back(), "\"style\" \"5\"");
    EXPECT_EQ(reopened.Entities[0].KeyLines[1], "\"message\" \"caf\xE9\"");
}

} // namespace
