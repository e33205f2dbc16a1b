#include "texpeek/tests/dds_files.h"

namespace texpeek::testing {

void putLe32(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    if (bytes.size() < offset + 4)
        bytes.resize(offset + 4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

std::string ddsHeader(std::int32_t width, std::int32_t height, std::int32_t bitCount)
{
    std::string h(128, '\0');
    h.replace(0, 4, "DDS ");
    putLe32(h, 4, 124);
    putLe32(h, 8, 0x100F);
    putLe32(h, 12, static_cast<std::uint32_t>(height));
    putLe32(h, 16, static_cast<std::uint32_t>(width));
    putLe32(h, 20, static_cast<std::uint32_t>(width * ((bitCount + 7) / 8)));
    putLe32(h, 76, 32);
    putLe32(h, 80, bitCount == 32 ? 0x41 : 0x40);
    putLe32(h, 88, static_cast<std::uint32_t>(bitCount));
    if (bitCount == 16) {
        putLe32(h, 92, 0xF800);
        putLe32(h, 96, 0x07E0);
        putLe32(h, 100, 0x001F);
    } else {
        putLe32(h, 92, 0x00FF0000);
        putLe32(h, 96, 0x0000FF00);
        putLe32(h, 100, 0x000000FF);
        putLe32(h, 104, bitCount == 32 ? 0xFF000000u : 0);
    }
    putLe32(h, 108, 0x1000);
    return h;
}

std::string ddsFile(std::int32_t width, std::int32_t height, std::int32_t bitCount,
                    const std::string& pixels)
{
    return ddsHeader(width, height, bitCount) + pixels;
}

std::string repeated(const std::string& pixel, std::size_t count)
{
    std::string out;
    out.reserve(pixel.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        out += pixel;
    return out;
}

} // namespace texpeek::testing
