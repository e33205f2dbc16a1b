#include "texpeek/core/pixels.h"

#include "texpeek/core/parallel.h"
#include "texpeek/core/progress_feed.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <new>
#include <utility>
#include <vector>

namespace texpeek {

namespace {

// The legacy layouts' bytes in memory, read front to back as a file would
// be: a short file just yields fewer.
class ByteCursor {
public:
    ByteCursor(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t readUpTo(void* destination, std::size_t count)
    {
        const std::size_t got = std::min(count, size_ - at_);
        if (got != 0)
            std::memcpy(destination, data_ + at_, got);
        at_ += got;
        return got;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Converts pixels [0, total) in chunks of one progress batch on every core,
// `convert(first, last)` writing those cells, and feeds their count to the
// progress as the calling thread sees them done. Chunks of a batch also keep
// the bytes of one in the cache between reading and writing.
template <typename Convert>
void convertInChunks(std::size_t total, ProgressFeed& feed, Convert convert)
{
    auto work = [&](std::size_t first, std::size_t last) {
        convert(first, last);
        return last - first;
    };
    auto report = [&](std::size_t done) { feed.done(done); };
    const std::size_t threads = total < (std::size_t{1} << 16) ? 1 : workerCount();
    runInChunks(total, feed.batch(), threads, work, report);
}

[[maybe_unused]] std::uint32_t swapBytes32(std::uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}

// Four file bytes b0..b3, as loaded from memory, seen as b0 + 256 * b1 + ...
std::uint32_t littleEndian32(std::uint32_t loaded)
{
    if constexpr (std::endian::native == std::endian::big)
        return swapBytes32(loaded);
    else
        return loaded;
}

std::uint16_t littleEndian16(std::uint16_t loaded)
{
    if constexpr (std::endian::native == std::endian::big)
        return static_cast<std::uint16_t>((loaded >> 8) | (loaded << 8));
    else
        return loaded;
}

// File order blue, green, red, alpha into a cell red, green, blue, alpha:
// bytes 0 and 2 trade places.
std::uint32_t cellFromBgra(std::uint32_t v)
{
    return (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
}

struct Channel16Tables {
    std::array<std::uint32_t, 32> red{};
    std::array<std::uint32_t, 64> green{};
    std::array<std::uint32_t, 32> blue{};
};

const Channel16Tables& channel16Tables()
{
    static const Channel16Tables tables = [] {
        Channel16Tables t;
        for (unsigned v = 0; v < 32; ++v) {
            t.red[v] = scale5(v);
            t.blue[v] = static_cast<std::uint32_t>(scale5(v)) << 16;
        }
        for (unsigned v = 0; v < 64; ++v)
            t.green[v] = static_cast<std::uint32_t>(scale6(v)) << 8;
        return t;
    }();
    return tables;
}

// The 24- and 32-bit layouts: `cellOf(bytes)` makes a cell of one pixel's
// `PixelBytes` bytes. Cells past the end of a short file are left as the zero
// they are, unwritten, so that a header promising far more than the file
// holds does not make the whole grid resident. A last pixel the file holds
// only in part has its missing bytes read as zero.
template <std::size_t PixelBytes, typename CellOf>
ImageGrid decodePacked(const unsigned char* data, std::size_t available, const DdsHeader& header,
                       std::size_t total, ProgressSink& progress, const char* status, CellOf cellOf)
{
    progress.stageStarted(Stage::Reading, status, formatName(static_cast<int>(PixelBytes * 8)));
    ImageGrid grid = ImageGrid::allocate(header.width, header.height);
    std::uint32_t* cells = grid.cells();
    const std::size_t whole = std::min(total, available / PixelBytes);
    ProgressFeed feed(progress, total);
    convertInChunks(whole, feed, [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i)
            cells[i] = cellOf(data + PixelBytes * i);
    });
    if (whole < total) {
        if (available % PixelBytes != 0) {
            std::array<unsigned char, PixelBytes> part{};
            std::memcpy(part.data(), data + PixelBytes * whole, available % PixelBytes);
            cells[whole] = cellOf(part.data());
        }
        feed.done(total - whole);
    }
    progress.stageFinished(Stage::Reading);
    return grid;
}

// Lambdas rather than functions, so that each decodePacked is made with its
// pixel's conversion inlined into the loop.

// Blue, green, red, alpha into a cell red, green, blue, alpha.
constexpr auto cellOf32 = [](const unsigned char* b) {
    std::uint32_t v;
    std::memcpy(&v, b, 4);
    return cellFromBgra(littleEndian32(v));
};

// Blue, green, red into a cell red, green, blue with alpha 0.
constexpr auto cellOf24 = [](const unsigned char* b) {
    return static_cast<std::uint32_t>(b[2]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[0]) << 16;
};

ImageGrid decode16(const unsigned char* data, std::size_t available, const DdsHeader& header,
                   std::size_t total, ProgressSink& progress)
{
    ByteCursor in(data, available);
    const std::size_t batch = ProgressFeed(progress, total).batch();
    progress.stageStarted(Stage::Reading, "Adquirindo cores da imagem 16 bits...", formatName(16));
    ImageGrid grid = ImageGrid::allocate(header.width, header.height);
    // The raw words are kept apart until every one is read, so that the two
    // stages each run over the whole image as the progress display tells it.
    const PixelBlock block((total + 1) / 2);
    auto* words = reinterpret_cast<std::uint16_t*>(block.data());
    std::size_t wordsRead = 0;
    for (std::size_t done = 0; done < total;) {
        const std::size_t count = std::min(batch, total - done);
        // Words missing at the end stay zero; a half word keeps its one byte
        // as the low byte.
        wordsRead += (in.readUpTo(words + done, count * 2) + 1) / 2;
        done += count;
        progress.pixelsDone(static_cast<std::int64_t>(count));
    }
    progress.stageFinished(Stage::Reading);

    progress.stageStarted(Stage::Converting, "Transormando dados...", {});
    const Channel16Tables& t = channel16Tables();
    std::uint32_t* cells = grid.cells();
    for (std::size_t done = 0; done < total;) {
        const std::size_t count = std::min(batch, total - done);
        // Words never read are zero and so are their cells.
        for (std::size_t i = done; i < std::min(done + count, wordsRead); ++i) {
            const unsigned v = littleEndian16(words[i]);
            cells[i] = t.red[v >> 11] | t.green[(v >> 5) & 0x3Fu] | t.blue[v & 0x1Fu];
        }
        done += count;
        progress.pixelsDone(static_cast<std::int64_t>(count));
    }
    progress.stageFinished(Stage::Converting);
    return grid;
}

} // namespace

PixelBlock::PixelBlock(std::size_t words)
{
    // A count whose byte size wraps around would give a block far too small.
    if (words > SIZE_MAX / sizeof(std::uint32_t))
        throw std::bad_alloc();
    block_ = MemoryBlock(words * sizeof(std::uint32_t));
}

ImageGrid ImageGrid::allocate(std::int32_t width, std::int32_t height)
{
    if (width < 0 || height < 0)
        throw DdsError("negative image size");
    ImageGrid grid;
    grid.width_ = width;
    grid.height_ = height;
    grid.cells_ = PixelBlock(grid.cellCount());
    return grid;
}

std::int32_t pixelTotal(const DdsHeader& header)
{
    if (header.width < 0 || header.height < 0)
        throw DdsError("negative image size");
    const std::int64_t total = std::int64_t{header.width} * std::int64_t{header.height};
    if (total > std::int64_t{INT32_MAX})
        throw DdsError("too many pixels");
    return static_cast<std::int32_t>(total);
}

std::uint8_t scale5(unsigned value)
{
    return static_cast<std::uint8_t>(std::lround(value * 255.0 / 31.0));
}

std::uint8_t scale6(unsigned value)
{
    return static_cast<std::uint8_t>(std::lround(value * 255.0 / 63.0));
}

std::optional<ImageGrid> decodePixels(const unsigned char* data, std::size_t available,
                                      const DdsHeader& header, ProgressSink& progress)
{
    const int bitCount = header.pixelFormat.bitCount;
    if (bitCount != 16 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    const auto total = static_cast<std::size_t>(pixelTotal(header));
    // Each decoder names its stage before taking the grid, so that a grid
    // that cannot be had leaves that stage on show.
    switch (bitCount) {
    case 16: return decode16(data, available, header, total, progress);
    case 24:
        return decodePacked<3>(data, available, header, total, progress,
                               "Adquirindo cores da imagem 24 bits...", cellOf24);
    default:
        return decodePacked<4>(data, available, header, total, progress,
                               "Adquirindo cores da imagem 32 bits...", cellOf32);
    }
}

std::optional<ImageGrid> decodePixels(std::istream& in, const DdsHeader& header,
                                      ProgressSink& progress)
{
    const int bitCount = header.pixelFormat.bitCount;
    if (bitCount != 16 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    // Only as much as the first image needs, however long the stream.
    const auto wanted =
        static_cast<std::size_t>(pixelTotal(header)) * static_cast<std::size_t>(bitCount / 8);
    std::string bytes;
    char block[65536];
    while (bytes.size() < wanted) {
        const std::size_t ask = std::min(sizeof block, wanted - bytes.size());
        in.read(block, static_cast<std::streamsize>(ask));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        bytes.append(block, got);
    }
    return decodePixels(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), header,
                        progress);
}

void viewPixels(const std::uint32_t* cells, std::size_t count, ChannelView view, std::uint32_t* out)
{
    if (view == ChannelView::Colour) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t c = cells[i];
            out[i] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
        }
        return;
    }
    const int shift = view == ChannelView::Alpha   ? 24
                      : view == ChannelView::Red   ? 0
                      : view == ChannelView::Green ? 8
                                                   : 16;
    for (std::size_t i = 0; i < count; ++i)
        out[i] = 0xFF000000u | ((cells[i] >> shift) & 0xFFu) * 0x010101u;
}

void buildView(const ImageGrid& grid, ChannelView view, std::uint32_t* out, ProgressSink* progress)
{
    const std::uint32_t* cells = grid.cells();
    ProgressFeed feed(progress, grid.cellCount());
    convertInChunks(grid.cellCount(), feed, [&](std::size_t first, std::size_t last) {
        viewPixels(cells + first, last - first, view, out + first);
    });
}

} // namespace texpeek
