#pragma once

#include "texpeek/core/dds_header.h"
#include "texpeek/core/memory_block.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace texpeek {

// The stages of an open and of a redraw, as the progress display tells them
// apart: reading and converting show a percentage, drawing only moves the bar.
enum class Stage { Reading, Converting, Drawing };

// The window side of a long operation. Pixels are reported in batches of at
// most kProgressBatch and at most about one percent of the stage, so that a
// large image does not spend its time in the display while a percentage shown
// in whole numbers still passes through every value. The counts of a stage add
// up to its pixel total.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // The count goes back to 0. `formatName` is empty when the stage names none.
    virtual void stageStarted(Stage stage, std::string_view status,
                              std::string_view formatName) = 0;
    virtual void pixelsDone(std::int64_t count) = 0;
    virtual void stageFinished(Stage stage) = 0;
};

inline constexpr std::int64_t kProgressBatch = 1 << 16;

// A header whose pixels cannot be held: a negative side, or more pixels than
// a 32-bit signed count holds.
class DdsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A zero-filled block of 32-bit words for a grid or a view image.
class PixelBlock {
public:
    PixelBlock() = default;
    // Throws std::bad_alloc when the block cannot be had.
    explicit PixelBlock(std::size_t words);

    std::uint32_t* data() const { return reinterpret_cast<std::uint32_t*>(block_.data()); }

private:
    MemoryBlock block_;
};

// The decoded image: one 32-bit cell per pixel, row 1 first, column 1 first.
// A cell's value is red + 256 * green + 65536 * blue + 16777216 * alpha.
class ImageGrid {
public:
    ImageGrid() = default;

    // A zero-filled grid; throws std::bad_alloc when it cannot be had. Pages
    // the decoder never writes (past the end of a short file) cost nothing.
    static ImageGrid allocate(std::int32_t width, std::int32_t height);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::size_t cellCount() const
    {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }

    // Rows and columns count from 1, as the file's pixels are numbered.
    std::uint32_t cell(std::int32_t row, std::int32_t column) const
    {
        return cells_.data()[index(row, column)];
    }
    std::uint8_t red(std::int32_t row, std::int32_t column) const { return byteOf(row, column, 0); }
    std::uint8_t green(std::int32_t row, std::int32_t column) const
    {
        return byteOf(row, column, 1);
    }
    std::uint8_t blue(std::int32_t row, std::int32_t column) const
    {
        return byteOf(row, column, 2);
    }
    std::uint8_t alpha(std::int32_t row, std::int32_t column) const
    {
        return byteOf(row, column, 3);
    }

    const std::uint32_t* cells() const { return cells_.data(); }
    std::uint32_t* cells() { return cells_.data(); }

private:
    std::size_t index(std::int32_t row, std::int32_t column) const
    {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(column - 1);
    }
    std::uint8_t byteOf(std::int32_t row, std::int32_t column, int byte) const
    {
        return static_cast<std::uint8_t>(cell(row, column) >> (8 * byte));
    }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    PixelBlock cells_;
};

// width * height as the 32-bit signed count the progress display runs to.
// Throws DdsError for a negative side or a product of 2^31 or more.
std::int32_t pixelTotal(const DdsHeader& header);

// Decodes the pixels that follow the header (`available` bytes at `data`)
// into a new grid, by the header's bit count alone: 32 bits as blue, green,
// red, alpha; 24 bits as blue, green, red; 16 bits as one little-endian word
// R5G6B5, scaled to 8 bits a channel. Rows are read packed whatever the pitch says; only the first
// image is read; bytes missing at the end of the file read as zero.
// Nothing for any other bit count (nothing is read then). Throws DdsError for
// a header whose pixels cannot be counted and std::bad_alloc when the grid
// cannot be had.
std::optional<ImageGrid> decodePixels(const unsigned char* data, std::size_t available,
                                      const DdsHeader& header, ProgressSink& progress);
// The same, reading the bytes from `in` (at byte 128).
std::optional<ImageGrid> decodePixels(std::istream& in, const DdsHeader& header,
                                      ProgressSink& progress);

// The 8-bit value of a 5- or 6-bit channel, rounded to nearest (31 -> 255,
// 16 -> 132, 1 -> 8; 6-bit 32 -> 130).
std::uint8_t scale5(unsigned value);
std::uint8_t scale6(unsigned value);

// What a view paints for each cell: the colour view its red, green and blue,
// the other views one channel as a grey level (0 black, 255 white).
enum class ChannelView { Colour, Alpha, Red, Green, Blue };

// Fills `out` (room for every cell, row after row) with one opaque screen
// pixel per cell, as 0xFFRRGGBB, which is what 32-bit display surfaces take.
// `progress`, when given, hears of the pixels as they are done.
void buildView(const ImageGrid& grid, ChannelView view, std::uint32_t* out,
               ProgressSink* progress = nullptr);

// The screen pixels of `count` cells, as buildView makes them.
void viewPixels(const std::uint32_t* cells, std::size_t count, ChannelView view,
                std::uint32_t* out);

} // namespace texpeek
