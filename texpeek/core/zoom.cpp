#include "texpeek/core/zoom.h"

namespace texpeek {

std::optional<std::int16_t> zoomStep(std::int16_t cellSize, ZoomDirection direction,
                                     std::int16_t factor)
{
    if (direction == ZoomDirection::In) {
        if (cellSize >= 60)
            return std::nullopt;
        return static_cast<std::int16_t>(cellSize + factor);
    }
    if (cellSize <= 5)
        return std::nullopt;
    return static_cast<std::int16_t>(cellSize - factor);
}

double cellStart(std::int64_t index, std::int16_t cellSize)
{
    return static_cast<double>(index) * cellSize / kTwipsPerPixel;
}

std::int64_t pictureExtent(std::int64_t count, std::int16_t cellSize)
{
    if (count <= 0)
        return 0;
    const std::int64_t twips = (count + 1) * cellSize;
    return (twips + kTwipsPerPixel - 1) / kTwipsPerPixel;
}

} // namespace texpeek
