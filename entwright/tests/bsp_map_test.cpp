#include "entwright/core/bsp_map.h"
#include "entwright/core/editing.h"

#include "entwright/tests/support/bsp_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <numeric>

namespace {

using ent::testing::buildMap;

const std::string kEntities = "{\n\"classname\" \"worldspawn\"\n\"wad\" \"halflife.wad\"\n}\n"
                              "{\n\"classname\" \"info_player_start\"\n\"origin\" \"0 0 36\"\n}\n";

std::string lumpOf(const std::string& text)
{
    return text + std::string(1, '\0');
}

std::vector<std::size_t> allLumpsShuffled(unsigned variant)
{
    std::vector<std::size_t> order(ent::kBspLumps);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::shuffle(order.begin(), order.end(), std::mt19937(variant));
    return order;
}

// Every lump but the entity lump holds the same bytes in both maps.
void expectOtherLumpsKept(const std::string& before, const std::string& after)
{
    const auto old = ent::ReadBspLayout(before);
    const auto now = ent::ReadBspLayout(after);
    ASSERT_TRUE(old && now);
    EXPECT_EQ(old->version, now->version);
    for (std::size_t i = 1; i < ent::kBspLumps; ++i) {
        ASSERT_EQ(old->lumps[i].length, now->lumps[i].length) << i;
        EXPECT_EQ(before.substr(old->lumps[i].offset, old->lumps[i].length),
                  after.substr(now->lumps[i].offset, now->lumps[i].length))
            << "lump " << i;
        if (now->lumps[i].length > 0) {
            EXPECT_EQ(now->lumps[i].offset % 4, old->lumps[i].offset % 4) << "lump " << i;
        }
    }
}

TEST(Bsp, ReadsTheEntityLumpOfBothVersions)
{
    for (const std::int32_t version : {29, 30}) {
        const auto map = buildMap(version, lumpOf(kEntities), allLumpsShuffled(version), 1);
        const auto text = ent::BspEntityText(map.bytes);
        ASSERT_TRUE(text.has_value()) << version;
        EXPECT_EQ(*text, kEntities);
        const auto table = ent::OpenEntText(*text);
        ASSERT_TRUE(table.has_value());
        EXPECT_EQ(ent::EntityListNames(table->table),
                  (std::vector<std::string>{"worldspawn", "info_player_start"}));
    }
}

TEST(Bsp, RefusesWhatIsNotAMapItCanRewrite)
{
    auto map = buildMap(30, lumpOf(kEntities), allLumpsShuffled(3), 3);
    std::string reason;
    EXPECT_FALSE(ent::ReadBspLayout(map.bytes.substr(0, 100), &reason));
    EXPECT_FALSE(reason.empty());

    std::string wrongVersion = map.bytes;
    ent::testing::putU32(wrongVersion, 0, 38); // Quake 2's neighbour, not ours
    EXPECT_FALSE(ent::ReadBspLayout(wrongVersion));

    std::string pastTheEnd = map.bytes;
    ent::testing::putU32(pastTheEnd, 8 + 5 * 8, static_cast<std::uint32_t>(map.bytes.size()));
    EXPECT_FALSE(ent::ReadBspLayout(pastTheEnd));

    std::string negative = map.bytes;
    ent::testing::putU32(negative, 4 + 7 * 8, 0xFFFFFFF0u);
    EXPECT_FALSE(ent::ReadBspLayout(negative));

    // A lump sharing bytes with the entity lump could not be kept whole.
    std::string overlap = map.bytes;
    ent::testing::putU32(overlap, 4 + 2 * 8, map.lumps[0].offset + 1);
    ent::testing::putU32(overlap, 8 + 2 * 8, 1);
    EXPECT_FALSE(ent::ReplaceBspEntityLump(overlap, lumpOf("{\n}\n")));
}

TEST(Bsp, UnchangedEntitiesGiveTheSameBytes)
{
    for (unsigned variant = 0; variant < 20; ++variant) {
        const auto map =
            buildMap(variant % 2 ? 29 : 30, lumpOf(kEntities), allLumpsShuffled(variant), variant);
        const auto table = ent::OpenEntText(*ent::BspEntityText(map.bytes));
        ASSERT_TRUE(table.has_value());
        const auto written = ent::ReplaceBspEntityLump(map.bytes, ent::BspEntityLump(table->table));
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(*written, map.bytes) << "variant " << variant;
    }
}

TEST(Bsp, EditedEntitiesChangeOnlyTheEntityLumpAndTheDirectory)
{
    for (unsigned variant = 0; variant < 40; ++variant) {
        const auto map = buildMap(30, lumpOf(kEntities), allLumpsShuffled(variant), variant);
        auto table = ent::OpenEntText(*ent::BspEntityText(map.bytes))->table;
        // Growing and shrinking by amounts that are not multiples of 4.
        if (variant % 2)
            ASSERT_EQ(ent::AddKeyLine(table, 1, "angle", std::string(variant + 1, '9')),
                      ent::EditResult::Done);
        else
            ASSERT_EQ(ent::DeleteKeyLine(table, 0, 1), ent::EditResult::Done);
        const std::string lump = ent::BspEntityLump(table);
        const auto written = ent::ReplaceBspEntityLump(map.bytes, lump);
        ASSERT_TRUE(written.has_value());
        const auto layout = ent::ReadBspLayout(*written);
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(written->substr(layout->lumps[0].offset, layout->lumps[0].length), lump);
        expectOtherLumpsKept(map.bytes, *written);
        // The bytes in front of the entity lump are the old ones but for the
        // directory.
        EXPECT_EQ(written->substr(ent::kBspHeaderSize, map.lumps[0].offset - ent::kBspHeaderSize),
                  map.bytes.substr(ent::kBspHeaderSize, map.lumps[0].offset - ent::kBspHeaderSize));
        // Read back, the edit is there.
        EXPECT_EQ(ent::EntText(ent::OpenEntText(*ent::BspEntityText(*written))->table),
                  ent::EntText(table));
    }
}

TEST(Bsp, EmptyLumpsPointingIntoTheEntityLumpStayInsideTheFile)
{
    auto map = buildMap(29, lumpOf(kEntities), {0}, 4);
    const std::uint32_t inside = map.lumps[0].offset + map.lumps[0].length / 2;
    ent::testing::putU32(map.bytes, 4 + 1 * 8, inside); // lump 1: empty, mid-text
    ent::testing::putU32(map.bytes, 4 + 2 * 8, static_cast<std::uint32_t>(map.bytes.size()));
    auto table = ent::OpenEntText(*ent::BspEntityText(map.bytes))->table;
    ASSERT_EQ(ent::DeleteEntity(table, 1), ent::EditResult::Done);
    const auto written = ent::ReplaceBspEntityLump(map.bytes, ent::BspEntityLump(table));
    ASSERT_TRUE(written.has_value());
    const auto layout = ent::ReadBspLayout(*written);
    ASSERT_TRUE(layout.has_value());
    EXPECT_LE(layout->lumps[1].offset, written->size());
    EXPECT_EQ(layout->lumps[2].offset, written->size()); // the end moves with the file
}

TEST(Bsp, SavingWritesTheMapOnDisk)
{
    const auto dir = std::filesystem::temp_directory_path() /
                     ("entwright_bsp_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "c1a0.BSP";
    const auto map = buildMap(30, lumpOf(kEntities), {3, 0, 7, 1}, 9);
    std::ofstream(path, std::ios::binary)
        .write(map.bytes.data(), static_cast<std::streamsize>(map.bytes.size()));
    EXPECT_TRUE(ent::IsBspPath(path));
    EXPECT_FALSE(ent::IsBspPath(dir / "c1a0.ent"));

    ent::ReadReport report;
    auto opened = ent::OpenBspFile(path, &report);
    ASSERT_TRUE(opened.has_value()) << ent::DescribeReadFailure(report);
    ASSERT_EQ(ent::AddEntity(opened->table, "light"), ent::EditResult::Done);
    std::string reason;
    ASSERT_TRUE(ent::WriteBspEntities(path, opened->table, &reason)) << reason;
    const auto reopened = ent::OpenBspFile(path);
    ASSERT_TRUE(reopened.has_value());
    EXPECT_EQ(reopened->table.Entities.size(), 3u);

    EXPECT_FALSE(ent::OpenBspFile(dir / "missing.bsp", &report));
    EXPECT_EQ(report.error, ent::ReadError::CannotRead);
    std::ofstream(dir / "text.bsp") << kEntities;
    EXPECT_FALSE(ent::OpenBspFile(dir / "text.bsp", &report));
    EXPECT_EQ(report.error, ent::ReadError::NotAMap);
    EXPECT_NE(ent::DescribeReadFailure(report).find("version 30"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
