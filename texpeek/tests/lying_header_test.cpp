#include "texpeek/core/dds_file.h"
#include "texpeek/core/open_steps.h"
#include "texpeek/core/surface_decoder.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/quiet_decoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace texpeek {
namespace {

using namespace testing;

// The process's peak of address space and of resident memory so far, in
// kB, from /proc; nothing where the system has no such file.
struct Peaks {
    std::int64_t virtualKb = 0;
    std::int64_t residentKb = 0;
};

std::optional<Peaks> peaks()
{
    std::ifstream status("/proc/self/status");
    if (!status)
        return std::nullopt;
    Peaks p;
    std::string key;
    while (status >> key) {
        if (key == "VmPeak:")
            status >> p.virtualKb;
        else if (key == "VmHWM:")
            status >> p.residentKb;
        status.ignore(1 << 12, '\n');
    }
    return p;
}

// Runs `work` and checks that the resident peak, and with `addressSpace`
// the address space's (which every decoding thread's stack and heap
// arena swell), grew by no more than `limitMb`.
template <typename Work>
void expectWithin(std::int64_t limitMb, Work work, bool addressSpace = true)
{
    const std::optional<Peaks> before = peaks();
    work();
    const std::optional<Peaks> after = peaks();
    if (!before || !after)
        return; // no way to measure here; the work still ran
    if (addressSpace) {
        EXPECT_LT(after->virtualKb - before->virtualKb, limitMb * 1024);
    }
    EXPECT_LT(after->residentKb - before->residentKb, limitMb * 1024);
}

TEST(LyingHeaders, A152ByteFileClaimingTwoGigapixelsIsRefusedWithoutTheirMemory)
{
    // 46340 x 46340 BC1 and 24 bytes of blocks: less than one row of them.
    const std::string bytes = fourCCHeader(46340, 46340, "DXT1") + std::string(24, '\x55');
    ASSERT_EQ(bytes.size(), 152u);
    expectWithin(100, [&] {
        const DdsFile file = parseDdsFile(bytes);
        SilentProgress quiet;
        try {
            decodeShownSurface(file, 0, 0, ChannelView::Colour, quiet);
            ADD_FAILURE() << "opened";
        } catch (const DdsError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Dados insuficientes: o arquivo tem 24 de 1073697800 bytes da imagem");
        }
    });
    // Every level and an uncompressed twin alike.
    const DdsFile withLevels = parseDdsFile(fourCCHeader(46340, 46340, "DXT1", 16) + "12345678");
    SilentProgress quiet;
    for (std::uint32_t level = 0; level < withLevels.layout.levels; ++level)
        EXPECT_THROW(decodeFileSurface(withLevels, level, 0, quiet), DdsError) << level;
    expectWithin(100, [&] {
        EXPECT_THROW(decodeFileSurface(parseDdsFile(ddsHeader(46340, 46340, 32) + "1234"), 0, 0,
                                       quiet),
                     DdsError);
    });
}

TEST(LyingHeaders, OneRowOfDataShowsABoundedPictureWithTheRestMissing)
{
    // One full row of blocks of a 46340 x 46340 BC1 picture: it opens, and
    // grid and view hold about 1.5 times the rows the data fills.
    const std::uint32_t side = 46340;
    const std::string row = repeated(bc1Block(0xFFFF, 0xFFFF, 0), side / 4);
    const DdsFile file = parseDdsFile(fourCCHeader(side, side, "DXT1") + row);
    const SurfaceCoverage coverage = fileSurfaceCoverage(file, 0, 0);
    EXPECT_FALSE(coverage.complete());
    EXPECT_EQ(coverage.height, side);
    EXPECT_GE(coverage.shownHeight, 4u);
    EXPECT_LE(std::uint64_t{coverage.shownHeight} * side * 8,
              std::uint64_t{side} * 4 * 4 * 3 + (std::uint64_t{4} << 20));
    EXPECT_EQ(missingDataText(coverage), "Faltam 1073605120 de 1073697800 bytes (100%)");
    expectWithin(
        60,
        [&] {
            SilentProgress quiet;
            const ShownSurface shown = decodeShownSurface(file, 0, 0, ChannelView::Colour, quiet);
            EXPECT_EQ(static_cast<std::uint32_t>(shown.grid.height()), coverage.shownHeight);
            EXPECT_EQ(shown.grid.cell(4, side), 0xFFFFFFFFu);
            EXPECT_EQ(shown.grid.cell(5, 1), missingCell(0, 4));
            EXPECT_EQ(shown.grid.cell(13, 9), missingCell(8, 12));
            EXPECT_NE(missingCell(0, 4), missingCell(8, 4));
        },
        false);
}

TEST(LyingHeaders, TruncationAtEveryByteOpensWithWhatIsThereOrSaysWhy)
{
    // 12 x 8 BC1 with its levels (6 x 4, 3 x 2, 1 x 1), every block white,
    // and a DX10 twin of 8-bit red; the file cut after every byte.
    struct Case {
        std::string bytes;
        std::size_t headerBytes;
        std::size_t unitBytes;
        std::size_t rowUnits;
    };
    const std::string white = bc1Block(0xFFFF, 0xFFFF, 0);
    const Case cases[] = {
        {fourCCHeader(12, 8, "DXT1", 4) + repeated(white, 6 + 2 + 1 + 1), 128, 8, 3},
        {dx10Header(12, 8, 61) + std::string(96, '\x7F'), 148, 1, 12},
    };
    for (const Case& c : cases) {
        for (std::size_t length = 0; length <= c.bytes.size(); ++length) {
            SCOPED_TRACE(length);
            const DdsFile file = parseDdsFile(c.bytes.substr(0, length));
            SilentProgress quiet;
            if (file.pixelFormat() == nullptr) { // cut inside the headers
                EXPECT_LT(length, c.headerBytes);
                EXPECT_THROW(decodeFileSurface(file, 0, 0, quiet), DdsError);
                continue;
            }
            const std::size_t data = length > c.headerBytes ? length - c.headerBytes : 0;
            const std::size_t units = data / c.unitBytes;
            if (units < c.rowUnits) {
                EXPECT_THROW(decodeFileSurface(file, 0, 0, quiet), DdsError);
                continue;
            }
            const ImageGrid grid = decodeFileSurface(file, 0, 0, quiet);
            ASSERT_EQ(grid.width(), 12);
            ASSERT_EQ(grid.height(), 8);
            const SurfaceCoverage coverage = fileSurfaceCoverage(file, 0, 0);
            EXPECT_EQ(coverage.complete(), missingDataText(coverage).empty());
            for (std::uint32_t y = 0; y < 8; ++y) {
                for (std::uint32_t x = 0; x < 12; ++x) {
                    const std::size_t unit = c.unitBytes == 1 ? y * 12 + x : (y / 4) * 3 + x / 4;
                    const std::uint32_t cell = grid.cell(static_cast<std::int32_t>(y + 1),
                                                         static_cast<std::int32_t>(x + 1));
                    if (unit < units)
                        EXPECT_EQ(cell, c.unitBytes == 1 ? 0x7Fu : 0xFFFFFFFFu);
                    else
                        EXPECT_EQ(cell, missingCell(x, y));
                }
            }
        }
    }
}

} // namespace
} // namespace texpeek
