#include "entwright/core/bsp_map.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace ent {
namespace {

std::uint32_t readU32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

void writeU32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool setReason(std::string* reason, const char* text)
{
    if (reason)
        *reason = text;
    return false;
}

constexpr std::uint32_t kLargestOffset = std::numeric_limits<std::int32_t>::max();

} // namespace

std::optional<BspLayout> ReadBspLayout(std::string_view bytes, std::string* reason)
{
    if (bytes.size() < kBspHeaderSize) {
        setReason(reason, "it is shorter than a map header");
        return std::nullopt;
    }
    BspLayout layout;
    layout.version = static_cast<std::int32_t>(readU32(bytes, 0));
    if (layout.version != 29 && layout.version != 30) {
        setReason(reason, "its version is neither 29 nor 30");
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kBspLumps; ++i) {
        BspLump& lump = layout.lumps[i];
        lump.offset = readU32(bytes, 4 + i * 8);
        lump.length = readU32(bytes, 8 + i * 8);
        const std::uint64_t end = std::uint64_t{lump.offset} + lump.length;
        if (lump.offset > kLargestOffset || lump.length > kLargestOffset || end > bytes.size()) {
            setReason(reason, "a lump lies outside the file");
            return std::nullopt;
        }
        if (lump.length > 0 && lump.offset < kBspHeaderSize) {
            setReason(reason, "a lump overlaps the header");
            return std::nullopt;
        }
    }
    const BspLump& entities = layout.lumps[0];
    if (entities.offset < kBspHeaderSize) {
        setReason(reason, "the entity lump overlaps the header");
        return std::nullopt;
    }
    for (std::size_t i = 1; i < kBspLumps; ++i) {
        const BspLump& lump = layout.lumps[i];
        if (lump.length > 0 && lump.offset < entities.offset + entities.length &&
            entities.offset < lump.offset + lump.length) {
            setReason(reason, "another lump overlaps the entity lump");
            return std::nullopt;
        }
    }
    return layout;
}

std::optional<std::string_view> BspEntityText(std::string_view bytes, std::string* reason)
{
    const std::optional<BspLayout> layout = ReadBspLayout(bytes, reason);
    if (!layout)
        return std::nullopt;
    std::string_view text = bytes.substr(layout->lumps[0].offset, layout->lumps[0].length);
    const std::size_t end = text.find('\0');
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    return text;
}

std::optional<std::string> ReplaceBspEntityLump(std::string_view bytes, std::string_view lump,
                                                std::string* reason)
{
    const std::optional<BspLayout> layout = ReadBspLayout(bytes, reason);
    if (!layout)
        return std::nullopt;
    const BspLump& old = layout->lumps[0];
    if (bytes.substr(old.offset, old.length) == lump)
        return std::string(bytes);

    // The entity lump owns the bytes up to the next lump behind it (its
    // padding included); everything from there on moves as one piece.
    const std::size_t oldEnd = std::size_t{old.offset} + old.length;
    std::size_t regionEnd = bytes.size();
    for (std::size_t i = 1; i < kBspLumps; ++i) {
        const BspLump& other = layout->lumps[i];
        if (other.offset >= oldEnd && other.offset > old.offset)
            regionEnd = std::min<std::size_t>(regionEnd, other.offset);
    }
    const std::size_t oldRegion = regionEnd - old.offset;
    const std::size_t pad = (4 - (lump.size() - oldRegion) % 4) % 4;
    const std::size_t newRegion = lump.size() + pad;
    if (lump.size() > kLargestOffset ||
        bytes.size() - oldRegion + newRegion > std::size_t{kLargestOffset}) {
        setReason(reason, "the entity text is too large for a map");
        return std::nullopt;
    }

    std::string result;
    result.reserve(bytes.size() - oldRegion + newRegion);
    result.append(bytes.substr(0, old.offset));
    result.append(lump);
    result.append(pad, '\0');
    result.append(bytes.substr(regionEnd));

    writeU32(result, 8, static_cast<std::uint32_t>(lump.size()));
    for (std::size_t i = 1; i < kBspLumps; ++i) {
        const BspLump& other = layout->lumps[i];
        if (other.offset >= regionEnd && other.offset > old.offset) {
            writeU32(result, 4 + i * 8,
                     static_cast<std::uint32_t>(other.offset - oldRegion + newRegion));
        } else if (other.offset > old.offset) {
            // An empty lump pointing into the old entity lump: a shorter lump
            // would leave it pointing past its end, or past the file's.
            writeU32(result, 4 + i * 8, static_cast<std::uint32_t>(old.offset + lump.size()));
        }
    }
    return result;
}

std::string BspEntityLump(const EntityTable& table)
{
    std::string lump = EntText(table);
    if (table.LumpEnd)
        lump += *table.LumpEnd;
    else
        lump += '\0';
    return lump;
}

bool IsBspPath(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bsp";
}

std::optional<OpenedFile> OpenBspFile(const std::filesystem::path& path, ReadReport* report)
{
    ReadReport local;
    ReadReport& used = report ? *report : local;
    used = ReadReport{};
    const std::optional<std::string> bytes = ReadFileBytes(path, &used.reason);
    if (!bytes) {
        used.error = ReadError::CannotRead;
        return std::nullopt;
    }
    const std::optional<std::string_view> text = BspEntityText(*bytes, &used.reason);
    if (!text) {
        used.error = ReadError::NotAMap;
        return std::nullopt;
    }
    std::optional<OpenedFile> opened = OpenEntText(*text, &used);
    if (opened) {
        const BspLump entities = ReadBspLayout(*bytes)->lumps[0];
        const std::string_view lump =
            std::string_view(*bytes).substr(entities.offset, entities.length);
        opened->table.LumpEnd = std::string(lump.substr(text->size()));
    }
    return opened;
}

bool WriteBspEntities(const std::filesystem::path& path, const EntityTable& table,
                      std::string* reason)
{
    const std::optional<std::string> bytes = ReadFileBytes(path, reason);
    if (!bytes)
        return false;
    const std::optional<std::string> map =
        ReplaceBspEntityLump(*bytes, BspEntityLump(table), reason);
    if (!map)
        return false;
    return WriteFileBytes(path, *map, reason);
}

} // namespace ent
