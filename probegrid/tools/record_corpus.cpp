// Writes the starting inputs of the records fuzz target:
// record_corpus <folder>
#include "core/records.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: record_corpus <folder>\n");
        return 2;
    }
    using probegrid::encodeRecord;
    using probegrid::storedName;
    const std::string ana = encodeRecord({storedName("Ana"), 12, 300, 6});
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {"ana", ana},
        {"ana_with_tail", ana + "bytes after the record"},
        {"short", ana.substr(0, 20)},
        {"negative_numbers", encodeRecord({storedName("Bia"), -1, -32768, 32767})},
        {"long_cp1252_name", encodeRecord({storedName(std::string(40, '\xE9')), 0, 1, 12})},
        {"odd_first_byte", encodeRecord({storedName("Caio"), 3, 50, 4}) + std::string(100, 'x')},
    };
    for (const auto& [name, bytes] : inputs) {
        std::ofstream out(std::filesystem::path(argv[1]) / name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
