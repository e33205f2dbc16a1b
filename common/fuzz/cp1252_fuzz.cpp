// Windows-1252 text both ways: every byte string survives a trip through
// UTF-8, what comes out as UTF-8 is well formed, and any UTF-8 (or not) the
// user types converts to bytes that are then stable.
#include "common/core/cp1252.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool wellFormedUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            length = 1;
            point = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            point = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            point = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = cp1252::toUtf8(bytes);
    if (!wellFormedUtf8(utf8) || cp1252::fromUtf8(utf8) != bytes)
        std::abort();

    // The same input taken as typed UTF-8: whatever it becomes is a fixed point.
    const std::string typed = cp1252::fromUtf8(bytes);
    if (cp1252::fromUtf8(cp1252::toUtf8(typed)) != typed)
        std::abort();
    for (unsigned char byte : bytes) {
        const char32_t point = cp1252::toUnicode(byte);
        if (point > 0xFFFF || cp1252::fromUnicode(point) != byte)
            std::abort();
    }
    return 0;
}
