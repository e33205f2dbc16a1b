// Writes the fuzz targets' starting inputs with the builders the tests use:
//   entwright_fuzz_corpus <entwright/fuzz/corpus>
#include "entwright/tests/support/bsp_builder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void write(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const std::vector<std::string> kLists = {
    "{\n\"classname\" \"worldspawn\"\n\"wad\" \"halflife.wad\"\n}\n"
    "{\n\"classname\" \"info_player_start\"\n\"origin\" \"0 0 36\"\n}\n",
    "\xEF\xBB\xBF{\r\n\"classname\" \"light\"\r\n\t\"_light\" \"255 255 128 200\"\r\n} \r\n",
    "// header\n  {  \n\"classname\" \"func_door\"\n\n  no quotes\n}\t\n"
    "{ \"classname\" \"info_player_deathmatch\"\n\"angle\" \"90\"\n}" +
        std::string(1, '\0'),
    "{}\n{\n\"classname\" \"a\"\r\r\n\"k\" \"caf\xE9 \x80\"\n}\nafter\n",
    "{\n\"classname\" \"never closed\"\n",
};

const std::vector<std::string> kGameData = {
    "@BaseClass = Targetname [ targetname(target_source) : \"Name\" ]\n"
    "@PointClass base(Targetname) size(-16 -16 0, 16 16 72) color(0 255 0) "
    "studio(\"models/x.mdl\") = monster_x : \"X\" + \" more\"\n[\n"
    "\trendermode(choices) : \"Mode\" : 0 : \"help\" = [ 0 : \"Normal\" 5 : \"Add\" ]\n"
    "\tspawnflags(flags) = [ 1 : \"On\" : 1 : \"starts on\" ]\n"
    "\ttarget(target_destination) : \"Target\" : : \"whom\"\n"
    "\tinput Kill(void) : \"Removes\"\n]\n",
    "// comment\n@include \"other.fgd\"\n@mapsize(-4096, 4096)\n"
    "@MaterialExclusion [ \"a\" \"b\" ]\n@SolidClass base(Missing) = func_x [ ]\n"
    "@BaseClass base(B) = A []\n@BaseClass base(A) = B []\n",
    "@PointClass = broken [ key(string) : \"unclosed\n]\n@PointClass = after []\n",
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::filesystem::path root = argv[1];
    for (std::size_t i = 0; i < kLists.size(); ++i)
        write(root / "entwright_ent_fuzz" / ("list" + std::to_string(i) + ".ent"), kLists[i]);
    const std::vector<std::vector<std::size_t>> orders = {
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {3, 0, 7, 1}, {14, 2, 9, 0}, {0}};
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const auto map = ent::testing::buildMap(i % 2 ? 29 : 30, kLists[i] + std::string(1, '\0'),
                                                orders[i], static_cast<unsigned>(i));
        write(root / "entwright_bsp_fuzz" / ("map" + std::to_string(i) + ".bsp"), map.bytes);
    }
    for (std::size_t i = 0; i < kGameData.size(); ++i)
        write(root / "entwright_fgd_fuzz" / ("game" + std::to_string(i) + ".fgd"), kGameData[i]);
    return 0;
}
