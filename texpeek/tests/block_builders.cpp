#include "texpeek/tests/block_builders.h"

#include "texpeek/tests/dds_files.h"

#include <squish.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace texpeek::testing {

BitWriter& BitWriter::put(std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i, ++position_) {
        if ((value >> i & 1u) != 0)
            bytes_[static_cast<std::size_t>(position_ / 8)] |=
                static_cast<unsigned char>(1u << (position_ % 8));
    }
    return *this;
}

std::string BitWriter::block() const
{
    return std::string(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
}

std::string maskedHeader(std::int32_t width, std::int32_t height, std::int32_t bitCount,
                         std::uint32_t flags, std::uint32_t red, std::uint32_t green,
                         std::uint32_t blue, std::uint32_t alpha)
{
    std::string h = ddsHeader(width, height, bitCount);
    putLe32(h, 80, flags);
    putLe32(h, 92, red);
    putLe32(h, 96, green);
    putLe32(h, 100, blue);
    putLe32(h, 104, alpha);
    return h;
}

std::string fourCCHeader(std::int32_t width, std::int32_t height, const char* code,
                         std::int32_t mipMaps, std::uint32_t caps2)
{
    std::string h = ddsHeader(width, height, 0);
    putLe32(h, 20, 0);
    putLe32(h, 28, static_cast<std::uint32_t>(mipMaps));
    putLe32(h, 80, 0x4);
    h.replace(84, 4, code, 4);
    for (std::size_t offset : {92u, 96u, 100u, 104u})
        putLe32(h, offset, 0);
    putLe32(h, 112, caps2);
    return h;
}

std::string dx10Header(std::int32_t width, std::int32_t height, std::uint32_t dxgiFormat,
                       std::uint32_t arraySize, std::uint32_t miscFlag, std::uint32_t dimension,
                       std::int32_t mipMaps, std::int32_t depth)
{
    std::string h = fourCCHeader(width, height, "DX10", mipMaps);
    putLe32(h, 24, static_cast<std::uint32_t>(depth));
    putLe32(h, 128, dxgiFormat);
    putLe32(h, 132, dimension);
    putLe32(h, 136, miscFlag);
    putLe32(h, 140, arraySize);
    putLe32(h, 144, 0);
    return h;
}

std::string bc1Block(std::uint16_t colour0, std::uint16_t colour1, std::uint32_t indices)
{
    std::string b(8, '\0');
    b[0] = static_cast<char>(colour0 & 0xFF);
    b[1] = static_cast<char>(colour0 >> 8);
    b[2] = static_cast<char>(colour1 & 0xFF);
    b[3] = static_cast<char>(colour1 >> 8);
    for (int i = 0; i < 4; ++i)
        b[static_cast<std::size_t>(4 + i)] = static_cast<char>((indices >> (8 * i)) & 0xFF);
    return b;
}

std::string squishCompressed(const std::vector<unsigned char>& rgba, int width, int height,
                             int flags)
{
    std::string out(static_cast<std::size_t>(squish::GetStorageRequirements(width, height, flags)),
                    '\0');
    squish::CompressImage(rgba.data(), width, height, out.data(), flags | squish::kColourRangeFit);
    return out;
}

std::vector<unsigned char> colourWheel(int width, int height)
{
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height) * 4);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double radius = std::max(1.0, std::min(cx, cy));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double angle = std::atan2(y - cy, x - cx);
            const double distance = std::hypot(x - cx, y - cy) / radius;
            unsigned char* p =
                &rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)) *
                      4];
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<unsigned char>(127.5 + 127.5 * std::cos(angle - c * 2.0944));
            p[3] = static_cast<unsigned char>(255.0 * std::max(0.0, 1.0 - distance));
        }
    }
    return rgba;
}

} // namespace texpeek::testing

namespace texpeek::testing {

std::string bc4Block(const std::array<std::uint8_t, 16>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const int e0 = *high;
    const int e1 = *low;
    // With e0 > e1 the block holds eight levels: the ends and six between.
    std::array<int, 8> levels{e0, e1};
    for (int i = 2; i < 8; ++i)
        levels[static_cast<std::size_t>(i)] = ((8 - i) * e0 + (i - 1) * e1) / 7;
    std::uint64_t indices = 0;
    for (std::size_t p = 0; p < 16; ++p) {
        std::uint64_t best = 0;
        for (std::size_t i = 1; i < 8; ++i)
            if (std::abs(levels[i] - values[p]) < std::abs(levels[best] - values[p]))
                best = i;
        if (e0 == e1)
            best = 0;
        indices |= best << (3 * p);
    }
    std::string block{static_cast<char>(e0), static_cast<char>(e1)};
    for (int byte = 0; byte < 6; ++byte)
        block += static_cast<char>(indices >> (8 * byte) & 0xFF);
    return block;
}

std::string normalMapBc5(int side)
{
    // Domes on a flat surface, four to a side: inside a dome the normal leans
    // away from its middle, outside it points straight out (x = y = 0).
    const double tile = side / 4.0;
    auto normal = [&](int x, int y) {
        const double u = std::fmod(x + 0.5, tile) / tile * 2.0 - 1.0;
        const double v = std::fmod(y + 0.5, tile) / tile * 2.0 - 1.0;
        const double r2 = (u * u + v * v) / 0.7;
        if (r2 >= 1.0)
            return std::pair<double, double>(0.0, 0.0);
        return std::pair<double, double>(u / std::sqrt(0.7), -v / std::sqrt(0.7));
    };
    auto level = [](double unit) {
        return static_cast<std::uint8_t>(std::lround(127.5 + 127.5 * unit));
    };
    std::string bytes = dx10Header(side, side, 83); // BC5_UNORM
    for (int by = 0; by < side; by += 4) {
        for (int bx = 0; bx < side; bx += 4) {
            std::array<std::uint8_t, 16> red{};
            std::array<std::uint8_t, 16> green{};
            for (int p = 0; p < 16; ++p) {
                const auto [nx, ny] = normal(bx + p % 4, by + p / 4);
                red[static_cast<std::size_t>(p)] = level(nx);
                green[static_cast<std::size_t>(p)] = level(ny);
            }
            bytes += bc4Block(red) + bc4Block(green);
        }
    }
    return bytes;
}

} // namespace texpeek::testing
