#include "texpeek/core/compare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace texpeek {

namespace {

void requireSameSides(const ImageGrid& a, const ImageGrid& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        throw DdsError("the pictures' sides differ");
}

int channelDifference(std::uint32_t x, std::uint32_t y, int channel)
{
    const int shift = 8 * channel;
    return std::abs(static_cast<int>(x >> shift & 0xFF) - static_cast<int>(y >> shift & 0xFF));
}

} // namespace

Comparison compareGrids(const ImageGrid& a, const ImageGrid& b, bool withAlpha)
{
    requireSameSides(a, b);
    const int channels = withAlpha ? 4 : 3;
    const std::uint32_t mask = withAlpha ? 0xFFFFFFFFu : 0x00FFFFFFu;
    Comparison result;
    std::uint64_t squares = 0;
    const std::size_t count = a.cellCount();
    const std::uint32_t* x = a.cells();
    const std::uint32_t* y = b.cells();
    for (std::size_t i = 0; i < count; ++i) {
        if (((x[i] ^ y[i]) & mask) == 0)
            continue;
        ++result.differingPixels;
        for (int c = 0; c < channels; ++c) {
            const int d = channelDifference(x[i], y[i], c);
            result.largestError = std::max(result.largestError, d);
            squares += static_cast<std::uint64_t>(d * d);
        }
    }
    if (squares == 0 || count == 0) {
        result.psnr = std::numeric_limits<double>::infinity();
        return result;
    }
    const double meanSquare =
        static_cast<double>(squares) / (static_cast<double>(count) * channels);
    result.psnr = 10.0 * std::log10(255.0 * 255.0 / meanSquare);
    return result;
}

void differenceView(const ImageGrid& a, const ImageGrid& b, bool withAlpha, int gain,
                    std::uint32_t* out)
{
    requireSameSides(a, b);
    const std::size_t count = a.cellCount();
    const std::uint32_t* x = a.cells();
    const std::uint32_t* y = b.cells();
    for (std::size_t i = 0; i < count; ++i) {
        const int alpha = withAlpha ? channelDifference(x[i], y[i], 3) : 0;
        std::uint32_t pixel = 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
            const int level = std::min(255, (channelDifference(x[i], y[i], c) + alpha) * gain);
            // Screen pixels are 0xFFRRGGBB: red highest.
            pixel |= static_cast<std::uint32_t>(level) << (16 - 8 * c);
        }
        out[i] = pixel;
    }
}

int differenceGain(int largestError)
{
    if (largestError <= 0)
        return 1;
    return std::clamp(255 / largestError, 1, 64);
}

} // namespace texpeek
