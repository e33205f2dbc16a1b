#include "texpeek/core/surface_decoder.h"

#include "texpeek/core/block_decoders.h"
#if defined(TEXPEEK_HAS_ASTC)
#include "texpeek/core/astc/astc_decoder.h"
#endif
#include "texpeek/core/parallel.h"
#include "texpeek/core/progress_feed.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

namespace texpeek {

namespace {

// Copies what the file has of [offset, offset + count) into `out`, zeros
// for the rest.
void copyAvailable(const unsigned char* data, std::size_t available, std::size_t offset,
                   std::size_t count, unsigned char* out)
{
    const std::size_t have = offset < available ? std::min(count, available - offset) : 0;
    if (have != 0)
        std::memcpy(out, data + offset, have);
    std::memset(out + have, 0, count - have);
}

// Surfaces smaller than this are decoded on the calling thread alone: a
// helper thread costs more to start than they take.
std::size_t threadsFor(std::size_t pixels)
{
    return pixels < (std::size_t{1} << 16) ? 1 : workerCount();
}

// The bytes [offset, offset + count) where the file has them all, or else
// a copy of what it has in `missing` with zeros for the rest.
const unsigned char* bytesFor(const unsigned char* data, std::size_t available, std::size_t offset,
                              std::size_t count, std::vector<unsigned char>& missing)
{
    if (offset <= available && count <= available - offset)
        return data + offset;
    missing.resize(count);
    copyAvailable(data, available, offset, count, missing.data());
    return missing.data();
}

// One channel of a masked pixel: where it lies and its 8-bit values.
struct ChannelReader {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    std::vector<std::uint8_t> table; // for channels of up to 16 bits

    explicit ChannelReader(std::uint32_t m) : mask(m)
    {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
        if (max <= 0xFFFFu) {
            table.resize(max + 1);
            for (std::uint32_t v = 0; v <= max; ++v)
                table[v] = scaleChannel(v, max);
        }
    }
    std::uint32_t operator()(std::uint32_t pixel) const
    {
        if (mask == 0)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        return table.empty() ? scaleChannel(v, max) : table[v];
    }
};

// Decodes a surface of `bytesPerPixel`-byte pixels, `toCell` turning each
// pixel's bytes into its cell, in chunks shared by every core.
template <typename ToCell>
ImageGrid decodeEachPixel(const unsigned char* data, std::size_t available,
                          std::size_t bytesPerPixel, std::uint32_t width, std::uint32_t height,
                          ProgressSink& progress, ToCell toCell)
{
    ImageGrid grid =
        ImageGrid::allocate(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    const std::size_t total = grid.cellCount();
    ProgressFeed feed(progress, total);
    std::uint32_t* cells = grid.cells();
    auto decodeCells = [&](std::size_t first, std::size_t last) -> std::size_t {
        const std::size_t count = last - first;
        std::vector<unsigned char> missing;
        const unsigned char* p =
            bytesFor(data, available, first * bytesPerPixel, count * bytesPerPixel, missing);
        for (std::size_t i = 0; i < count; ++i, p += bytesPerPixel)
            cells[first + i] = toCell(p);
        return count;
    };
    runInChunks(total, feed.batch(), threadsFor(total), decodeCells,
                [&](std::size_t done) { feed.done(done); });
    return grid;
}

ImageGrid decodeMasked(const unsigned char* data, std::size_t available, const PixelFormat& format,
                       std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                       const DisplayMapping& mapping)
{
    const ChannelMasks& m = format.masks;
    const ChannelReader red(m.red), green(m.green), blue(m.blue), alpha(m.alpha);
    const auto bytesPerPixel = static_cast<std::size_t>(format.bitsPerPixel / 8);
    return decodeEachPixel(data, available, bytesPerPixel, width, height, progress,
                           [&](const unsigned char* p) {
                               std::uint32_t pixel = 0;
                               for (std::size_t b = 0; b < bytesPerPixel; ++b)
                                   pixel |= static_cast<std::uint32_t>(p[b]) << (8 * b);
                               const std::uint32_t r = red(pixel);
                               const std::uint32_t g = m.luminance ? r : green(pixel);
                               const std::uint32_t bl = m.luminance ? r : blue(pixel);
                               return mapping.cell(r | g << 8 | bl << 16 | alpha(pixel) << 24);
                           });
}

// Four channels of 16 or 32 bits: unsigned normalised, half or single
// floats, shown as the mapping says.
ImageGrid decodeWide(const unsigned char* data, std::size_t available, const PixelFormat& format,
                     std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                     const DisplayMapping& mapping)
{
    const std::size_t channelBytes = format.encoding == Encoding::Rgba32Float ? 4 : 2;
    return decodeEachPixel(
        data, available, 4 * channelBytes, width, height, progress, [&](const unsigned char* p) {
            if (format.encoding == Encoding::Rgba16Unorm) {
                std::uint32_t cell = 0;
                for (int c = 0; c < 4; ++c) {
                    const unsigned char* q = p + static_cast<std::size_t>(c) * 2;
                    cell |= static_cast<std::uint32_t>(
                                scaleChannel(static_cast<std::uint32_t>(q[0] | q[1] << 8), 0xFFFFu))
                            << (8 * c);
                }
                return mapping.cell(cell);
            }
            float v[4];
            for (int c = 0; c < 4; ++c) {
                const unsigned char* q = p + static_cast<std::size_t>(c) * channelBytes;
                if (channelBytes == 2) {
                    v[c] = halfToFloat(static_cast<std::uint16_t>(q[0] | q[1] << 8));
                } else {
                    const std::uint32_t raw = static_cast<std::uint32_t>(q[0]) |
                                              static_cast<std::uint32_t>(q[1]) << 8 |
                                              static_cast<std::uint32_t>(q[2]) << 16 |
                                              static_cast<std::uint32_t>(q[3]) << 24;
                    v[c] = std::bit_cast<float>(raw);
                }
            }
            return mapping.floats(v[0], v[1], v[2], v[3], true);
        });
}

// A channel's raw value as a number: unsigned or signed integer, half or
// single float.
float channelValue(const unsigned char* p, int bits, ChannelKind kind)
{
    std::uint32_t raw = 0;
    for (int b = 0; b < bits / 8; ++b)
        raw |= static_cast<std::uint32_t>(p[b]) << (8 * b);
    if (kind == ChannelKind::Float)
        return bits == 16 ? halfToFloat(static_cast<std::uint16_t>(raw))
                          : std::bit_cast<float>(raw);
    const double max = bits == 32 ? 4294967295.0 : static_cast<double>((1u << bits) - 1u);
    if (kind == ChannelKind::Unorm || kind == ChannelKind::Uint)
        return static_cast<float>(raw / max);
    // Signed: two's complement, the most negative value standing for -1.
    const double half = bits == 32 ? 2147483647.0 : static_cast<double>((1u << (bits - 1)) - 1u);
    std::int64_t v = raw;
    if (raw > static_cast<std::uint32_t>(half))
        v -= static_cast<std::int64_t>(max) + 1;
    return static_cast<float>(std::max(-1.0, static_cast<double>(v) / half));
}

// One, two or four channels of one width and kind. Integer data is shown as
// the normalised data of its width; signed values are remapped (-1 -> 0,
// 1 -> 255) for the mapping to read as BC4's signed values are.
ImageGrid decodeChannels(const unsigned char* data, std::size_t available,
                         const PixelFormat& format, std::uint32_t width, std::uint32_t height,
                         ProgressSink& progress, const DisplayMapping& mapping)
{
    const ChannelLayout layout = format.channels;
    const auto channelBytes = static_cast<std::size_t>(layout.bits / 8);
    const auto count = static_cast<std::size_t>(layout.count);
    const bool isFloat = layout.kind == ChannelKind::Float;
    const bool isSigned = layout.kind == ChannelKind::Snorm || layout.kind == ChannelKind::Sint;
    return decodeEachPixel(
        data, available, count * channelBytes, width, height, progress,
        [&](const unsigned char* p) {
            float v[4] = {0.0f, 0.0f, 0.0f, 0.0f};
            for (std::size_t c = 0; c < count; ++c)
                v[c] = channelValue(p + c * channelBytes, layout.bits, layout.kind);
            if (isFloat)
                return mapping.floats(v[0], v[1], v[2], v[3], count == 4);
            std::uint32_t cell = 0;
            for (std::size_t c = 0; c < count; ++c) {
                const float unit = isSigned ? (v[c] + 1.0f) * 0.5f : v[c];
                cell |=
                    static_cast<std::uint32_t>(std::lround(std::clamp(unit, 0.0f, 1.0f) * 255.0f))
                    << (8 * c);
            }
            return mapping.cell(cell);
        });
}

#if defined(TEXPEEK_HAS_ASTC)
// ASTC through libastcenc, the whole surface in one call; blocks past the
// file's data are decoded from zeros and painted as missing afterwards.
ImageGrid decodeAstcSurface(const unsigned char* data, std::size_t available,
                            const PixelFormat& format, std::uint32_t width, std::uint32_t height,
                            ProgressSink& progress, const DisplayMapping& mapping)
{
    ImageGrid grid =
        ImageGrid::allocate(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    const std::size_t total = grid.cellCount();
    ProgressFeed feed(progress, total);
    if (total == 0)
        return grid;
    const auto bytes = static_cast<std::size_t>(format.surfaceBytes(width, height));
    std::vector<unsigned char> missing;
    const unsigned char* blocks = bytesFor(data, available, 0, bytes, missing);
    if (!decodeAstc(blocks, bytes, format.astcWidth, format.astcHeight, width, height,
                    grid.cells()))
        throw DdsError("ASTC " + std::to_string(format.astcWidth) + "x" +
                       std::to_string(format.astcHeight) + " recusado pela libastcenc");
    mapping.cells(grid.cells(), total);
    feed.done(total);
    return grid;
}
#endif

// An unsigned float of `mantissaBits` and a 5-bit exponent, as the packed
// HDR layouts store them.
float smallFloat(std::uint32_t bits, int mantissaBits)
{
    const std::uint32_t mantissa = bits & ((1u << mantissaBits) - 1u);
    const int exponent = static_cast<int>(bits >> mantissaBits) & 0x1F;
    if (exponent == 0)
        return std::ldexp(static_cast<float>(mantissa), -14 - mantissaBits);
    if (exponent == 31)
        return mantissa == 0 ? INFINITY : NAN;
    return std::ldexp(static_cast<float>(mantissa | 1u << mantissaBits),
                      exponent - 15 - mantissaBits);
}

// The three-channel packed floats: R11G11B10 and RGB9E5.
ImageGrid decodePackedFloats(const unsigned char* data, std::size_t available,
                             const PixelFormat& format, std::uint32_t width, std::uint32_t height,
                             ProgressSink& progress, const DisplayMapping& mapping)
{
    const bool shared = format.encoding == Encoding::Rgb9E5;
    return decodeEachPixel(
        data, available, 4, width, height, progress, [&](const unsigned char* p) {
            const std::uint32_t v =
                static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
            if (shared) {
                const int exponent = static_cast<int>(v >> 27);
                const auto channel = [&](int shift) {
                    return std::ldexp(static_cast<float>((v >> shift) & 0x1FFu), exponent - 24);
                };
                return mapping.floats(channel(0), channel(9), channel(18), 0.0f, false);
            }
            return mapping.floats(smallFloat(v & 0x7FFu, 6), smallFloat((v >> 11) & 0x7FFu, 6),
                                  smallFloat(v >> 22, 5), 0.0f, false);
        });
}

// One block as shown: BC6H's half floats through the mapping's table, the
// others' 8-bit cells through the mapping.
void decodeShownBlock(Encoding encoding, const unsigned char* block, const DisplayMapping& mapping,
                      BlockPixels& out)
{
    if (encoding == Encoding::Bc6hUnsigned || encoding == Encoding::Bc6hSigned) {
        std::array<std::uint16_t, 48> halves;
        decodeBc6h(block, encoding == Encoding::Bc6hSigned, halves);
        for (std::size_t i = 0; i < 16; ++i)
            out[i] = static_cast<std::uint32_t>(mapping.halfLevel(halves[3 * i])) |
                     static_cast<std::uint32_t>(mapping.halfLevel(halves[3 * i + 1])) << 8 |
                     static_cast<std::uint32_t>(mapping.halfLevel(halves[3 * i + 2])) << 16;
        return;
    }
    decodeBlock(encoding, block, out);
    mapping.cells(out.data(), out.size());
}

ImageGrid decodeBlocks(const unsigned char* data, std::size_t available, const PixelFormat& format,
                       std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                       std::uint32_t* colourView, const DisplayMapping& mapping)
{
    ImageGrid grid =
        ImageGrid::allocate(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    const std::size_t total = grid.cellCount();
    ProgressFeed feed(progress, total);
    if (total == 0)
        return grid;
    const std::size_t across = (std::size_t{width} + 3) / 4;
    const std::size_t down = (std::size_t{height} + 3) / 4;
    const auto blockBytes = static_cast<std::size_t>(format.blockBytes());
    const std::size_t rowBytes = across * blockBytes;
    // Blocks cut by the right edge are copied column by column.
    const std::size_t fullAcross = width / 4;
    std::uint32_t* cells = grid.cells();
    const Encoding encoding = format.encoding;

    // Decodes block rows [firstRow, lastRow) and returns the pixels done.
    auto decodeRows = [&](std::size_t firstRow, std::size_t lastRow) -> std::size_t {
        std::vector<unsigned char> missing;
        BlockPixels pixels;
        for (std::size_t by = firstRow; by < lastRow; ++by) {
            // Rows past the file's data are painted as missing afterwards.
            if (by * rowBytes >= available)
                continue;
            const unsigned char* row = bytesFor(data, available, by * rowBytes, rowBytes, missing);
            const std::size_t rows = std::min<std::size_t>(4, height - by * 4);
            if (rows == 4) {
                // Fixed-size copies the compiler turns into plain stores.
                std::uint32_t* target = cells + by * 4 * width;
                for (std::size_t bx = 0; bx < fullAcross; ++bx, target += 4) {
                    decodeShownBlock(encoding, row + bx * blockBytes, mapping, pixels);
                    for (std::size_t y = 0; y < 4; ++y)
                        std::memcpy(target + y * width, pixels.data() + y * 4,
                                    4 * sizeof(std::uint32_t));
                }
            }
            for (std::size_t bx = rows == 4 ? fullAcross : 0; bx < across; ++bx) {
                decodeShownBlock(encoding, row + bx * blockBytes, mapping, pixels);
                const std::size_t columns = std::min<std::size_t>(4, width - bx * 4);
                std::uint32_t* cut = cells + by * 4 * width + bx * 4;
                for (std::size_t y = 0; y < rows; ++y)
                    std::memcpy(cut + y * width, pixels.data() + y * 4,
                                columns * sizeof(std::uint32_t));
            }
            // The rows just written are still in the cache: their view
            // costs far less now than in a pass of its own over the grid.
            if (colourView != nullptr) {
                const std::size_t first = by * 4 * width;
                viewPixels(cells + first, rows * width, ChannelView::Colour, colourView + first);
            }
        }
        return (std::min<std::size_t>(height, lastRow * 4) - firstRow * 4) * width;
    };

    // Chunks of about one progress batch, so that a cancel is heard soon.
    const std::size_t pixelsPerRow = std::size_t{width} * 4;
    const std::size_t chunk = std::max<std::size_t>(1, feed.batch() / pixelsPerRow);
    runInChunks(down, chunk, threadsFor(total), decodeRows,
                [&](std::size_t done) { feed.done(done); });
    return grid;
}

// Cells a picture may show beyond one and a half times the cells the data
// fills: 2 MB of grid and as much of view.
constexpr std::uint64_t kSpareCells = std::uint64_t{1} << 19;

// Bytes of the smallest unit the file's data is counted in: a block, or a
// pixel.
std::uint64_t unitBytes(const PixelFormat& format)
{
    if (format.isBlockCompressed())
        return static_cast<std::uint64_t>(format.blockBytes());
    return static_cast<std::uint64_t>(std::max(format.bitsPerPixel / 8, 1));
}

// Paints the cells whose bytes the file lacks (and their colour view).
void paintMissing(ImageGrid& grid, const PixelFormat& format, const SurfaceCoverage& coverage,
                  std::uint32_t* colourView)
{
    const auto width = static_cast<std::uint32_t>(grid.width());
    const auto height = static_cast<std::uint32_t>(grid.height());
    std::uint32_t* cells = grid.cells();
    const auto paint = [&](std::uint32_t x, std::uint32_t y) {
        const std::size_t i = std::size_t{y} * width + x;
        cells[i] = missingCell(x, y);
        if (colourView != nullptr)
            colourView[i] = 0xFF000000u | (cells[i] & 0xFFFFFFu);
    };
    if (!format.isBlockCompressed()) {
        const std::uint64_t total = std::uint64_t{width} * height;
        for (std::uint64_t i = coverage.unitsPresent; i < total; ++i)
            paint(static_cast<std::uint32_t>(i % width), static_cast<std::uint32_t>(i / width));
        return;
    }
    const auto bw = static_cast<std::uint32_t>(format.blockWidth());
    const auto bh = static_cast<std::uint32_t>(format.blockHeight());
    const std::uint64_t across = (std::uint64_t{width} + bw - 1) / bw;
    const std::uint64_t down = (std::uint64_t{height} + bh - 1) / bh;
    for (std::uint64_t b = coverage.unitsPresent; b < across * down; ++b) {
        const auto x0 = static_cast<std::uint32_t>(b % across * bw);
        const auto y0 = static_cast<std::uint32_t>(b / across * bh);
        for (std::uint32_t y = y0; y < std::min(height, y0 + bh); ++y)
            for (std::uint32_t x = x0; x < std::min(width, x0 + bw); ++x)
                paint(x, y);
    }
}

ImageGrid decodeCovered(const unsigned char* data, std::size_t available, const PixelFormat& format,
                        std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                        std::uint32_t* colourView, const Interpretation* interpretation);

} // namespace

std::uint32_t missingCell(std::uint32_t x, std::uint32_t y)
{
    return ((x / 8 + y / 8) % 2 == 0) ? 0xFF999999u : 0xFF666666u;
}

SurfaceCoverage surfaceCoverage(const PixelFormat& format, std::uint32_t width,
                                std::uint32_t height, std::size_t available)
{
    SurfaceCoverage c;
    c.width = width;
    c.height = height;
    c.bytesNeeded = format.surfaceBytes(width, height);
    c.bytesPresent = std::min<std::uint64_t>(available, c.bytesNeeded);
    c.shownHeight = height;
    const std::uint64_t unit = unitBytes(format);
    const bool blocks = format.isBlockCompressed();
    const std::uint64_t unitWidth = blocks ? static_cast<std::uint64_t>(format.blockWidth()) : 1;
    const std::uint64_t unitHeight = blocks ? static_cast<std::uint64_t>(format.blockHeight()) : 1;
    const std::uint64_t perRow = (std::uint64_t{width} + unitWidth - 1) / unitWidth;
    c.unitsPresent = c.bytesPresent / unit;
    if (c.complete() || width == 0 || height == 0)
        return c;
    if (c.unitsPresent < perRow)
        throw DdsError("Dados insuficientes: o arquivo tem " + std::to_string(c.bytesPresent) +
                       " de " + std::to_string(c.bytesNeeded) + " bytes da imagem");
    const std::uint64_t rowsWithData = (c.unitsPresent + perRow - 1) / perRow;
    const std::uint64_t filledRows = std::min<std::uint64_t>(height, rowsWithData * unitHeight);
    const std::uint64_t allowance = filledRows * width * 3 / 2 + kSpareCells;
    c.shownHeight = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(height, std::max(filledRows, allowance / width)));
    return c;
}

std::string missingDataText(const SurfaceCoverage& coverage)
{
    if (coverage.complete())
        return {};
    const std::uint64_t missing = coverage.bytesNeeded - coverage.bytesPresent;
    const std::uint64_t percent = (missing * 100 + coverage.bytesNeeded / 2) / coverage.bytesNeeded;
    return "Faltam " + std::to_string(missing) + " de " + std::to_string(coverage.bytesNeeded) +
           " bytes (" + std::to_string(percent) + "%)";
}

std::uint8_t scaleChannel(std::uint32_t value, std::uint32_t max)
{
    if (max == 0)
        return 0;
    // Exact rounding to nearest of value * 255 / max; with max odd, as every
    // full channel's is, no value falls halfway.
    const std::uint64_t scaled = (std::uint64_t{value} * 510 + max) / (2 * std::uint64_t{max});
    return static_cast<std::uint8_t>(std::min<std::uint64_t>(scaled, 255));
}

ImageGrid decodeSurface(const unsigned char* data, std::size_t available, const PixelFormat& format,
                        std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                        std::uint32_t* colourView, const Interpretation* interpretation)
{
    if (width > static_cast<std::uint32_t>(INT32_MAX) ||
        height > static_cast<std::uint32_t>(INT32_MAX) ||
        std::uint64_t{width} * height > static_cast<std::uint64_t>(INT32_MAX))
        throw DdsError("too many pixels");
    const SurfaceCoverage coverage = surfaceCoverage(format, width, height, available);
    height = coverage.shownHeight;
    available = static_cast<std::size_t>(coverage.bytesPresent);
    ImageGrid grid =
        decodeCovered(data, available, format, width, height, progress, colourView, interpretation);
    if (!coverage.complete())
        paintMissing(grid, format, coverage, colourView);
    return grid;
}

namespace {

ImageGrid decodeCovered(const unsigned char* data, std::size_t available, const PixelFormat& format,
                        std::uint32_t width, std::uint32_t height, ProgressSink& progress,
                        std::uint32_t* colourView, const Interpretation* interpretation)
{
    const Interpretation reading =
        interpretation != nullptr ? *interpretation : defaultInterpretation(format, std::nullopt);
    const DisplayMapping mapping(format, reading);

    switch (format.encoding) {
    case Encoding::Legacy16:
    case Encoding::Legacy24:
    case Encoding::Legacy32: {
        DdsHeader header;
        header.width = static_cast<std::int32_t>(width);
        header.height = static_cast<std::int32_t>(height);
        header.pixelFormat.bitCount = format.bitsPerPixel;
        ImageGrid grid = std::move(*decodePixels(data, available, header, progress));
        mapping.cells(grid.cells(), grid.cellCount());
        if (colourView != nullptr)
            buildView(grid, ChannelView::Colour, colourView);
        return grid;
    }
    default: break;
    }

    progress.stageStarted(Stage::Reading, "Decodificando " + format.name + "...", format.name);
    ImageGrid grid;
    switch (format.encoding) {
    case Encoding::Masked:
        grid = decodeMasked(data, available, format, width, height, progress, mapping);
        break;
    case Encoding::Rgba16Unorm:
    case Encoding::Rgba16Float:
    case Encoding::Rgba32Float:
        grid = decodeWide(data, available, format, width, height, progress, mapping);
        break;
    case Encoding::Channels:
        grid = decodeChannels(data, available, format, width, height, progress, mapping);
        break;
    case Encoding::R11G11B10Float:
    case Encoding::Rgb9E5:
        grid = decodePackedFloats(data, available, format, width, height, progress, mapping);
        break;
#if defined(TEXPEEK_HAS_ASTC)
    case Encoding::Astc:
        grid = decodeAstcSurface(data, available, format, width, height, progress, mapping);
        break;
#endif
    case Encoding::Palette8: {
        std::array<std::uint32_t, 256> palette{};
        std::copy_n(format.palette.begin(), std::min<std::size_t>(format.palette.size(), 256),
                    palette.begin());
        grid = decodeEachPixel(data, available, 1, width, height, progress,
                               [&](const unsigned char* p) { return mapping.cell(palette[*p]); });
        break;
    }
    default:
        grid = decodeBlocks(data, available, format, width, height, progress, colourView, mapping);
        break;
    }
    progress.stageFinished(Stage::Reading);
    if (colourView != nullptr && !format.isBlockCompressed())
        buildView(grid, ChannelView::Colour, colourView);
    return grid;
}

} // namespace

} // namespace texpeek
