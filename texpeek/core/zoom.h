#pragma once

#include <cstdint>
#include <optional>

namespace texpeek {

// Sizes are in twips: 15 twips make one screen pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Every open shows one screen pixel per image pixel.
inline constexpr std::int16_t kOpenCellSize = 15;
inline constexpr std::int16_t kZoomFactor = 4;

enum class ZoomDirection { In, Out };

// The next cell size one zoom step reaches, or nothing when the step is
// refused. The guards look at the size before the step, so from 15 the
// reachable sizes run 3, 7, 11, ... 63.
std::optional<std::int16_t> zoomStep(std::int16_t cellSize, ZoomDirection direction,
                                     std::int16_t factor = kZoomFactor);

// Where image pixel `index` (counted from 1) starts on the picture area, in
// screen pixels: cell n covers n * cellSize to (n + 1) * cellSize twips, so the
// image starts one cell in from the top-left corner.
double cellStart(std::int64_t index, std::int16_t cellSize);

// The screen pixels the picture needs to show `count` cells along one side,
// the empty first cell included; 0 for an empty image.
std::int64_t pictureExtent(std::int64_t count, std::int16_t cellSize);

} // namespace texpeek
