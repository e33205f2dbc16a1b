#include "texpeek/core/dds_file.h"
#include "texpeek/core/surface_decoder.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/quiet_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace texpeek {
namespace {

using namespace testing;

struct Quiet final : ProgressSink {
    std::vector<std::string> stages;
    void stageStarted(Stage, std::string_view status, std::string_view) override
    {
        stages.emplace_back(status);
    }
    void pixelsDone(std::int64_t) override {}
    void stageFinished(Stage) override {}
};

ImageGrid decodeFirst(const std::string& bytes, std::uint32_t level = 0, std::uint32_t choice = 0)
{
    Quiet quiet;
    const DdsFile file = parseDdsFile(bytes);
    return decodeFileSurface(file, level, choice, quiet);
}

struct MaskCase {
    const char* name;
    int bits;
    std::uint32_t flags, red, green, blue, alpha;
    std::uint32_t pixel;
    int r, g, b, a;
    bool hasAlpha;
};

// Each layout with one pixel worked out by hand: channel values scale to 8
// bits as value * 255 / largest value, rounded to nearest.
const MaskCase kMaskCases[] = {
    {"A1R5G5B5", 16, 0x41, 0x7C00, 0x03E0, 0x001F, 0x8000, 0xC210, 132, 132, 132, 255, true},
    {"X1R5G5B5", 16, 0x40, 0x7C00, 0x03E0, 0x001F, 0, 0xFC00, 255, 0, 0, 0, false},
    {"A4R4G4B4", 16, 0x41, 0x0F00, 0x00F0, 0x000F, 0xF000, 0x8F4C, 255, 68, 204, 136, true},
    {"X4R4G4B4", 16, 0x40, 0x0F00, 0x00F0, 0x000F, 0, 0x8F4C, 255, 68, 204, 0, false},
    {"R3G3B2", 8, 0x40, 0xE0, 0x1C, 0x03, 0, 0xB6, 182, 182, 170, 0, false},
    {"A8R3G3B2", 16, 0x41, 0xE0, 0x1C, 0x03, 0xFF00, 0x80E3, 255, 0, 255, 128, true},
    {"A8B8G8R8", 32, 0x41, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 0x40302010, 0x10, 0x20, 0x30, 0x40,
     true},
    {"X8B8G8R8", 32, 0x40, 0xFF, 0xFF00, 0xFF0000, 0, 0x40302010, 0x10, 0x20, 0x30, 0, false},
    {"X8R8G8B8", 32, 0x40, 0xFF0000, 0xFF00, 0xFF, 0, 0x40302010, 0x30, 0x20, 0x10, 0, false},
    {"A2R10G10B10", 32, 0x41, 0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000, 0xBFF80000, 255, 128, 0, 170,
     true},
    {"A2B10G10R10", 32, 0x41, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000, 0xBFF80000, 0, 128, 255, 170,
     true},
    {"G16R16", 32, 0x40, 0xFFFF, 0xFFFF0000, 0, 0, 0x8000FFFF, 255, 128, 0, 0, false},
    {"L8", 8, 0x20000, 0xFF, 0, 0, 0, 0x40, 0x40, 0x40, 0x40, 0, false},
    {"A8L8", 16, 0x20001, 0xFF, 0, 0, 0xFF00, 0x8040, 0x40, 0x40, 0x40, 0x80, true},
    {"A4L4", 8, 0x20001, 0x0F, 0, 0, 0xF0, 0x5A, 170, 170, 170, 85, true},
    {"L16", 16, 0x20000, 0xFFFF, 0, 0, 0, 0x8000, 128, 128, 128, 0, false},
    {"A8", 8, 0x2, 0, 0, 0, 0xFF, 0x99, 0, 0, 0, 0x99, true},
    // A mask set no file is known to use still decodes by its masks.
    {"R2G2B2A2", 8, 0x41, 0xC0, 0x30, 0x0C, 0x03, 0x9C, 170, 85, 255, 0, true},
};

TEST(MaskedLayouts, EveryLayoutDecodesByItsMasks)
{
    for (const MaskCase& c : kMaskCases) {
        SCOPED_TRACE(c.name);
        const std::string pixel = le(c.pixel, c.bits / 8);
        const std::string bytes =
            maskedHeader(3, 1, c.bits, c.flags, c.red, c.green, c.blue, c.alpha) + pixel + pixel +
            pixel;
        const DdsFile file = parseDdsFile(bytes);
        ASSERT_NE(file.pixelFormat(), nullptr);
        EXPECT_EQ(file.pixelFormat()->name, c.name);
        EXPECT_EQ(file.pixelFormat()->hasAlpha, c.hasAlpha);
        // As the masks say, also where the usual reading swaps them.
        Interpretation asWritten = defaultInterpretation(file);
        asWritten.maskOrder.value = MaskOrder::AsWritten;
        Quiet quiet;
        const ImageGrid grid = decodeFileSurface(file, 0, 0, quiet, nullptr, &asWritten);
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(grid.red(1, column), c.r);
            EXPECT_EQ(grid.green(1, column), c.g);
            EXPECT_EQ(grid.blue(1, column), c.b);
            EXPECT_EQ(grid.alpha(1, column), c.a);
        }
    }
}

TEST(MaskedLayouts, AlphaMaskCountsOnlyWhenTheFlagsSaySo)
{
    // Masks of A1R5G5B5 but flags without alpha: the top bit is filler.
    const std::string bytes =
        maskedHeader(1, 1, 16, 0x40, 0x7C00, 0x03E0, 0x001F, 0x8000) + le(0xFC00, 2);
    const DdsFile file = parseDdsFile(bytes);
    EXPECT_EQ(file.pixelFormat()->name, "X1R5G5B5");
    EXPECT_EQ(decodeFirst(bytes).alpha(1, 1), 0);
}

TEST(MaskedLayouts, TheThreeOriginalLayoutsKeepTheirDecoders)
{
    // Masks of R5G6B5, R8G8B8 and A8R8G8B8, or no masks at all, go through
    // the decoders whose stage texts and values the window has always shown.
    struct Legacy {
        std::string header;
        const char* stage;
    };
    const Legacy cases[] = {
        {ddsHeader(1, 1, 16), "Adquirindo cores da imagem 16 bits..."},
        {ddsHeader(1, 1, 24), "Adquirindo cores da imagem 24 bits..."},
        {ddsHeader(1, 1, 32), "Adquirindo cores da imagem 32 bits..."},
        {maskedHeader(1, 1, 32, 0x40, 0, 0, 0, 0), "Adquirindo cores da imagem 32 bits..."},
        // A8R8G8B8's masks without the alpha flag still take the alpha byte.
        {maskedHeader(1, 1, 32, 0x40, 0xFF0000, 0xFF00, 0xFF, 0xFF000000),
         "Adquirindo cores da imagem 32 bits..."},
    };
    for (const Legacy& c : cases) {
        Quiet quiet;
        const DdsFile file = parseDdsFile(c.header + "\x10\x20\x30\x40");
        const ImageGrid grid = decodeFileSurface(file, 0, 0, quiet);
        ASSERT_FALSE(quiet.stages.empty());
        EXPECT_EQ(quiet.stages.front(), c.stage);
        if (file.header.pixelFormat.bitCount == 32) {
            EXPECT_EQ(grid.cell(1, 1), 0x40102030u);
        }
    }
}

TEST(MaskedLayouts, ScalingRoundsToNearest)
{
    EXPECT_EQ(scaleChannel(16, 31), 132);
    EXPECT_EQ(scaleChannel(32, 63), 130);
    EXPECT_EQ(scaleChannel(1, 31), 8);
    EXPECT_EQ(scaleChannel(1, 3), 85);
    EXPECT_EQ(scaleChannel(512, 1023), 128);
    EXPECT_EQ(scaleChannel(0x7FFFFFFF, 0xFFFFFFFF), 127);
    for (unsigned v = 0; v < 32; ++v)
        EXPECT_EQ(scaleChannel(v, 31), scale5(v));
}

TEST(Formats, UnknownFormatsGiveAShortReason)
{
    auto reason = [](const std::string& header) {
        const DdsFile file = parseDdsFile(header);
        EXPECT_EQ(file.pixelFormat(), nullptr);
        const std::string* text = std::get_if<std::string>(&file.format);
        return text ? *text : std::string();
    };
    EXPECT_EQ(reason(fourCCHeader(4, 4, "ATC ")), "FourCC \"ATC \" não suportado");
    EXPECT_EQ(reason(dx10Header(4, 4, 45)), "Formato DXGI 45 não suportado");
    EXPECT_EQ(reason(maskedHeader(4, 4, 0, 0x40, 0, 0, 0, 0)),
              "Formato sem FourCC e com 0 bits por pixel");
    EXPECT_EQ(reason(ddsHeader(4, 4, 0)), "0 bits por pixel não suportados");
    EXPECT_EQ(reason(ddsHeader(4, 4, 12)), "12 bits por pixel não suportados");

    Quiet quiet;
    const DdsFile file = parseDdsFile(fourCCHeader(4, 4, "ATC "));
    EXPECT_THROW(decodeFileSurface(file, 0, 0, quiet), DdsError);
}

TEST(Formats, Dx10HeaderIsReadAndReportedAfterTheFortyThreeLines)
{
    std::string bytes = dx10Header(2, 2, 28, 3, 0, 3) + std::string(3 * 16, '\x7F');
    const DdsFile file = parseDdsFile(bytes);
    ASSERT_TRUE(file.dx10);
    EXPECT_EQ(file.pixelOffset, 148u);
    EXPECT_EQ(file.layout.kind, SurfaceKind::Array);
    EXPECT_EQ(file.layout.layers, 3u);
    const std::vector<std::string> lines = fileReportLines(file);
    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(lines[42], "Reserved 2 - 0");
    EXPECT_EQ(lines[44], "DDS DX10");
    EXPECT_EQ(lines[46], "DXGI Format - 28");
    EXPECT_EQ(lines[47], "Resource Dimension - 3");
    EXPECT_EQ(lines[49], "Array Size - 3");
    EXPECT_EQ(file.pixelFormat()->name, "R8G8B8A8_UNORM");

    // Without the extended header the report keeps its 43 lines.
    EXPECT_EQ(fileReportLines(parseDdsFile(ddsHeader(1, 1, 32))).size(), 43u);
}

TEST(Formats, DxgiUncompressedFormatsDecode)
{
    struct Case {
        std::uint32_t dxgi;
        std::string pixel;
        std::uint32_t cell;
    };
    const Case cases[] = {
        {28, "\x10\x20\x30\x40", 0x40302010u},
        {29, "\x10\x20\x30\x40", 0x40302010u},
        {87, "\x10\x20\x30\x40", 0x40102030u},
        {88, "\x10\x20\x30\x40", 0x00102030u},
        {85, le(0xF800, 2), 0x000000FFu},
        {86, le(0x83E0, 2), 0xFF00FF00u},
        {115, le(0xF00F, 2), 0xFFFF0000u},
        {24, le(0xC00003FF, 4), 0xFF0000FFu},
        {61, "\x80", 0x00000080u},
        {49, "\x80\x40", 0x00004080u},
        {65, "\x80", 0x80000000u},
        {11, le(0xFFFF, 2) + le(0, 2) + le(0x8000, 2) + le(0xFFFF, 2), 0xFF8000FFu},
        // Half floats 0, 0, 0 and alpha 1.0; 32-bit floats 0, 0, 0 and 0.5.
        {10, le(0, 2) + le(0, 2) + le(0, 2) + le(0x3C00, 2), 0xFF000000u},
        {2, le(0, 4) + le(0, 4) + le(0, 4) + le(0x3F000000, 4), 0x80000000u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dxgi);
        const ImageGrid grid = decodeFirst(dx10Header(1, 1, c.dxgi) + c.pixel);
        EXPECT_EQ(grid.cell(1, 1), c.cell);
    }
    // Float colours are linear light: 0.5 encodes to sRGB 188, 1.0 is white
    // and brighter values clip.
    const ImageGrid hdr = decodeFirst(dx10Header(1, 1, 10) + le(0x3800, 2) + le(0x3C00, 2) +
                                      le(0x7BFF, 2) + le(0x3C00, 2));
    EXPECT_EQ(hdr.cell(1, 1), 0xFFFFFFBCu);
}

// Each surface filled with its own byte, so that the one decoded tells
// where it was read from.
std::string surfacesFilledWith(const std::vector<std::pair<std::size_t, char>>& parts)
{
    std::string data;
    for (const auto& [size, fill] : parts)
        data += std::string(size, fill);
    return data;
}

TEST(Surfaces, MipLevelsCubeFacesArraySlicesAndVolumeSlicesAreFound)
{
    // A 4 x 2 R8 image with three levels: 8, 2 and 1 bytes.
    const std::string mips =
        dx10Header(4, 2, 61, 1, 0, 3, 3) + surfacesFilledWith({{8, 'a'}, {2, 'b'}, {1, 'c'}});
    const DdsFile mipFile = parseDdsFile(mips);
    EXPECT_EQ(mipFile.layout.levels, 3u);
    EXPECT_EQ(decodeFirst(mips, 1).red(1, 2), 'b');
    const ImageGrid smallest = decodeFirst(mips, 2);
    EXPECT_EQ(smallest.width(), 1);
    EXPECT_EQ(smallest.red(1, 1), 'c');

    // A cube map of BC4 faces with two levels each: face after face.
    std::string cube = fourCCHeader(4, 4, "ATI1", 2, 0x200 | 0xFC00);
    for (char face = 'A'; face < 'G'; ++face)
        cube += bc1Block(static_cast<std::uint16_t>(face | face << 8), 0, 0) +
                bc1Block(static_cast<std::uint16_t>((face + 32) | (face + 32) << 8), 0, 0);
    const DdsFile cubeFile = parseDdsFile(cube);
    EXPECT_EQ(cubeFile.layout.kind, SurfaceKind::Cube);
    EXPECT_EQ(cubeFile.layout.layers, 6u);
    EXPECT_EQ(decodeFirst(cube, 0, 4).red(1, 1), 'E');
    EXPECT_EQ(decodeFirst(cube, 1, 5).red(1, 1), 'F' + 32);

    // A cube map that holds only some faces names them in its caps.
    const DdsFile partial = parseDdsFile(fourCCHeader(4, 4, "ATI1", 1, 0x200 | 0x400 | 0x4000));
    EXPECT_EQ(partial.layout.layers, 2u);
    EXPECT_EQ(cubeFaceOf(partial.layout, 1), 4);

    // A texture array of two R8 2 x 2 elements.
    const std::string array = dx10Header(2, 2, 61, 2) + surfacesFilledWith({{4, 'x'}, {4, 'y'}});
    EXPECT_EQ(decodeFirst(array, 0, 1).red(2, 2), 'y');

    // A volume texture 2 x 2 x 4 with two levels: four slices of level 0,
    // then two of level 1.
    std::string volume = ddsHeader(2, 2, 24);
    putLe32(volume, 8, 0x100F | 0x800000);
    putLe32(volume, 24, 4);
    putLe32(volume, 28, 2);
    putLe32(volume, 112, 0x200000);
    volume += surfacesFilledWith({{12, '0'}, {12, '1'}, {12, '2'}, {12, '3'}, {3, '4'}, {3, '5'}});
    const DdsFile volumeFile = parseDdsFile(volume);
    EXPECT_EQ(volumeFile.layout.kind, SurfaceKind::Volume);
    EXPECT_EQ(choicesAt(volumeFile.layout, 0), 4u);
    EXPECT_EQ(choicesAt(volumeFile.layout, 1), 2u);
    EXPECT_EQ(decodeFirst(volume, 0, 3).red(2, 2), '3');
    EXPECT_EQ(decodeFirst(volume, 1, 1).red(1, 1), '5');
}

TEST(Surfaces, ShortDataIsRefusedAndHugeCountsStayBounded)
{
    // A cube map whose file ends inside its third face: the faces the file
    // has decode, the others are refused.
    const std::string cube = fourCCHeader(4, 4, "DXT1", 1, 0x200 | 0xFC00) +
                             bc1Block(0xFFFF, 0xFFFF, 0) + bc1Block(0xFFFF, 0xFFFF, 0) +
                             bc1Block(0xFFFF, 0xFFFF, 0).substr(0, 3);
    EXPECT_EQ(decodeFirst(cube, 0, 1).cell(4, 4), 0xFFFFFFFFu);
    EXPECT_THROW(decodeFirst(cube, 0, 2), DdsError);
    EXPECT_THROW(decodeFirst(cube, 0, 5), DdsError);
    // An array that claims four billion elements offers a bounded number.
    const std::string array = dx10Header(2, 2, 61, 0xFFFFFFFFu) + "abcd";
    const DdsFile many = parseDdsFile(array);
    EXPECT_LE(many.layout.layers, 65536u);
    EXPECT_EQ(decodeFirst(array, 0, 0).cell(1, 1), 0x61u);
    EXPECT_THROW(decodeFirst(array, 0, many.layout.layers - 1), DdsError);
    // A level count beyond what the sides allow is cut to it.
    EXPECT_EQ(parseDdsFile(fourCCHeader(4, 1, "DXT1", 30)).layout.levels, 3u);
}

} // namespace
} // namespace texpeek
