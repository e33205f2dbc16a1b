// Real entity lists saved with nothing edited come back byte for byte, and
// an edit changes only the lines it touches.
#include "entwright/core/bsp_map.h"
#include "entwright/core/editing.h"
#include "entwright/core/entity_document.h"

#include "entwright/tests/support/bsp_builder.h"

#include "common/testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using ent::EntityTable;
using Lines = std::vector<std::string>;

EntityTable open(const std::string& text)
{
    ent::ReadReport report;
    std::optional<ent::OpenedFile> opened = ent::OpenEntText(text, &report);
    EXPECT_TRUE(opened.has_value()) << ent::DescribeReadFailure(report);
    return opened ? std::move(opened->table) : EntityTable{};
}

// Each file as tools and editors leave them; the names each lists.
struct Variation {
    const char* what;
    std::string text;
    Lines names;
};

std::vector<Variation> variations()
{
    const std::string nul(1, '\0');
    return {
        {"key lines with blanks and tabs in front",
         "{\n \"classname\" \"worldspawn\"\n\t\"wad\" \"a.wad\"\n}\n"
         "{\n  \t\"origin\" \"1 2 3\"\n \"classname\" \"armoury_entity\"\n}\n",
         {"worldspawn", "armoury_entity"}},
        {"a block closed and the next opened on one line",
         "{\n\"classname\" \"worldspawn\"\n}{\n\"classname\" \"a\"\n} \t {\n\"classname\" \"b\"\n}"
         "{\"classname\" \"c\"\n}\n",
         {"worldspawn", "a", "b", "c"}},
        {"CR LF line ends throughout",
         "{\r\n\"classname\" \"worldspawn\"\r\n\"wad\" \"a.wad\"\r\n}\r\n"
         "{\r\n\"classname\" \"light\"\r\n}\r\n",
         {"worldspawn", "light"}},
        {"mixed line ends, each line its own",
         "{\r\n\"classname\" \"worldspawn\"\n\"wad\" \"a.wad\"\r\n}\n{\n\"classname\" "
         "\"light\"\r\n}"
         "\r\n",
         {"worldspawn", "light"}},
        {"blank lines between and after blocks",
         "\n{\n\"classname\" \"worldspawn\"\n}\n\n\n{\n\"classname\" \"light\"\n}\n\n  \n",
         {"worldspawn", "light"}},
        {"no line end after the last brace",
         "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}",
         {"worldspawn", "light"}},
        {"a byte-order mark, brace lines with blanks and NULs",
         "\xEF\xBB\xBF  {  \n\"classname\" \"worldspawn\"\n\t} " + nul +
             "\n{ \"classname\" \"y\"\r\n}\r\n{\n"
             "\"classname\" \"x\"\n}" +
             nul + nul,
         {"worldspawn", "y", "x"}},
        {"text outside the blocks",
         "// written by a tool\n{\n\"classname\" \"worldspawn\"\n}\nstray\n{\n\"classname\" "
         "\"a\"\n}\ntrailing words\n",
         {"worldspawn", "a"}},
    };
}

TEST(ByteExact, EveryVariationSavedUnchangedGivesTheSameBytes)
{
    for (const Variation& variation : variations()) {
        SCOPED_TRACE(variation.what);
        const EntityTable table = open(variation.text);
        std::vector<std::string> names;
        for (const auto& record : table.Entities)
            names.push_back(ent::EntityListName(record.ClassLine).value_or("<none>"));
        EXPECT_EQ(names, variation.names);
        EXPECT_EQ(ent::EntText(table), variation.text);
    }
}

TEST(ByteExact, EveryVariationInAMapLumpWithOrWithoutItsNulGivesTheSameMap)
{
    suite::testing::ScratchFolder folder;
    unsigned variant = 0;
    for (const Variation& variation : variations()) {
        for (const std::string& lumpEnd : {std::string(1, '\0'), std::string()}) {
            SCOPED_TRACE(std::string(variation.what) + (lumpEnd.empty() ? ", no NUL" : ", NUL"));
            const auto map =
                ent::testing::buildMap(30, variation.text + lumpEnd, {3, 0, 1, 2}, ++variant);
            const auto path = folder / "map.bsp";
            {
                std::ofstream out(path, std::ios::binary);
                out << map.bytes;
            }
            ent::ReadReport report;
            const auto opened = ent::OpenBspFile(path, &report);
            ASSERT_TRUE(opened.has_value()) << ent::DescribeReadFailure(report);
            EXPECT_EQ(ent::BspEntityLump(opened->table), variation.text + lumpEnd);
            std::string reason;
            ASSERT_TRUE(ent::WriteBspEntities(path, opened->table, &reason)) << reason;
            std::ifstream in(path, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), map.bytes);
        }
    }
}

TEST(ByteExact, NewLinesTakeTheLineEndMostOfTheFileUses)
{
    // Two CR LF lines against one LF line: a new line ends in CR LF.
    EntityTable table = open("{\r\n\"classname\" \"worldspawn\"\r\n\"wad\" "
                             "\"a.wad\"\n}\r\n{\n\"classname\" \"b\"\n}\r\n");
    EXPECT_EQ(table.NewLineEnd, "\r\n");
    ASSERT_EQ(ent::AddKeyLine(table, 0, "skyname", "desert"), ent::EditResult::Done);
    ASSERT_EQ(ent::ApplyKeyLine(table, 1, 0, "classname", "c"), ent::EditResult::Done);
    ASSERT_EQ(ent::AddEntity(table, "light"), ent::EditResult::Done);
    EXPECT_EQ(ent::EntText(table), "{\r\n\"classname\" \"worldspawn\"\r\n\"wad\" \"a.wad\"\n"
                                   "\"skyname\" \"desert\"\r\n}\r\n"
                                   "{\n\"classname\" \"c\"\r\n}\r\n"
                                   "{\r\n\"classname\" \"light\"\r\n}\r\n");
    EXPECT_EQ(open("{\n\"classname\" \"a\"\n}\r\n").NewLineEnd, "\n");
}

TEST(ByteExact, AnEditChangesOnlyTheLinesItTouches)
{
    const std::string text = "\xEF\xBB\xBF// top\r\n{\r\n \"classname\" \"worldspawn\"\r\n}{\r\n"
                             "\t\"classname\" \"light\"\r\n\"_light\" \"255 0 0\"\r\n}\r\n\r\n"
                             "{\r\n\"classname\" \"info_null\"\r\n}\r\nend\r\n";
    ent::EntityDocument doc;
    doc.reset(open(text));
    ASSERT_EQ(doc.table().Entities.size(), 3u);
    ASSERT_EQ(doc.deleteKeyLine(1, 1), ent::EditResult::Done);
    EXPECT_EQ(ent::EntText(doc.table()),
              "\xEF\xBB\xBF// top\r\n{\r\n \"classname\" \"worldspawn\"\r\n}{\r\n"
              "\t\"classname\" \"light\"\r\n}\r\n\r\n"
              "{\r\n\"classname\" \"info_null\"\r\n}\r\nend\r\n");
    // The blank line and the block after it go with the entity they precede.
    ASSERT_EQ(doc.deleteEntity(2), ent::EditResult::Done);
    EXPECT_EQ(ent::EntText(doc.table()),
              "\xEF\xBB\xBF// top\r\n{\r\n \"classname\" \"worldspawn\"\r\n}{\r\n"
              "\t\"classname\" \"light\"\r\n}\r\nend\r\n");
    // Applying the key and value a line shows keeps the line, blanks included.
    const ent::KeyAndValue shown = ent::SplitKeyLine(doc.table().Entities[0].KeyLines[0]);
    EXPECT_EQ(shown.key, "classname");
    EXPECT_EQ(shown.value, "worldspawn");
    EXPECT_EQ(doc.applyKeyLine(0, 0, shown.key, shown.value), ent::EditResult::Unchanged);
    while (doc.canUndo())
        doc.undo();
    EXPECT_EQ(ent::EntText(doc.table()), text);
}

TEST(ByteExact, AMapTableSavedAsEntLosesTheLumpNulAndAnEntTableInAMapGainsIt)
{
    EntityTable table = open("{\n\"classname\" \"worldspawn\"\n}\n");
    EXPECT_EQ(ent::BspEntityLump(table),
              "{\n\"classname\" \"worldspawn\"\n}\n" + std::string(1, '\0'));
    table.LumpEnd = std::string();
    EXPECT_EQ(ent::BspEntityLump(table), "{\n\"classname\" \"worldspawn\"\n}\n");
    EXPECT_EQ(ent::EntText(table), "{\n\"classname\" \"worldspawn\"\n}\n");
}

} // namespace
