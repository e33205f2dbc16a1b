// Writes the starting inputs of the fuzz targets:
// fuzz_corpus <records folder> <solver folder>
#include "probegrid/core/records.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_corpus <records folder> <solver folder>\n");
        return 2;
    }
    using probegrid::encodeRecord;
    using probegrid::storedName;
    const std::string ana = encodeRecord({storedName("Ana"), 12, 300, 6});
    const std::vector<std::pair<std::string, std::string>> records = {
        {"ana", ana},
        {"ana_with_tail", ana + "bytes after the record"},
        {"short", ana.substr(0, 20)},
        {"negative_numbers", encodeRecord({storedName("Bia"), -1, -32768, 32767})},
        {"long_cp1252_name", encodeRecord({storedName(std::string(40, '\xE9')), 0, 1, 12})},
        {"odd_first_byte", encodeRecord({storedName("Caio"), 3, 50, 4}) + std::string(100, 'x')},
    };
    // A game for the solver target: the item count less one (top bit set
    // when the count is not known), the cells, then shots (border position
    // less one) and marks (cell less one, top bit set).
    const auto game = [](int countByte, std::vector<int> cells, std::vector<int> moves) {
        std::string bytes(1, static_cast<char>(countByte));
        for (const int cell : cells)
            bytes += static_cast<char>(cell - 1);
        for (const int move : moves)
            bytes += static_cast<char>(move);
        return bytes;
    };
    std::vector<int> everyShot;
    for (int position = 0; position < 32; ++position)
        everyShot.push_back(position);
    const std::vector<std::pair<std::string, std::string>> games = {
        {"one_item_every_shot", game(0, {28}, everyShot)},
        {"two_items_few_shots", game(1, {19, 55}, {3, 15, 2})},
        {"four_items_marks",
         game(3, {19, 30, 45, 60}, {2, 5, 11, 13, 20, 26, 0x80 | 18, 0x80 | 19})},
        {"eight_items_unknown_count",
         game(0x80 | 7, {2, 10, 21, 34, 41, 48, 56, 64}, {4, 8, 12, 16, 20, 24, 28, 31})},
        {"twelve_items",
         game(11, {4, 9, 14, 19, 24, 29, 34, 39, 44, 49, 54, 59}, {0, 3, 6, 9, 12, 15, 18, 21})},
    };

    for (const auto& [folder, inputs] : {std::pair{argv[1], records}, std::pair{argv[2], games}}) {
        for (const auto& [name, bytes] : inputs) {
            std::ofstream out(std::filesystem::path(folder) / name, std::ios::binary);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", name.c_str());
                return 1;
            }
        }
    }
    return 0;
}
