#include "texpeek/core/dds_file.h"
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/quiet_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace texpeek {
namespace {

using namespace testing;

// A constant-colour ("void extent") LDR block of four 16-bit channels.
std::string constantBlock(std::uint16_t r, std::uint16_t g, std::uint16_t b, std::uint16_t a)
{
    std::string block("\xFC\xFD\xFF\xFF\xFF\xFF\xFF\xFF", 8);
    for (const std::uint16_t v : {r, g, b, a}) {
        block += static_cast<char>(v & 0xFF);
        block += static_cast<char>(v >> 8);
    }
    return block;
}

TEST(Astc, EveryBlockSizeByItsDxgiNumber)
{
    struct Size {
        std::uint32_t dxgi;
        int width, height;
    };
    const Size sizes[] = {{134, 4, 4},  {138, 5, 4},   {142, 5, 5},   {146, 6, 5},  {150, 6, 6},
                          {154, 8, 5},  {158, 8, 6},   {162, 8, 8},   {166, 10, 5}, {170, 10, 6},
                          {174, 10, 8}, {178, 10, 10}, {182, 12, 10}, {186, 12, 12}};
    const std::string orange = constantBlock(0xFFFF, 0x8080, 0, 0xFFFF);
    const std::string blue = constantBlock(0, 0, 0xFFFF, 0x4040);
    for (const Size& s : sizes) {
        SCOPED_TRACE(s.dxgi);
        // Two blocks across, one down, the picture cut inside the second.
        const std::int32_t width = s.width + 3;
        const std::string file = dx10Header(width, s.height, s.dxgi) + orange + blue;
        const DdsFile dds = parseDdsFile(file);
#if defined(TEXPEEK_HAS_ASTC)
        ASSERT_NE(dds.pixelFormat(), nullptr);
        EXPECT_EQ(dds.pixelFormat()->name,
                  "ASTC_" + std::to_string(s.width) + "X" + std::to_string(s.height) + "_UNORM");
        SilentProgress quiet;
        const ImageGrid grid = decodeFileSurface(dds, 0, 0, quiet);
        ASSERT_EQ(grid.width(), width);
        EXPECT_EQ(grid.cell(1, 1), 0xFF0080FFu);
        EXPECT_EQ(grid.cell(s.height, s.width), 0xFF0080FFu);
        EXPECT_EQ(grid.cell(s.height, width), 0x40FF0000u);
#else
        // Without the library the format is refused by its name.
        EXPECT_EQ(std::get<std::string>(dds.format), "Formato ASTC_" + std::to_string(s.width) +
                                                         "X" + std::to_string(s.height) +
                                                         "_UNORM não suportado nesta versão");
#endif
    }
    // The sRGB variant says so; the fourth number of each size is no format.
    const DdsFile srgb = parseDdsFile(dx10Header(4, 4, 135) + orange);
#if defined(TEXPEEK_HAS_ASTC)
    ASSERT_NE(srgb.pixelFormat(), nullptr);
    EXPECT_TRUE(srgb.pixelFormat()->srgb);
    EXPECT_FALSE(defaultInterpretation(srgb).colourSpace.guessed);
#endif
    EXPECT_EQ(std::get<std::string>(parseDdsFile(dx10Header(4, 4, 136)).format),
              "Formato DXGI 136 não suportado");
}

} // namespace
} // namespace texpeek
