// The .ent reader and writer: whatever the reader takes, the writer must
// give back the very bytes read, and an edit that changes nothing must not
// change them either.
#include "entwright/core/entity_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ent::ReadReport report;
    const std::optional<ent::EntityTable> table = ent::ParseEntText(text, &report);
    if (!table) {
        if (report.error == ent::ReadError::None)
            std::abort();
        return 0;
    }
    const std::string written = ent::EntText(*table);
    if (written != text)
        std::abort();
    ent::ReadReport again;
    const std::optional<ent::EntityTable> reread = ent::ParseEntText(written, &again);
    if (!reread || again.strayLines != report.strayLines)
        std::abort();
    if (reread->Entities.size() != table->Entities.size())
        std::abort();
    for (std::size_t i = 0; i < table->Entities.size(); ++i) {
        if (reread->Entities[i].KeyLines != table->Entities[i].KeyLines ||
            reread->Entities[i].ClassLine != table->Entities[i].ClassLine)
            std::abort();
    }
    if (ent::EntText(*reread) != written)
        std::abort();
    // A record read straight from the file and the same record once it is
    // edited hold their lines differently; both must give the same lines.
    ent::EntityTable separated = *table;
    for (std::size_t i = 0; i < separated.Entities.size(); ++i) {
        ent::LineList& lines = separated.Entities[i].KeyLines;
        lines.push_back("");
        lines.erase(lines.size() - 1);
        if (lines != table->Entities[i].KeyLines)
            std::abort();
    }
    if (ent::EntText(separated) != written)
        std::abort();
    return 0;
}
