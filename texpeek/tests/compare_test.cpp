#include "texpeek/core/compare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace texpeek {
namespace {

ImageGrid gridOf(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& cells)
{
    ImageGrid grid = ImageGrid::allocate(width, height);
    std::copy(cells.begin(), cells.end(), grid.cells());
    return grid;
}

TEST(Compare, EqualPicturesHaveNoErrorAndAnInfinitePsnr)
{
    const ImageGrid a = gridOf(2, 1, {0x80102030u, 0x00FFFFFFu});
    const Comparison same = compareGrids(a, gridOf(2, 1, {0x80102030u, 0x00FFFFFFu}), true);
    EXPECT_EQ(same.largestError, 0);
    EXPECT_EQ(same.differingPixels, 0u);
    EXPECT_TRUE(std::isinf(same.psnr));
}

TEST(Compare, LargestErrorAndPsnrOverTheChannelsCompared)
{
    // One pixel of four has green 10 higher; another differs only in alpha.
    const ImageGrid a = gridOf(2, 2, {0x00000000u, 0x11223344u, 0x05050505u, 0xFF808080u});
    const ImageGrid b = gridOf(2, 2, {0x00000A00u, 0x11223344u, 0x05050505u, 0x00808080u});
    const Comparison colour = compareGrids(a, b, false);
    EXPECT_EQ(colour.largestError, 10);
    EXPECT_EQ(colour.differingPixels, 1u);
    // Mean square 100 / (4 pixels x 3 channels).
    EXPECT_NEAR(colour.psnr, 10.0 * std::log10(65025.0 / (100.0 / 12.0)), 1e-9);

    const Comparison all = compareGrids(a, b, true);
    EXPECT_EQ(all.largestError, 255);
    EXPECT_EQ(all.differingPixels, 2u);
    EXPECT_NEAR(all.psnr, 10.0 * std::log10(65025.0 / ((100.0 + 255.0 * 255.0) / 16.0)), 1e-9);

    EXPECT_THROW(compareGrids(a, gridOf(4, 1, {0, 0, 0, 0}), false), DdsError);
}

TEST(Compare, TheDifferenceViewIsBlackWhereThePicturesAgreeAndAmplifiesTheRest)
{
    const ImageGrid a = gridOf(3, 1, {0x00102030u, 0x00000000u, 0x40000000u});
    const ImageGrid b = gridOf(3, 1, {0x00102030u, 0x00000208u, 0x00000000u});
    std::vector<std::uint32_t> out(3);
    differenceView(a, b, false, differenceGain(8), out.data());
    EXPECT_EQ(out[0], 0xFF000000u);
    // Red 8 and green 2 times the gain of 31: 248 and 62.
    EXPECT_EQ(out[1], 0xFFF83E00u);
    EXPECT_EQ(out[2], 0xFF000000u);
    // Alpha's difference shows in every channel when it is compared.
    differenceView(a, b, true, 1, out.data());
    EXPECT_EQ(out[2], 0xFF404040u);

    EXPECT_EQ(differenceGain(0), 1);
    EXPECT_EQ(differenceGain(1), 64);
    EXPECT_EQ(differenceGain(200), 1);
}

} // namespace
} // namespace texpeek
