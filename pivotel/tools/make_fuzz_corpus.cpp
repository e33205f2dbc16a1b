// Writes the fuzzer's starting inputs: sprites built by the same byte
// builders as the tests. Usage: pivotel_fuzz_corpus <output folder>
#include "pivotel/tests/sprite_files.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace pivotel::testing;

int main(int argc, char** argv)
{
    const std::filesystem::path out = argc > 1 ? argv[1] : ".";
    std::filesystem::create_directories(out);

    const std::string ramp = rampIndices(64, 200);
    std::string cut = halfLifeSprite(0, {singleFrame(8, 8, ramp), singleFrame(8, 8, ramp)});
    cut.resize(cut.size() - 20);
    const std::vector<std::pair<std::string, std::string>> files{
        {"normal_single.spr", halfLifeSprite(0, {singleFrame(8, 8, ramp)})},
        {"additive_group.spr",
         halfLifeSprite(1, {frameGroup({picture(4, 4, rampIndices(16)),
                                        picture(2, 8, rampIndices(16, 240))})})},
        {"indexalpha_mixed.spr",
         halfLifeSprite(2,
                        {singleFrame(3, 5, rampIndices(15)), frameGroup({picture(1, 1, "\x80")}),
                         singleFrame(2, 2, rampIndices(4, 252))},
                        4)},
        {"alphatest_short_palette.spr",
         header(2, 3, 3, 1) + palette(16) + singleFrame(4, 2, rampIndices(8, 250))},
        {"quake.spr", quakeSprite({singleFrame(4, 4, rampIndices(16, 248)),
                                   frameGroup({picture(2, 2, rampIndices(4))})},
                                  1)},
        {"cut_frame.spr", cut},
    };
    for (const auto& [name, bytes] : files) {
        std::ofstream file(out / name, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file)
            return 1;
    }
    return 0;
}
