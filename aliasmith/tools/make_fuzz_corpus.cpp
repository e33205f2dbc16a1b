// Writes a handful of starting inputs for the fuzz targets, made with the
// same writers the program uses: make_fuzz_corpus <fuzz/corpus folder>.
#include "aliasmith/core/aliases.h"
#include "aliasmith/core/profiles.h"
#include "aliasmith/core/settings.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

bool put(const fs::path& folder, std::string_view name, std::string_view bytes)
{
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace aliasmith;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus <fuzz/corpus folder>\n");
        return 2;
    }
    const fs::path root(argv[1]);
    bool ok = true;

    const fs::path settings = root / "aliasmith_settings_fuzz";
    ok = put(settings, "english",
             formatSettings({"C:\\Program Files\\Hamachi", Language::English})) &&
         ok;
    ok = put(settings, "portuguese", formatSettings({"D:\\Ação", Language::Portuguese})) && ok;
    ok = put(settings, "cyrillic", formatSettings({"C:\\Игры\\Hamachi", Language::Portuguese})) &&
         ok;
    ok = put(settings, "applied", formatAppliedProfile({"LAN party", fingerprintOf("")})) && ok;
    ok = put(settings, "spaced", "D:\\Hamachi\r\n   Portugu\xEAs  \r\n") && ok;

    const fs::path profiles = root / "aliasmith_profile_fuzz";
    ok = put(profiles, "empty", formatProfile({})) && ok;
    ok = put(profiles, "three",
             formatProfile({"5.84.117.30",
                            {{"Marcos", "5.211.40.17", "5.84.117.1"},
                             {"Juliana Souza", "5.98.3.152", "5.84.117.2"},
                             {"Ã© João", "5.140.77.9", "5.84.117.3"}}})) &&
         ok;
    ok = put(profiles, "odd",
             "\r\n\r\n5.1.1.1\r\n5.1.1.1 5.0.0.1\r\n 5.0.0.2 Cy\r\n5.1.1.1  Di\n") &&
         ok;
    ok = put(profiles, "marked",
             "\xEF\xBB\xBF"
             "5.0.0.9\r\n1.1.1.1 5.0.0.254 Пётр\r\n") &&
         ok;

    const fs::path aliases = root / "aliasmith_aliases_fuzz";
    ok = put(aliases, "two",
             *formatAliasesFile({{"Ana", "5.1.1.1", "5.0.0.1"}, {"Bob", "5.2.2.2", "5.0.0.2"}})) &&
         ok;
    ok = put(aliases, "empty-fields", *formatAliasesFile({{"", "", ""}, {"x", "é", "5"}})) && ok;
    ok =
        put(aliases, "hand-edited", "1.1.1.1\r\n2.2.2.2 5.0.0.1 extra\n3.3.3.3\t5.0.0.3\r\n") && ok;

    std::printf("%s %s\n", ok ? "wrote" : "could not write all of", argv[1]);
    return ok ? 0 : 1;
}
