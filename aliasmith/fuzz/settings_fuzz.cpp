// am.ini and am-applied.ini: whatever is read writes back to bytes that
// read as the same settings.
#include "aliasmith/core/settings.h"
#include "aliasmith/core/text_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const aliasmith::Settings first = aliasmith::parseSettings(bytes);
    const std::string written = aliasmith::formatSettings(first);
    const aliasmith::Settings second = aliasmith::parseSettings(written);
    if (second.hamachiDirectory != first.hamachiDirectory || second.language != first.language)
        std::abort();
    // Always two lines, and the mark only when the folder needs it.
    if (aliasmith::splitLines(aliasmith::decodeText(written)).size() != 2)
        std::abort();
    if (written.starts_with(aliasmith::kByteOrderMark) &&
        aliasmith::fitsWindows1252(first.hamachiDirectory) &&
        !first.hamachiDirectory.starts_with("\xC3\xAF\xC2\xBB\xC2\xBF"))
        std::abort();

    const aliasmith::AppliedProfile applied = aliasmith::parseAppliedProfile(bytes);
    if (aliasmith::parseAppliedProfile(aliasmith::formatAppliedProfile(applied)) != applied)
        std::abort();
    return 0;
}
