// Writes the starting inputs of the fuzz target from the builders the tests
// use. Usage: texpeek_make_corpus <folder>
#include "tests/block_builders.h"
#include "tests/dds_files.h"

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
    return 0;
}
