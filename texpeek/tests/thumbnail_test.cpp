#include "texpeek/core/open_steps.h"
#include "texpeek/core/thumbnail.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace texpeek {
namespace {

using namespace testing;

std::filesystem::path writeTemp(const std::string& name, const std::string& bytes)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(Thumbnail, TheSmallestLevelAtLeastTheSizeIsTheOneRead)
{
    const SurfaceLayout layout = parseDdsFile(fourCCHeader(64, 32, "DXT1", 7)).layout;
    EXPECT_EQ(thumbnailLevel(layout, 20), 1u); // 32 x 16; 16 x 8 is too small
    EXPECT_EQ(thumbnailLevel(layout, 32), 1u);
    EXPECT_EQ(thumbnailLevel(layout, 100), 0u);
    EXPECT_EQ(thumbnailLevel(layout, 1), 6u);
    EXPECT_EQ(thumbnailLevel(parseDdsFile(fourCCHeader(64, 32, "DXT1")).layout, 1), 0u);

    // 16 x 16 with its levels: level 0 black, level 1 (8 x 8) white, the
    // rest missing. A thumbnail of 8 reads level 1 alone.
    const std::string black = bc1Block(0, 0, 0);
    const std::string white = bc1Block(0xFFFF, 0xFFFF, 0);
    const std::string bytes =
        fourCCHeader(16, 16, "DXT1", 5) + repeated(black, 16) + repeated(white, 4);
    const std::filesystem::path path = writeTemp("texpeek_thumbnail_test.dds", bytes);
    const Thumbnail t = readThumbnailSurface(path, 8);
    EXPECT_EQ(t.level, 1u);
    ASSERT_EQ(t.grid.width(), 8);
    ASSERT_EQ(t.grid.height(), 8);
    EXPECT_EQ(t.grid.cell(8, 8), 0xFFFFFFFFu);
    EXPECT_EQ(readThumbnailSurface(path, 16).grid.cell(1, 1), 0xFF000000u);
    // Level 2 is not in the file.
    EXPECT_THROW(readThumbnailSurface(path, 4), DdsError);
    std::filesystem::remove(path);

    EXPECT_THROW(readThumbnailSurface(
                     std::filesystem::temp_directory_path() / "texpeek_thumbnail_missing.dds", 8),
                 OpenFailed);
}

} // namespace
} // namespace texpeek
