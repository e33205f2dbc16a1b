#include "common/testing/scratch_folder.h"
#include "texpeek/core/open_steps.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"

#include <gtest/gtest.h>
#include <squish.h>

#include <fstream>
#include <numeric>
#include <vector>

namespace texpeek {
namespace {

using testing::bc1Block;
using testing::colourWheel;
using testing::ddsFile;
using testing::dx10Header;
using testing::fourCCHeader;
using testing::repeated;
using testing::squishCompressed;

struct Told final : OpenListener, ProgressSink {
    std::vector<std::string> steps;
    std::int64_t drawn = 0;
    bool drawing = false;

    void headerRead(const DdsHeader& header) override
    {
        steps.push_back("header " + std::to_string(header.width));
    }
    void pixelTotalKnown(std::int32_t total) override
    {
        steps.push_back("total " + std::to_string(total));
    }
    void surfaceDecoded(bool hasAlpha) override
    {
        steps.push_back(hasAlpha ? "decoded with alpha" : "decoded");
    }
    void stageStarted(Stage stage, std::string_view status, std::string_view) override
    {
        drawing = stage == Stage::Drawing;
        if (drawing)
            steps.emplace_back(status);
    }
    void pixelsDone(std::int64_t count) override
    {
        if (drawing)
            drawn += count;
    }
    void stageFinished(Stage) override {}
};

class OpenSteps : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& bytes)
    {
        const std::filesystem::path path = folder_ / ("f" + std::to_string(++count_) + ".dds");
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    OpenError failure(const std::filesystem::path& path)
    {
        try {
            openDdsFile(path, told_, told_);
        } catch (const OpenFailed& failed) {
            return failed.error();
        }
        ADD_FAILURE() << "opened " << path;
        return {};
    }

    suite::testing::ScratchFolder folder_;
    int count_ = 0;
    Told told_;
};

TEST_F(OpenSteps, AThirtyTwoBitFileIsReadDecodedAndShownInColour)
{
    const std::string pixel("\x10\x20\x30\x40", 4);
    const OpenedFile opened =
        openDdsFile(write(ddsFile(3, 2, 32, repeated(pixel, 6))), told_, told_);
    EXPECT_EQ(told_.steps, (std::vector<std::string>{"header 3", "total 6", "decoded with alpha",
                                                     "Montando imagem..."}));
    EXPECT_EQ(told_.drawn, 6);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->header.height, 2);
    EXPECT_EQ(opened.first.grid.cell(2, 3), 0x40102030u);
    // The colour view is the grid itself.
    EXPECT_FALSE(opened.first.view);
}

TEST_F(OpenSteps, EachRefusalSaysWhyAndStopsTellingWhereItFailed)
{
    const OpenError missing = failure(folder_ / "missing.dds");
    EXPECT_EQ(missing.kind, OpenError::Kind::Unreadable);
    EXPECT_FALSE(missing.detail.empty());
    EXPECT_EQ(failure(folder_.path()).kind, OpenError::Kind::Unreadable);
    EXPECT_TRUE(told_.steps.empty());

    const OpenError negative = failure(write(ddsFile(-4, 2, 32, "")));
    EXPECT_EQ(negative.kind, OpenError::Kind::InvalidSize);
    EXPECT_EQ(negative.width, -4);
    EXPECT_EQ(told_.steps, std::vector<std::string>{"header -4"});

    told_.steps.clear();
    const OpenError large = failure(write(ddsFile(65536, 32768, 32, "")));
    EXPECT_EQ(large.kind, OpenError::Kind::TooLarge);
    EXPECT_EQ(large.height, 32768);
    EXPECT_EQ(told_.steps.size(), 1u);

    told_.steps.clear();
    const OpenError unknown = failure(write(fourCCHeader(4, 4, "ATC ") + std::string(8, '\0')));
    EXPECT_EQ(unknown.kind, OpenError::Kind::Unsupported);
    EXPECT_NE(unknown.detail.find("ATC"), std::string::npos) << unknown.detail;
    EXPECT_EQ(told_.steps, (std::vector<std::string>{"header 4", "total 16"}));
}

// The other views are built from the grid, and either way the drawing
// stage counts every pixel once.
TEST_F(OpenSteps, ViewsAreBuiltFromTheGridAndEveryPixelIsCounted)
{
    const int side = 12;
    const std::string file = fourCCHeader(side, side, "DXT5") +
                             squishCompressed(colourWheel(side, side), side, side, squish::kDxt5);
    const OpenedFile opened = openDdsFile(write(file), told_, told_);
    EXPECT_FALSE(opened.first.view);
    const ImageGrid& grid = opened.first.grid;
    std::vector<std::uint32_t> expected(grid.cellCount());
    EXPECT_EQ(told_.drawn, side * side);

    told_.drawn = 0;
    const ShownSurface alpha = decodeShownSurface(*opened.file, 0, 0, ChannelView::Alpha, told_);
    buildView(grid, ChannelView::Alpha, expected.data());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), alpha.view->data()));
    EXPECT_EQ(told_.drawn, side * side);
}

TEST(SurfaceNames, CubeFacesArraysAndLevels)
{
    const auto layoutOf = [](const std::string& header) { return parseDdsFile(header).layout; };
    const SurfaceLayout cube = layoutOf(fourCCHeader(4, 4, "DXT1", 3, 0x200 | 0xFC00));
    std::vector<std::string> faces;
    for (std::uint32_t choice = 0; choice < choicesAt(cube, 0); ++choice)
        faces.push_back(surfaceChoiceName(cube, choice));
    EXPECT_EQ(faces, (std::vector<std::string>{"+X", "-X", "+Y", "-Y", "+Z", "-Z"}));
    EXPECT_EQ(levelName(cube, 0), "0: 4 x 4");
    EXPECT_EQ(levelName(cube, 2), "2: 1 x 1");

    // A cube holding only -X and +Z names those; an array of cubes puts the
    // element first; a plain array is numbered.
    const SurfaceLayout some = layoutOf(fourCCHeader(4, 4, "DXT1", 0, 0x200 | 0x800 | 0x4000));
    EXPECT_EQ(surfaceChoiceName(some, 1), "+Z");
    const SurfaceLayout cubes = layoutOf(dx10Header(8, 2, 71, 2, 0x4));
    EXPECT_EQ(surfaceChoiceName(cubes, 9), "1: -Y");
    EXPECT_EQ(levelName(cubes, 0), "0: 8 x 2");
    const SurfaceLayout array = layoutOf(dx10Header(4, 4, 71, 3));
    EXPECT_EQ(surfaceChoiceName(array, 2), "2");
}

} // namespace
} // namespace texpeek
