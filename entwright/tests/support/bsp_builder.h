#pragma once

#include "entwright/core/bsp_map.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Builds maps for tests and starting inputs: a header, lumps of random
// bytes laid out in a chosen order with 4-byte alignment, and the entity
// lump among them.
namespace ent::testing {

struct BuiltMap {
    std::string bytes;
    std::array<BspLump, kBspLumps> lumps{};
};

inline void putU32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// `order` lists lump numbers in file order; lumps missing from it are empty.
inline BuiltMap buildMap(std::int32_t version, const std::string& entityLump,
                         const std::vector<std::size_t>& order, unsigned variant)
{
    std::mt19937 random(variant);
    BuiltMap map;
    map.bytes.assign(kBspHeaderSize, '\0');
    putU32(map.bytes, 0, static_cast<std::uint32_t>(version));
    for (const std::size_t lump : order) {
        while (map.bytes.size() % 4 != 0)
            map.bytes += '\0';
        std::string data;
        if (lump == 0) {
            data = entityLump;
        } else {
            data.resize(random() % 300 + 1);
            for (char& byte : data)
                byte = static_cast<char>(random() & 0xFF);
        }
        map.lumps[lump] = {static_cast<std::uint32_t>(map.bytes.size()),
                           static_cast<std::uint32_t>(data.size())};
        map.bytes += data;
    }
    for (std::size_t i = 0; i < kBspLumps; ++i) {
        putU32(map.bytes, 4 + i * 8, map.lumps[i].offset);
        putU32(map.bytes, 8 + i * 8, map.lumps[i].length);
    }
    return map;
}

} // namespace ent::testing
