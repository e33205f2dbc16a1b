// Hamachi's aliases.txt: lines read write back to the same lines whenever
// their fields can be written at all, and fields that pass the program's
// own address test always can.
#include "aliasmith/core/aliases.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = aliasmith::parseAliasesFile(bytes);

    std::vector<aliasmith::AliasRow> rows;
    bool allWritable = true;
    for (const auto& line : lines) {
        rows.push_back({"nick", line.trueIp, line.alias});
        allWritable = allWritable &&
                      aliasmith::checkAddress(line.trueIp) == aliasmith::FieldCheck::Ok &&
                      aliasmith::checkAddress(line.alias) == aliasmith::FieldCheck::Ok;
    }
    const auto written = aliasmith::formatAliasesFile(rows);
    if (written.has_value() != allWritable)
        std::abort();
    if (written && aliasmith::parseAliasesFile(*written) != lines)
        std::abort();
    return 0;
}
