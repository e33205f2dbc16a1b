#include "texpeek/core/pixels.h"

#include "texpeek/core/parallel.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace texpeek {

namespace {

// Batches of at most one percent, so that a display of whole percentages
// passes through every value, and at most kProgressBatch pixels, so that the
// bytes of one batch stay in the cache between reading and reordering.
std::size_t batchFor(std::size_t total)
{
    return std::clamp<std::size_t>(total / 100, 1, static_cast<std::size_t>(kProgressBatch));
}

// Reads up to `count` bytes; a short file just yields fewer. The stream is
// left usable so that later reads see the end of the file too.
std::size_t readUpTo(std::istream& in, void* destination, std::size_t count)
{
    if (count == 0)
        return 0;
    in.read(static_cast<char*>(destination), static_cast<std::streamsize>(count));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (!in)
        in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
    return got;
}

#if defined(__linux__)
// Large blocks are mapped directly and asked to be backed by 2 MB pages: a
// 4096 x 4096 image then takes 32 page faults instead of 16384, which
// otherwise cost more than decoding it. Nothing when the mapping fails.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

void* mapLarge(std::size_t bytes, std::size_t& mappedBytes)
{
    if (bytes < 4 * kHugePage)
        return nullptr;
    const std::size_t length = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        return nullptr;
    // Trim the mapping to a stretch that starts on a 2 MB boundary.
    auto* base = static_cast<unsigned char*>(block);
    const auto address = reinterpret_cast<std::uintptr_t>(base);
    const std::size_t head = (kHugePage - address % kHugePage) % kHugePage;
    if (head != 0)
        munmap(base, head);
    munmap(base + head + length, kHugePage - head);
    madvise(base + head, length, MADV_HUGEPAGE);
    mappedBytes = length;
    return base + head;
}
#endif

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

std::optional<ImageGrid> decode32(std::istream& in, const DdsHeader& header, std::size_t total,
                                  ProgressSink& progress)
{
    const std::size_t batch = batchFor(total);
    progress.stageStarted(Stage::Reading, "Adquirindo cores da imagem 32 bits...", formatName(32));
    ImageGrid grid = ImageGrid::allocate(header.width, header.height);
    std::uint32_t* cells = grid.cells();
    // The file's bytes go straight into the grid and are reordered in place
    // while they are still in the cache. Cells past the end of a short file
    // are left as the zero they are, unwritten, so that a header promising far
    // more than the file holds does not make the whole grid resident.
    for (std::size_t done = 0; done < total;) {
        const std::size_t count = std::min(batch, total - done);
        std::uint32_t* chunk = cells + done;
        const std::size_t got = (readUpTo(in, chunk, count * 4) + 3) / 4;
        for (std::size_t i = 0; i < got; ++i)
            chunk[i] = cellFromBgra(littleEndian32(chunk[i]));
        done += count;
        progress.pixelsDone(static_cast<std::int64_t>(count));
    }
    progress.stageFinished(Stage::Reading);
    return grid;
}

std::optional<ImageGrid> decode24(std::istream& in, const DdsHeader& header, std::size_t total,
                                  ProgressSink& progress)
{
    const std::size_t batch = batchFor(total);
    progress.stageStarted(Stage::Reading, "Adquirindo cores da imagem 24 bits...", formatName(24));
    ImageGrid grid = ImageGrid::allocate(header.width, header.height);
    std::uint32_t* cells = grid.cells();
    std::vector<unsigned char> buffer(std::min(batch, total) * 3);
    for (std::size_t done = 0; done < total;) {
        const std::size_t count = std::min(batch, total - done);
        const std::size_t got = readUpTo(in, buffer.data(), count * 3);
        std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got),
                  buffer.begin() + static_cast<std::ptrdiff_t>(count * 3), 0);
        const unsigned char* b = buffer.data();
        std::uint32_t* chunk = cells + done;
        for (std::size_t i = 0; i < (got + 2) / 3; ++i, b += 3)
            chunk[i] = static_cast<std::uint32_t>(b[2]) | static_cast<std::uint32_t>(b[1]) << 8 |
                       static_cast<std::uint32_t>(b[0]) << 16;
        done += count;
        progress.pixelsDone(static_cast<std::int64_t>(count));
    }
    progress.stageFinished(Stage::Reading);
    return grid;
}

std::optional<ImageGrid> decode16(std::istream& in, const DdsHeader& header, std::size_t total,
                                  ProgressSink& progress)
{
    const std::size_t batch = batchFor(total);
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
        wordsRead += (readUpTo(in, words + done, count * 2) + 1) / 2;
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
    const std::size_t bytes = std::max<std::size_t>(words, 1) * sizeof(std::uint32_t);
#if defined(__linux__)
    if (void* mapped = mapLarge(bytes, mappedBytes_)) {
        data_ = static_cast<std::uint32_t*>(mapped); // fresh anonymous pages are zero
        return;
    }
#endif
    // calloc rather than a zero-filling loop: large blocks come as fresh zero
    // pages that are only backed once written.
    data_ = static_cast<std::uint32_t*>(std::calloc(bytes, 1));
    if (data_ == nullptr)
        throw std::bad_alloc();
}

PixelBlock::PixelBlock(PixelBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), mappedBytes_(std::exchange(other.mappedBytes_, 0))
{
}

PixelBlock& PixelBlock::operator=(PixelBlock&& other) noexcept
{
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        mappedBytes_ = std::exchange(other.mappedBytes_, 0);
    }
    return *this;
}

PixelBlock::~PixelBlock()
{
    release();
}

void PixelBlock::release() noexcept
{
    if (data_ == nullptr)
        return;
#if defined(__linux__)
    if (mappedBytes_ != 0) {
        munmap(data_, mappedBytes_);
        data_ = nullptr;
        return;
    }
#endif
    std::free(data_);
    data_ = nullptr;
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

std::optional<ImageGrid> decodePixels(std::istream& in, const DdsHeader& header,
                                      ProgressSink& progress)
{
    const int bitCount = header.pixelFormat.bitCount;
    if (bitCount != 16 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    const auto total = static_cast<std::size_t>(pixelTotal(header));
    // Each decoder names its stage before taking the grid, so that a grid
    // that cannot be had leaves that stage on show.
    switch (bitCount) {
    case 16: return decode16(in, header, total, progress);
    case 24: return decode24(in, header, total, progress);
    default: return decode32(in, header, total, progress);
    }
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
    const std::size_t total = grid.cellCount();
    const std::size_t batch = batchFor(total);
    const std::uint32_t* cells = grid.cells();
    auto convert = [&](std::size_t first, std::size_t last) -> std::size_t {
        viewPixels(cells + first, last - first, view, out + first);
        return last - first;
    };
    auto report = [&](std::size_t done) {
        for (std::size_t reported = 0; progress != nullptr && reported < done;) {
            const std::size_t piece = std::min(batch, done - reported);
            progress->pixelsDone(static_cast<std::int64_t>(piece));
            reported += piece;
        }
    };
    // Chunks of one progress batch, taken in turn by every core.
    const std::size_t threads = total < (std::size_t{1} << 16) ? 1 : workerCount();
    runInChunks(total, batch, threads, convert, report);
}

} // namespace texpeek
