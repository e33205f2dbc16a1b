// Writes the starting inputs of the fuzz target from the builders the tests
// use. Usage: texpeek_make_corpus <folder>
#include "texpeek/tests/block_builders.h"
#include "texpeek/tests/dds_files.h"

#include <squish.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace texpeek::testing;

namespace {

void write(const std::filesystem::path& folder, const char* name, const std::string& bytes)
{
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string random(std::size_t count, unsigned state)
{
    std::string bytes(count, '\0');
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(folder);
    write(folder, "a1r5g5b5.dds",
          maskedHeader(4, 3, 16, 0x41, 0x7C00, 0x03E0, 0x001F, 0x8000) + random(24, 1));
    write(folder, "l8.dds", maskedHeader(5, 2, 8, 0x20000, 0xFF, 0, 0, 0) + random(10, 2));
    write(folder, "legacy32.dds", ddsFile(3, 3, 32, random(36, 3)));
    const std::vector<unsigned char> wheel = colourWheel(8, 8);
    write(folder, "dxt1_cube.dds",
          fourCCHeader(8, 8, "DXT1", 2, 0x200 | 0xFC00) +
              repeated(squishCompressed(wheel, 8, 8, squish::kDxt1) +
                           squishCompressed(colourWheel(4, 4), 4, 4, squish::kDxt1),
                       6));
    write(folder, "dxt5_odd.dds",
          fourCCHeader(7, 5, "DXT5") + squishCompressed(colourWheel(7, 5), 7, 5, squish::kDxt5));
    write(folder, "bc4s.dds", fourCCHeader(4, 4, "BC4S") + random(8, 4));
    write(folder, "bc5_dx10.dds", dx10Header(8, 4, 83) + random(32, 5));
    write(folder, "bc6h_dx10.dds", dx10Header(8, 4, 96) + random(32, 6));
    write(folder, "bc7_array.dds", dx10Header(4, 4, 98, 3, 0, 3, 1) + random(48, 7));
    write(folder, "rgba16f.dds", dx10Header(2, 2, 10) + random(32, 8));
    std::string volume = ddsHeader(2, 2, 24);
    putLe32(volume, 8, 0x100F | 0x800000);
    putLe32(volume, 24, 3);
    putLe32(volume, 112, 0x200000);
    write(folder, "volume.dds", volume + random(36, 9));
    // Headers that claim far more than the file holds.
    write(folder, "lying_bc1.dds", fourCCHeader(46340, 46340, "DXT1") + random(24, 10));
    write(folder, "lying_one_row.dds", fourCCHeader(4096, 46340, "DXT1", 12) + random(8192, 11));
    // The layouts of one and two channels, palettes, ETC, EAC and ASTC.
    std::string r16f = fourCCHeader(3, 2, "DXT1");
    putLe32(r16f, 84, 111);
    write(folder, "r16f.dds", r16f + random(12, 12));
    write(folder, "r16g16_snorm.dds", dx10Header(3, 2, 37) + random(24, 13));
    write(folder, "p8.dds", maskedHeader(4, 2, 8, 0x20, 0, 0, 0, 0) + random(1024 + 8, 14));
    write(folder, "etc2.dds", fourCCHeader(8, 4, "ETC2") + random(16, 15));
    write(folder, "etc2_rgba.dds", fourCCHeader(4, 4, "ETCA") + random(16, 16));
    write(folder, "eac_rg_signed.dds", fourCCHeader(4, 4, "EA2S") + random(16, 17));
    write(folder, "astc_6x5.dds", dx10Header(7, 6, 146) + random(64, 18));
    write(folder, "a2b10g10r10.dds",
          maskedHeader(2, 2, 32, 0x41, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000) + random(16, 19));
    return 0;
}
