// Large surfaces are decoded and viewed by several threads taking chunks of
// rows in turn; whatever the sides, the result must be the one a plain
// block-by-block decode gives, and progress and cancelling must still hold.
#include "texpeek/core/block_decoders.h"
#include "texpeek/core/parallel.h"
#include "texpeek/core/pixels.h"
#include "texpeek/core/surface_decoder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace texpeek {
namespace {

struct Counting final : ProgressSink {
    std::int64_t pixels = 0;
    std::int64_t largest = 0;
    std::int64_t throwAfter = -1; // stop once this many pixels are told
    void stageStarted(Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t count) override
    {
        pixels += count;
        largest = std::max(largest, count);
        if (throwAfter >= 0 && pixels >= throwAfter)
            throw std::runtime_error("stop");
    }
    void stageFinished(Stage) override {}
};

PixelFormat blockFormat(Encoding encoding)
{
    PixelFormat format;
    format.encoding = encoding;
    format.name = "test";
    return format;
}

std::vector<unsigned char> randomBytes(std::size_t count, unsigned salt)
{
    std::mt19937 random(salt);
    std::vector<unsigned char> bytes(count);
    for (unsigned char& byte : bytes)
        byte = static_cast<unsigned char>(random() & 0xFF);
    return bytes;
}

// Block by block on one thread, blocks past `available` bytes read as zero.
std::vector<std::uint32_t> referenceDecode(const std::vector<unsigned char>& data,
                                           std::size_t available, Encoding encoding,
                                           std::size_t blockBytes, std::uint32_t width,
                                           std::uint32_t height)
{
    std::vector<std::uint32_t> cells(std::size_t{width} * height);
    // Cells as the default reading shows them (BC5 with Z rebuilt).
    const PixelFormat format = blockFormat(encoding);
    const DisplayMapping mapping(format, defaultInterpretation(format, std::nullopt));
    const std::size_t across = (width + 3) / 4;
    std::vector<unsigned char> block(blockBytes);
    BlockPixels pixels;
    for (std::size_t by = 0; by * 4 < height; ++by) {
        for (std::size_t bx = 0; bx < across; ++bx) {
            const std::size_t offset = (by * across + bx) * blockBytes;
            // A block the file does not hold whole is shown as missing.
            const bool whole = offset + blockBytes <= available;
            if (whole) {
                std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), blockBytes,
                            block.begin());
                decodeBlock(encoding, block.data(), pixels);
                mapping.cells(pixels.data(), pixels.size());
            }
            for (std::size_t y = 0; y < 4 && by * 4 + y < height; ++y)
                for (std::size_t x = 0; x < 4 && bx * 4 + x < width; ++x) {
                    const std::size_t px = bx * 4 + x;
                    const std::size_t py = by * 4 + y;
                    cells[py * width + px] = whole ? pixels[y * 4 + x]
                                                   : missingCell(static_cast<std::uint32_t>(px),
                                                                 static_cast<std::uint32_t>(py));
                }
        }
    }
    return cells;
}

TEST(ParallelDecode, OddSidesAndShortDataMatchABlockByBlockDecode)
{
    struct Case {
        Encoding encoding;
        std::size_t blockBytes;
        std::uint32_t width;
        std::uint32_t height;
    };
    // Sides that are not multiples of 4 nor of a chunk, a single column
    // taller than many chunks, and a single row of blocks cut at the bottom.
    const Case cases[] = {
        {Encoding::Bc1, 8, 4099, 21}, {Encoding::Bc3, 16, 259, 257}, {Encoding::Bc7, 16, 1, 70001},
        {Encoding::Bc4, 8, 70003, 3}, {Encoding::Bc5, 16, 301, 303}, {Encoding::Bc2, 16, 520, 130},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::size_t blocks = std::size_t{(c.width + 3) / 4} * ((c.height + 3) / 4);
        const std::vector<unsigned char> data =
            randomBytes(blocks * c.blockBytes, c.width + c.height);
        const PixelFormat format = blockFormat(c.encoding);
        // Whole, then ending inside a block two thirds of the way down.
        for (const std::size_t available : {data.size(), data.size() * 2 / 3 + 5}) {
            Counting progress;
            // Less than one row of blocks is refused.
            if (available < (c.width + 3) / 4 * c.blockBytes) {
                EXPECT_THROW(decodeSurface(data.data(), available, blockFormat(c.encoding), c.width,
                                           c.height, progress),
                             DdsError);
                continue;
            }
            std::vector<std::uint32_t> view(std::size_t{c.width} * c.height, 0xDEADBEEFu);
            const ImageGrid grid = decodeSurface(data.data(), available, format, c.width, c.height,
                                                 progress, view.data());
            const std::vector<std::uint32_t> expected =
                referenceDecode(data, available, c.encoding, c.blockBytes, c.width, c.height);
            ASSERT_EQ(grid.cellCount(), expected.size());
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), grid.cells()));
            EXPECT_EQ(progress.pixels, static_cast<std::int64_t>(expected.size()));
            EXPECT_LE(progress.largest, kProgressBatch);

            // The view made while decoding is the one made afterwards.
            std::vector<std::uint32_t> after(expected.size());
            buildView(grid, ChannelView::Colour, after.data());
            EXPECT_EQ(view, after);
        }
    }
}

TEST(ParallelDecode, UncompressedLayoutsMatchDecodingOneRowAtATime)
{
    // A row alone is too small to be split, so row by row is a decode on
    // one thread.
    PixelFormat masked;
    masked.encoding = Encoding::Masked;
    masked.bitsPerPixel = 16;
    masked.masks = {0x7C00, 0x03E0, 0x001F, 0x8000, false};
    PixelFormat halves;
    halves.encoding = Encoding::Rgba16Float;
    halves.bitsPerPixel = 64;
    PixelFormat legacy24;
    legacy24.encoding = Encoding::Legacy24;
    legacy24.bitsPerPixel = 24;
    PixelFormat legacy32;
    legacy32.encoding = Encoding::Legacy32;
    legacy32.bitsPerPixel = 32;
    const std::uint32_t width = 1001;
    const std::uint32_t height = 131;
    for (const PixelFormat& format : {masked, halves, legacy24, legacy32}) {
        const std::size_t rowBytes =
            std::size_t{width} * static_cast<std::size_t>(format.bitsPerPixel / 8);
        const std::vector<unsigned char> data = randomBytes(rowBytes * height, 11);
        // Ending in the middle of a pixel of row 100.
        const std::size_t available = rowBytes * 100 + 333;
        Counting progress;
        const ImageGrid grid =
            decodeSurface(data.data(), available, format, width, height, progress);
        EXPECT_EQ(progress.pixels, std::int64_t{width} * height);
        const std::size_t present = available / static_cast<std::size_t>(format.bitsPerPixel / 8);
        for (std::uint32_t row = 0; row < height; ++row) {
            const ImageGrid alone =
                decodeSurface(data.data() + row * rowBytes, rowBytes, format, width, 1, progress);
            for (std::uint32_t x = 0; x < width; ++x) {
                const std::size_t i = std::size_t{row} * width + x;
                ASSERT_EQ(grid.cells()[i], i < present ? alone.cells()[x] : missingCell(x, row))
                    << row << ", " << x;
            }
        }
    }
}

TEST(ParallelDecode, AStopFromTheProgressSinkEndsTheDecodeOnTheCallingThread)
{
    const std::uint32_t side = 1024;
    const std::vector<unsigned char> data = randomBytes(std::size_t{side / 4} * (side / 4) * 16, 7);
    const PixelFormat format = blockFormat(Encoding::Bc7);
    Counting progress;
    progress.throwAfter = std::int64_t{side} * side / 3;
    EXPECT_THROW(decodeSurface(data.data(), data.size(), format, side, side, progress),
                 std::runtime_error);
    EXPECT_LT(progress.pixels, std::int64_t{side} * side);
}

TEST(ParallelViews, EveryViewOfALargeGridWithAnOddCountCoversEveryCell)
{
    // One cell more than a whole number of chunks, so that the last chunk
    // is a single cell.
    ImageGrid grid = ImageGrid::allocate(65537, 3);
    std::mt19937 random(3);
    for (std::size_t i = 0; i < grid.cellCount(); ++i)
        grid.cells()[i] = static_cast<std::uint32_t>(random());
    std::vector<std::uint32_t> out(grid.cellCount());
    Counting progress;
    for (const ChannelView view : {ChannelView::Colour, ChannelView::Alpha, ChannelView::Green}) {
        std::fill(out.begin(), out.end(), 0u);
        buildView(grid, view, out.data(), &progress);
        for (const std::size_t i : {std::size_t{0}, grid.cellCount() / 2, grid.cellCount() - 1}) {
            const std::uint32_t cell = grid.cells()[i];
            const std::uint32_t expected =
                view == ChannelView::Colour
                    ? 0xFF000000u | (cell & 0xFFu) << 16 | (cell & 0xFF00u) | (cell >> 16 & 0xFFu)
                    : 0xFF000000u |
                          (cell >> (view == ChannelView::Alpha ? 24 : 8) & 0xFFu) * 0x010101u;
            EXPECT_EQ(out[i], expected) << i;
        }
        EXPECT_EQ(std::count(out.begin(), out.end(), 0u), 0);
    }
    EXPECT_EQ(progress.pixels, 3 * static_cast<std::int64_t>(grid.cellCount()));
    EXPECT_LE(progress.largest, kProgressBatch);
}

TEST(RunInChunks, EveryItemOnceWithMoreThreadsThanCoresAndHelperFailuresComeBack)
{
    for (const std::size_t count :
         {std::size_t{1}, std::size_t{7}, std::size_t{1000}, std::size_t{1001}}) {
        std::vector<std::atomic<int>> seen(count);
        std::size_t reported = 0;
        runInChunks(
            count, 3, 8,
            [&](std::size_t first, std::size_t last) {
                for (std::size_t i = first; i < last; ++i)
                    ++seen[i];
                return last - first;
            },
            [&](std::size_t units) { reported += units; });
        for (std::size_t i = 0; i < count; ++i)
            ASSERT_EQ(seen[i].load(), 1) << count << " " << i;
        EXPECT_EQ(reported, count);
    }

    // Work failing on whichever thread takes chunk 5 fails the whole run
    // here instead of ending the program.
    EXPECT_THROW(runInChunks(
                     100, 1, 4,
                     [](std::size_t first, std::size_t) -> std::size_t {
                         if (first == 5)
                             throw std::runtime_error("bad chunk");
                         return 1;
                     },
                     [](std::size_t) {}),
                 std::runtime_error);
}

} // namespace
} // namespace texpeek
