#include "entwright/core/entity_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using ent::EntityTable;
using ent::ReadError;

EntityTable parse(std::string_view text)
{
    ent::ReadReport report;
    std::optional<EntityTable> table = ent::ParseEntText(text, &report);
    EXPECT_TRUE(table.has_value()) << "refused: " << static_cast<int>(report.error);
    return table.value_or(EntityTable{});
}

ReadError refusal(std::string_view text)
{
    ent::ReadReport report;
    EXPECT_FALSE(ent::ParseEntText(text, &report).has_value());
    return report.error;
}

class TempDir : public ::testing::Test {
protected:
    std::filesystem::path dir_;

    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("entwright_test_" + std::to_string(std::random_device{}()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path write(const std::string& name, std::string_view bytes) const
    {
        const std::filesystem::path path = dir_ / name;
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    static std::string read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST(ClassLine, ComparesCharactersTwoToTenOnly)
{
    EXPECT_TRUE(ent::IsClassLine("\"classname\" \"light\""));
    EXPECT_TRUE(ent::IsClassLine("xclassname")); // first character not examined
    EXPECT_TRUE(ent::IsClassLine("\"classnamefoo\" \"bar\"")); // anything may follow
    EXPECT_FALSE(ent::IsClassLine("\"Classname\" \"light\""));
    EXPECT_FALSE(ent::IsClassLine("\"CLASSNAME\" \"light\""));
    // Blanks and tabs in front are passed over, as the game does.
    EXPECT_TRUE(ent::IsClassLine(" \t\"classname\" \"light\""));
    EXPECT_FALSE(ent::IsClassLine(" x\"classname\" \"light\"")); // shifted by other text
    EXPECT_FALSE(ent::IsClassLine("\"classnam"));
    EXPECT_FALSE(ent::IsClassLine(""));
}

TEST(ListName, TakesTheValueByPosition)
{
    EXPECT_EQ(ent::EntityListName("\"classname\" \"info_light\""), "info_light"); // 24 chars
    EXPECT_EQ(ent::EntityListName("\"classname\" \"\""), ""); // 14 chars
    EXPECT_EQ(ent::EntityListName("\"classname\" \"x"), ""); // last char dropped whatever it is
    EXPECT_FALSE(ent::EntityListName("\"classname\" \"").has_value()); // 13 chars
    EXPECT_FALSE(ent::EntityListName("").has_value());
    // By position, not by quotes: a shifted line gives shifted text.
    EXPECT_EQ(ent::EntityListName("\"classname\"  \"light\""), "\"light");
}

TEST(ReadEnt, SplitsBlocksAndKeepsEveryLineAsItStands)
{
    const EntityTable table = parse("{\n"
                                    "\"classname\" \"worldspawn\"\n"
                                    "\t\"wad\" \"a.wad\"\n"
                                    "\n"
                                    "  no quotes at all\n"
                                    "{\n"
                                    "}\n"
                                    "\n"
                                    "{\n"
                                    "\"classname\" \"light\"\n"
                                    "}\n");
    ASSERT_EQ(table.Entities.size(), 2u);
    EXPECT_EQ(table.LastEntity(), 1);
    const ent::EntityRecord& world = table.Entities[0];
    EXPECT_EQ(world.KeyLines,
              (std::vector<std::string>{"\"classname\" \"worldspawn\"", "\t\"wad\" \"a.wad\"", "",
                                        "  no quotes at all", "{"}));
    EXPECT_EQ(world.LastKey(), 4);
    EXPECT_EQ(world.ClassLine, "\"classname\" \"worldspawn\"");
    EXPECT_EQ(table.Entities[1].ClassLine, "\"classname\" \"light\"");
}

TEST(ReadEnt, LaterClassLineNamesTheBlockAndBothStay)
{
    const EntityTable table = parse("{\n\"classname\" \"a\"\n\"classname\" \"b\"\n}\n");
    EXPECT_EQ(table.Entities[0].ClassLine, "\"classname\" \"b\"");
    EXPECT_EQ(table.Entities[0].KeyLines.size(), 2u);
}

TEST(ReadEnt, CrLfAndLfReadTheSame)
{
    const EntityTable lf = parse("{\n\"classname\" \"a\"\n\n}\n{\n\"classname\" \"b\"\n}\n");
    const EntityTable crlf =
        parse("{\r\n\"classname\" \"a\"\r\n\r\n}\r\n{\r\n\"classname\" \"b\"\r\n}\r\n");
    ASSERT_EQ(crlf.Entities.size(), 2u);
    EXPECT_EQ(crlf.Entities[0].KeyLines, lf.Entities[0].KeyLines);
    EXPECT_EQ(crlf.Entities[1].KeyLines, lf.Entities[1].KeyLines);
    // A CR that does not end a line is part of it.
    EXPECT_EQ(parse("{\n\"classname\" \"a\rb\"\n}").Entities[0].KeyLines[0],
              "\"classname\" \"a\rb\"");
}

TEST(ReadEnt, RefusesFilesItCannotTakeWhole)
{
    EXPECT_EQ(refusal(""), ReadError::NoBlock);
    EXPECT_EQ(refusal("just text\n\n"), ReadError::NoBlock);
    EXPECT_EQ(refusal("{\n\"classname\" \"a\"\n"), ReadError::UnclosedBlock);
    EXPECT_EQ(refusal("{\n\"classname\" \"a\"\n}\n{\n"), ReadError::UnclosedBlock);
    EXPECT_EQ(refusal("{\n\"classname\" \"a\"\n} x\n"), ReadError::UnclosedBlock);
}

TEST(ReadEnt, KeepsTheWidthLimitsOfOldCountersOut)
{
    std::string text;
    for (int i = 0; i < 33000; ++i)
        text += "{\n\"classname\" \"e\"\n}\n";
    text += "{\n";
    for (int i = 0; i < 33000; ++i)
        text += "\"classname\" \"x\"\n";
    text += "}\n";
    const EntityTable table = parse(text);
    EXPECT_EQ(table.Entities.size(), 33001u);
    EXPECT_EQ(table.Entities.back().KeyLines.size(), 33000u);
}

TEST(ListNames, StopAtABlockWithoutUsableClassLine)
{
    EXPECT_EQ(ent::EntityListNames(parse("{\n\"classname\" \"a\"\n}\n{\n\"classname\" \"\"\n}\n")),
              (std::vector<std::string>{"a", ""}));
    EXPECT_FALSE(ent::EntityListNames(parse("{\n\"classname\" \"a\"\n}\n{\n}\n")).has_value());
    EXPECT_FALSE(ent::EntityListNames(parse("{\n\"origin\" \"0 0 0\"\n}\n")).has_value());
    EXPECT_FALSE(ent::EntityListNames(parse("{\n\"classname\" \"\n}\n")).has_value());
}

TEST(WriteEnt, WritesBracesAndLinesWithLfOnly)
{
    EntityTable table;
    table.Entities.resize(2);
    table.Entities[0].KeyLines = {"a"};
    table.Entities[1].KeyLines = {"b"};
    EXPECT_EQ(ent::EntText(table), "{\na\n}\n{\nb\n}\n");
    table.Entities[1].KeyLines.clear();
    EXPECT_EQ(ent::EntText(table), "{\na\n}\n{\n}\n");
    EXPECT_EQ(ent::EntText(EntityTable{}), "");
}

using EntFiles = TempDir;

TEST_F(EntFiles, RoundTripKeepsEveryBlockByteForByte)
{
    // Blank lines, tabs, unquoted lines, bytes above 127 (Windows-1252 and
    // UTF-8 alike), NUL and a lone CR inside blocks; junk around them.
    const std::string blockLines = "\"classname\" \"info_player_start\"\n"
                                   "\t\"origin\"\t\"0 0 0\"\n"
                                   "\n"
                                   "   unquoted text   \n"
                                   "\"message\" \"caf\xE9 \x80 \xFF\"\n"
                                   "\"utf8\" \"\xC3\xA9\"\n"
                                   "\"nul\" \"a" +
                                   std::string(1, '\0') +
                                   "b\"\n"
                                   "\"cr\" \"a\rb\"\n";
    const std::string original = "junk before\n\n" + std::string("{\n") + blockLines +
                                 "}\n\n{\n\"classname\" \"light\"\n}\ntext after the last block\n";
    const auto source = write("map.ent", original);
    const auto target = dir_ / "out.ent";

    ent::ReadReport report;
    const std::optional<ent::OpenedFile> opened = ent::OpenEntFile(source, &report);
    ASSERT_TRUE(opened.has_value()) << static_cast<int>(report.error);
    EXPECT_EQ(ent::EntityListNames(opened->table),
              (std::vector<std::string>{"info_player_start", "light"}));
    // Text around the blocks included: a save with nothing edited gives
    // back the file as it was.
    ASSERT_TRUE(ent::WriteEntFile(target, opened->table));
    EXPECT_EQ(read(target), original);
    ASSERT_TRUE(ent::WriteEntFile(target, *ent::ReadEntFile(target)));
    EXPECT_EQ(read(target), original);
}

TEST_F(EntFiles, CrLfFileIsSavedWithCrLf)
{
    const std::string original =
        "{\r\n\"classname\" \"a\"\r\n\t\"k\" \"v\xE9\"\r\n\r\n}\r\ntrailer\r\n";
    const auto source = write("crlf.ent", original);
    ASSERT_TRUE(ent::WriteEntFile(dir_ / "out.ent", *ent::ReadEntFile(source)));
    EXPECT_EQ(read(dir_ / "out.ent"), original);
}

TEST_F(EntFiles, OpenRefusesUnreadableAndUnlistableFiles)
{
    ent::ReadReport report;
    EXPECT_FALSE(ent::OpenEntFile(dir_ / "missing.ent", &report));
    EXPECT_EQ(report.error, ReadError::CannotRead);
    EXPECT_FALSE(report.reason.empty());
    EXPECT_FALSE(ent::OpenEntFile(dir_, &report)); // a folder
    EXPECT_EQ(report.error, ReadError::CannotRead);
    EXPECT_FALSE(ent::OpenEntFile(write("empty.ent", ""), &report));
    EXPECT_EQ(report.error, ReadError::NoBlock);
    EXPECT_FALSE(ent::OpenEntFile(write("open.ent", "\n{\n\"classname\" \"a\"\n"), &report));
    EXPECT_EQ(report.error, ReadError::UnclosedBlock);
    EXPECT_EQ(report.line, 2u);
    EXPECT_NE(ent::DescribeReadFailure(report).find("line 2"), std::string::npos);
    EXPECT_FALSE(ent::OpenEntFile(write("bare.ent", "{\n\"classname\" \"a\"\n}\n{\n}\n"), &report));
    EXPECT_EQ(report.error, ReadError::NoClassName);
    EXPECT_EQ(report.line, 4u);
    EXPECT_NE(ent::DescribeReadFailure(report).find("line 4"), std::string::npos);
}

TEST_F(EntFiles, SavingThroughALinkUpdatesTheFileItPointsAt)
{
    const auto real = write("real.ent", "{\n\"classname\" \"a\"\n}\n");
    const auto link = dir_ / "link.ent";
    std::error_code ec;
    std::filesystem::create_symlink(real, link, ec);
    if (ec)
        GTEST_SKIP() << "no symbolic links here: " << ec.message();
    EntityTable table = *ent::ReadEntFile(link);
    table.Entities[0].KeyLines.push_back("added");
    ASSERT_TRUE(ent::WriteEntFile(link, table));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(read(real), "{\n\"classname\" \"a\"\nadded\n}\n");
}

TEST_F(EntFiles, FailedWriteLeavesTheTargetAloneAndSaysWhy)
{
    const auto target = write("keep.ent", "old bytes");
    EntityTable table;
    table.Entities.resize(1);
    std::string reason;
    EXPECT_FALSE(ent::WriteEntFile(dir_ / "no such folder" / "x.ent", table, &reason));
    EXPECT_FALSE(reason.empty());
    reason.clear();
    EXPECT_FALSE(ent::WriteEntFile(dir_, table, &reason)); // a folder
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(ent::WriteEntFile({}, table, &reason));
    EXPECT_EQ(read(target), "old bytes");
    // Overwriting an existing file replaces it whole.
    ASSERT_TRUE(ent::WriteEntFile(target, table));
    EXPECT_EQ(read(target), "{\n}\n");
}

} // namespace
