// A map's entity lump: for any map the layout check takes, putting the
// entities back must keep every other lump byte for byte and at the same
// alignment, give a map that passes the same check, read back to the same
// table, and change nothing when done a second time.
#include "entwright/core/bsp_map.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view map(reinterpret_cast<const char*>(data), size);
    const std::optional<ent::BspLayout> layout = ent::ReadBspLayout(map);
    if (!layout)
        return 0;
    const std::optional<std::string_view> text = ent::BspEntityText(map);
    if (!text)
        std::abort();
    const std::optional<ent::EntityTable> table = ent::ParseEntText(*text);
    if (!table)
        return 0;
    const std::string lump = ent::BspEntityLump(*table);
    const std::optional<std::string> written = ent::ReplaceBspEntityLump(map, lump);
    if (!written)
        return 0; // refused as a whole; nothing was half-done
    const std::optional<ent::BspLayout> after = ent::ReadBspLayout(*written);
    if (!after || after->version != layout->version)
        std::abort();
    for (std::size_t i = 1; i < ent::kBspLumps; ++i) {
        const ent::BspLump& old = layout->lumps[i];
        const ent::BspLump& now = after->lumps[i];
        if (old.length != now.length ||
            map.substr(old.offset, old.length) !=
                std::string_view(*written).substr(now.offset, now.length))
            std::abort();
        if (old.length > 0 && old.offset % 4 != now.offset % 4)
            std::abort();
    }
    if (std::string_view(*written).substr(after->lumps[0].offset, after->lumps[0].length) != lump)
        std::abort();
    const std::optional<ent::EntityTable> reread = ent::ParseEntText(*ent::BspEntityText(*written));
    if (!reread || ent::EntText(*reread) != ent::EntText(*table))
        std::abort();
    const std::optional<std::string> twice = ent::ReplaceBspEntityLump(*written, lump);
    if (!twice || *twice != *written)
        std::abort();
    return 0;
}
