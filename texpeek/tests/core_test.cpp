#include "texpeek/core/dds_header.h"
#include "texpeek/core/pixels.h"
#include "texpeek/core/zoom.h"
#include "texpeek/tests/dds_files.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace texpeek {
namespace {

using testing::ddsFile;
using testing::ddsHeader;
using testing::putLe32;
using testing::repeated;

struct Recorder final : ProgressSink {
    struct Event {
        Stage stage;
        std::string status;
        std::string format;
        std::int64_t pixels = 0;
        std::int64_t largestBatch = 0;
        bool finished = false;
    };
    std::vector<Event> events;

    void stageStarted(Stage stage, std::string_view status, std::string_view format) override
    {
        events.push_back({stage, std::string(status), std::string(format)});
    }
    void pixelsDone(std::int64_t count) override
    {
        events.back().pixels += count;
        events.back().largestBatch = std::max(events.back().largestBatch, count);
    }
    void stageFinished(Stage) override { events.back().finished = true; }
};

std::optional<ImageGrid> decode(const std::string& file, Recorder* recorder = nullptr)
{
    std::istringstream in(file);
    const DdsHeader header = readDdsHeader(in);
    Recorder local;
    return decodePixels(in, header, recorder ? *recorder : local);
}

TEST(DdsHeader, EveryFieldReportsInOrderAsSignedDecimal)
{
    std::string bytes = ddsHeader(128, 64, 32);
    for (std::size_t k = 0; k < 11; ++k)
        putLe32(bytes, 32 + 4 * k, static_cast<std::uint32_t>(k + 100));
    bytes.replace(84, 4, "DXT1");
    putLe32(bytes, 24, 1);
    putLe32(bytes, 28, 8);
    putLe32(bytes, 112, 0x200);
    putLe32(bytes, 116, 7);
    putLe32(bytes, 120, 0xFFFFFFFF);
    putLe32(bytes, 124, 0x80000000);

    const std::vector<std::string> expected = {"DDS Header",
                                               " ",
                                               "Magic Value - 542327876",
                                               "Size - 124",
                                               "Flags - 4111",
                                               "Height - 64",
                                               "Width - 128",
                                               "Pitch - 512",
                                               "Depth - 1",
                                               "MipMap - 8",
                                               "Reserved 1 - 100",
                                               "Reserved 2 - 101",
                                               "Reserved 3 - 102",
                                               "Reserved 4 - 103",
                                               "Reserved 5 - 104",
                                               "Reserved 6 - 105",
                                               "Reserved 7 - 106",
                                               "Reserved 8 - 107",
                                               "Reserved 9 - 108",
                                               "Reserved 10 - 109",
                                               "Reserved 11 - 110",
                                               " ",
                                               "DDS Pixel Format",
                                               " ",
                                               "Size - 32",
                                               "Flags - 65",
                                               "FourCC - 827611204",
                                               "BitCount - 32",
                                               "Red Mask - 16711680",
                                               "Green Mask - 65280",
                                               "Blue Mask - 255",
                                               "Alpha Mesk - -16777216",
                                               " ",
                                               "DDS Caps",
                                               " ",
                                               "Caps 1 - 4096",
                                               "Caps 2 - 512",
                                               "Reserved 1 - 7",
                                               "Reserved 2 - -1",
                                               " ",
                                               "DDS End",
                                               " ",
                                               "Reserved 2 - -2147483648"};
    std::istringstream in(bytes);
    EXPECT_EQ(headerReportLines(readDdsHeader(in)), expected);
}

TEST(DdsHeader, ReadingStopsAtThePixelsAndShortFilesReadAsZero)
{
    std::istringstream whole(ddsFile(1, 1, 32, "\x7B"));
    readDdsHeader(whole);
    EXPECT_EQ(whole.get(), 0x7B);

    std::string shortFile = ddsHeader(640, 480, 24).substr(0, 14); // height cut after 2 bytes
    shortFile[12] = '\x34';
    shortFile[13] = '\x12';
    std::istringstream in(shortFile);
    const DdsHeader h = readDdsHeader(in);
    EXPECT_EQ(h.size, 124);
    EXPECT_EQ(h.height, 0x1234);
    EXPECT_EQ(h.width, 0);
    EXPECT_EQ(h.pixelFormat.bitCount, 0);
}

TEST(DdsHeader, FormatNamesFollowTheBitCount)
{
    EXPECT_EQ(formatName(16), "R5G6B5");
    EXPECT_EQ(formatName(24), "R8G8B8");
    EXPECT_EQ(formatName(32), "A8R8G8B8");
    EXPECT_EQ(formatName(8), "");
}

TEST(Decode, SixteenBitWordsScaleEachChannelToEightBits)
{
    EXPECT_EQ(scale5(31), 255);
    EXPECT_EQ(scale5(16), 132);
    EXPECT_EQ(scale5(1), 8);
    EXPECT_EQ(scale6(32), 130);
    EXPECT_EQ(scale6(63), 255);

    std::string pixels;
    for (std::uint32_t word : {0xFFFFu, 0xF800u, 0x07E0u, 0x001Fu, 0x8410u, 0x0000u})
        pixels += {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
    const auto grid = decode(ddsFile(3, 2, 16, pixels));
    ASSERT_TRUE(grid);
    auto rgba = [&](int row, int col) {
        return std::vector<int>{grid->red(row, col), grid->green(row, col), grid->blue(row, col),
                                grid->alpha(row, col)};
    };
    EXPECT_EQ(rgba(1, 1), (std::vector<int>{255, 255, 255, 0}));
    EXPECT_EQ(rgba(1, 2), (std::vector<int>{255, 0, 0, 0}));
    EXPECT_EQ(rgba(1, 3), (std::vector<int>{0, 255, 0, 0}));
    EXPECT_EQ(rgba(2, 1), (std::vector<int>{0, 0, 255, 0}));
    EXPECT_EQ(rgba(2, 2), (std::vector<int>{132, 130, 132, 0}));
    EXPECT_EQ(rgba(2, 3), (std::vector<int>{0, 0, 0, 0}));
}

TEST(Decode, ThirtyTwoBitPixelsAreBlueGreenRedAlphaInTheFile)
{
    const auto grid = decode(ddsFile(2, 1, 32, std::string("\x10\x20\x30\x40\xFF\x00\x00\x80", 8)));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->cell(1, 1), 0x40102030u); // red + 256 green + 65536 blue + 2^24 alpha
    EXPECT_EQ(grid->red(1, 1), 0x30);
    EXPECT_EQ(grid->blue(1, 1), 0x10);
    EXPECT_EQ(grid->alpha(1, 1), 0x40);
    EXPECT_EQ(grid->cell(1, 2), 0x80FF0000u);
}

TEST(Decode, TwentyFourBitRowsAreReadPackedSoPaddingShiftsLaterRows)
{
    // Two rows of three pixels, each row padded to 12 bytes with 0xEE.
    const std::string row1("\x01\x02\x03\x04\x05\x06\x07\x08\x09\xEE\xEE\xEE", 12);
    const std::string row2("\x11\x12\x13\x14\x15\x16\x17\x18\x19\xEE\xEE\xEE", 12);
    const auto grid = decode(ddsFile(3, 2, 24, row1 + row2));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->cell(1, 1), 0x00010203u);
    EXPECT_EQ(grid->cell(1, 3), 0x00070809u);
    EXPECT_EQ(grid->cell(2, 1), 0x00EEEEEEu); // the filler, read as a pixel
    EXPECT_EQ(grid->cell(2, 2), 0x00111213u);
    EXPECT_EQ(grid->cell(2, 3), 0x00141516u);
}

TEST(Decode, OnlyTheFirstImageOfAMipMappedFileIsRead)
{
    std::string file = ddsFile(2, 2, 32,
                               repeated(std::string("\x01\x02\x03\x04", 4), 4) +
                                   std::string("\x09\x09\x09\x09", 4));
    putLe32(file, 28, 2);
    std::istringstream in(file);
    const DdsHeader header = readDdsHeader(in);
    Recorder progress;
    const auto grid = decodePixels(in, header, progress);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->cellCount(), 4u);
    EXPECT_EQ(grid->cell(2, 2), 0x04010203u);
    EXPECT_EQ(in.get(), 9); // the next level is left unread
}

TEST(Decode, BytesMissingAtTheEndReadAsZero)
{
    const auto g32 = decode(ddsFile(2, 2, 32, std::string("\x01\x02\x03\x04\x05\x06", 6)));
    ASSERT_TRUE(g32);
    EXPECT_EQ(g32->cell(1, 1), 0x04010203u);
    EXPECT_EQ(g32->cell(1, 2), 0x00050600u);
    EXPECT_EQ(g32->cell(2, 2), 0u);

    const auto g24 = decode(ddsFile(2, 1, 24, std::string("\x01\x02\x03\x04", 4)));
    ASSERT_TRUE(g24);
    EXPECT_EQ(g24->cell(1, 2), 0x00000004u << 16);

    const auto g16 = decode(ddsFile(2, 1, 16, std::string("\xFF\xFF\x1F", 3)));
    ASSERT_TRUE(g16);
    EXPECT_EQ(g16->cell(1, 2), 0x00FF0000u); // low byte 0x1F: pure blue

    // Large enough to be taken as a mapped block rather than from the heap.
    auto large = decode(ddsFile(2048, 1024, 32, std::string("\x01\x02\x03\x04", 4)));
    ASSERT_TRUE(large);
    EXPECT_EQ(large->cell(1, 1), 0x04010203u);
    EXPECT_EQ(large->cell(1024, 2048), 0u);
    const ImageGrid moved = std::move(*large);
    EXPECT_EQ(moved.cell(1, 1), 0x04010203u);

    const auto none = decode(ddsHeader(4, 4, 32).substr(0, 100));
    ASSERT_TRUE(none); // the bit count survived; the sides did too
    EXPECT_EQ(none->cell(4, 4), 0u);
}

TEST(Decode, OtherBitCountsReadNothingAndBadSidesThrow)
{
    std::istringstream in(ddsFile(2, 2, 8, "\x05"));
    const DdsHeader header = readDdsHeader(in);
    Recorder progress;
    EXPECT_FALSE(decodePixels(in, header, progress));
    EXPECT_TRUE(progress.events.empty());
    EXPECT_EQ(in.get(), 5);

    DdsHeader h;
    h.width = -1;
    h.height = 4;
    EXPECT_THROW(pixelTotal(h), DdsError);
    h.width = 65536;
    h.height = 32768; // exactly 2^31
    EXPECT_THROW(pixelTotal(h), DdsError);
    h.width = 46340;
    h.height = 46340;
    EXPECT_EQ(pixelTotal(h), 2147395600);
    h.width = 0;
    EXPECT_EQ(pixelTotal(h), 0);
}

TEST(PixelBlock, ACountWhoseByteSizeWrapsAroundIsRefused)
{
    // (2^62 + 1) words are 2^64 + 4 bytes, which wraps to 4.
    EXPECT_THROW(PixelBlock(SIZE_MAX / 4 + 2), std::bad_alloc);
}

TEST(Decode, ProgressNamesEachStageAndCountsEveryPixelInSmallBatches)
{
    Recorder sixteen;
    decode(ddsFile(200, 100, 16, ""), &sixteen);
    ASSERT_EQ(sixteen.events.size(), 2u);
    EXPECT_EQ(sixteen.events[0].stage, Stage::Reading);
    EXPECT_EQ(sixteen.events[0].status, "Adquirindo cores da imagem 16 bits...");
    EXPECT_EQ(sixteen.events[0].format, "R5G6B5");
    EXPECT_EQ(sixteen.events[1].stage, Stage::Converting);
    EXPECT_EQ(sixteen.events[1].status, "Transormando dados...");
    for (const auto& e : sixteen.events) {
        EXPECT_EQ(e.pixels, 20000);
        EXPECT_LE(e.largestBatch, 200); // one percent
        EXPECT_TRUE(e.finished);
    }

    Recorder thirtyTwo;
    decode(ddsFile(3, 3, 32, ""), &thirtyTwo);
    ASSERT_EQ(thirtyTwo.events.size(), 1u);
    EXPECT_EQ(thirtyTwo.events[0].status, "Adquirindo cores da imagem 32 bits...");
    EXPECT_EQ(thirtyTwo.events[0].format, "A8R8G8B8");
    EXPECT_EQ(thirtyTwo.events[0].pixels, 9);
}

TEST(View, ColourAndAlphaViewsAreOpaqueScreenPixels)
{
    const auto grid = decode(ddsFile(2, 1, 32, std::string("\x10\x20\x30\x80\x00\x00\x00\xFF", 8)));
    ASSERT_TRUE(grid);
    std::uint32_t out[2] = {};
    buildView(*grid, ChannelView::Colour, out);
    EXPECT_EQ(out[0], 0xFF302010u);
    EXPECT_EQ(out[1], 0xFF000000u);
    Recorder progress;
    progress.stageStarted(Stage::Drawing, "", "");
    buildView(*grid, ChannelView::Alpha, out, &progress);
    EXPECT_EQ(out[0], 0xFF808080u);
    EXPECT_EQ(out[1], 0xFFFFFFFFu);
    EXPECT_EQ(progress.events[0].pixels, 2);
}

TEST(Zoom, StepsByFourBetweenThreeAndSixtyThree)
{
    std::vector<int> down;
    for (auto s = std::optional<std::int16_t>(kOpenCellSize); s;
         s = zoomStep(*s, ZoomDirection::Out))
        down.push_back(*s);
    EXPECT_EQ(down, (std::vector<int>{15, 11, 7, 3}));
    std::vector<int> up;
    for (auto s = std::optional<std::int16_t>(kOpenCellSize); s;
         s = zoomStep(*s, ZoomDirection::In))
        up.push_back(*s);
    EXPECT_EQ(up.size(), 13u);
    EXPECT_EQ(up.back(), 63);

    EXPECT_DOUBLE_EQ(cellStart(1, 15), 1.0);
    EXPECT_DOUBLE_EQ(cellStart(2, 3), 0.4);
    EXPECT_EQ(pictureExtent(4, 15), 5);
    EXPECT_EQ(pictureExtent(4, 63), 21);
    EXPECT_EQ(pictureExtent(0, 63), 0);
}

} // namespace
} // namespace texpeek
