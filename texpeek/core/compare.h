#pragma once

#include "texpeek/core/pixels.h"

#include <cstdint>

namespace texpeek {

// How far one decoded picture is from another of the same size, as a texture
// artist checks a re-compressed texture against its source: the largest
// difference of any channel of any pixel (0 to 255), the peak signal-to-noise
// ratio in dB over the channels compared (infinite for equal pictures), and
// how many pixels differ at all.
struct Comparison {
    int largestError = 0;
    double psnr = 0;
    std::uint64_t differingPixels = 0;
};

// Compares red, green and blue, and alpha too when `withAlpha` (formats
// without alpha leave it 0, which would only dilute the figure). Throws
// DdsError when the sides differ.
Comparison compareGrids(const ImageGrid& a, const ImageGrid& b, bool withAlpha);

// The difference of each colour channel, times `gain` and cut at 255, as
// opaque 0xFFRRGGBB screen pixels (black where the pictures agree); alpha's
// difference, when `withAlpha`, is added to all three so that it shows too.
// `out` has room for every pixel. Throws DdsError when the sides differ.
void differenceView(const ImageGrid& a, const ImageGrid& b, bool withAlpha, int gain,
                    std::uint32_t* out);

// The gain that brings `largestError` near full brightness: a small error
// must be seen, a large one is seen as it is.
int differenceGain(int largestError);

} // namespace texpeek
