#pragma once

#include "entwright/core/entity_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The entity lump of a compiled map. Half-Life (version 30) and Quake
// (version 29) maps share the layout: a 32-bit little-endian version, then a
// directory of 15 lumps, each a 32-bit offset and length, the entity text
// first among them.
namespace ent {

constexpr std::size_t kBspLumps = 15;
constexpr std::size_t kBspHeaderSize = 4 + kBspLumps * 8;

struct BspLump {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

struct BspLayout {
    std::int32_t version = 0;
    std::array<BspLump, kBspLumps> lumps{};
};

// The header of a map whose lumps all lie inside the file and none overlaps
// the entity lump; nothing with `reason` set otherwise.
std::optional<BspLayout> ReadBspLayout(std::string_view bytes, std::string* reason = nullptr);

// The entity lump's text up to its closing NUL.
std::optional<std::string_view> BspEntityText(std::string_view bytes,
                                              std::string* reason = nullptr);

// The map with its entity lump replaced by `lump`: every other lump's bytes
// are kept, those behind the entity lump move by the same distance (kept a
// multiple of 4, so their alignment holds) and the directory is fixed to
// match. A lump equal to the old one gives the map back unchanged.
std::optional<std::string> ReplaceBspEntityLump(std::string_view bytes, std::string_view lump,
                                                std::string* reason = nullptr);

// The lump a table makes: the .ent text and what the lump it was read from
// held after its text (its NUL, or nothing); a table not read from a map
// gets the NUL the engines expect.
std::string BspEntityLump(const EntityTable& table);

// Whether a path names a map rather than an entity list, by its extension.
bool IsBspPath(const std::filesystem::path& path);

// Reads a map's entities with the checks of OpenEntFile.
std::optional<OpenedFile> OpenBspFile(const std::filesystem::path& path,
                                      ReadReport* report = nullptr);

// Writes the table into the map on disk: the map is read again, its entity
// lump replaced, and the result written through a temporary file and a
// rename.
bool WriteBspEntities(const std::filesystem::path& path, const EntityTable& table,
                      std::string* reason = nullptr);

} // namespace ent
