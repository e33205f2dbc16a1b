#include "texpeek/core/dds_file.h"

#include "texpeek/core/surface_decoder.h"

#include <algorithm>
#include <cstring>

namespace texpeek {

DdsFile parseDdsFile(std::string_view bytes)
{
    return parseDdsFile(FileBytes(bytes));
}

DdsFile parseDdsFile(FileBytes bytes)
{
    DdsFile file;
    file.bytes = std::move(bytes);
    std::array<unsigned char, kHeaderSize> head{};
    std::memcpy(head.data(), file.bytes.data(), std::min(head.size(), file.bytes.size()));
    file.header = parseDdsHeader(head);
    if (hasDx10Header(file.header)) {
        std::array<unsigned char, kDx10HeaderSize> extended{};
        if (file.bytes.size() > kHeaderSize)
            std::memcpy(extended.data(), file.bytes.data() + kHeaderSize,
                        std::min(extended.size(), file.bytes.size() - kHeaderSize));
        file.dx10 = parseDx10Header(extended);
        file.pixelOffset = kHeaderSize + kDx10HeaderSize;
    }
    file.format = identifyFormat(file.header, file.dx10);
    // A palette of 256 red, green, blue, alpha entries lies between the
    // header and the pixels.
    if (auto* format = std::get_if<PixelFormat>(&file.format);
        format != nullptr && format->encoding == Encoding::Palette8) {
        format->palette.assign(256, 0);
        for (std::size_t i = 0; i < 256; ++i)
            for (std::size_t b = 0; b < 4; ++b) {
                const std::size_t at = file.pixelOffset + i * 4 + b;
                if (at < file.bytes.size())
                    format->palette[i] |= static_cast<std::uint32_t>(file.bytes.data()[at])
                                          << (8 * b);
            }
        file.pixelOffset += 1024;
    }
    file.layout = surfaceLayout(file.header, file.dx10);
    return file;
}

std::vector<std::string> fileReportLines(const DdsFile& file)
{
    std::vector<std::string> lines = headerReportLines(file.header);
    if (file.dx10) {
        const std::vector<std::string> more = dx10ReportLines(*file.dx10);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

std::string displayFormatName(const DdsFile& file)
{
    if (const PixelFormat* format = file.pixelFormat())
        return format->name;
    return {};
}

Interpretation defaultInterpretation(const DdsFile& file)
{
    if (const PixelFormat* format = file.pixelFormat())
        return defaultInterpretation(*format, file.dx10);
    return {};
}

namespace {

// Where the image at `level` and `choice` starts and how many of its bytes
// the file holds.
std::pair<const unsigned char*, std::size_t> surfaceBytes(const DdsFile& file,
                                                          const SurfaceSpan& span)
{
    const std::uint64_t start = file.pixelOffset + span.offset;
    const unsigned char* base = file.bytes.data();
    const std::size_t size = file.bytes.size();
    if (start >= size)
        return {base, 0};
    return {base + start, size - static_cast<std::size_t>(start)};
}

const PixelFormat& decodedFormat(const DdsFile& file)
{
    const PixelFormat* format = file.pixelFormat();
    if (format == nullptr)
        throw DdsError(std::get<std::string>(file.format));
    return *format;
}

} // namespace

SurfaceCoverage fileSurfaceCoverage(const DdsFile& file, std::uint32_t level, std::uint32_t choice)
{
    const PixelFormat& format = decodedFormat(file);
    const SurfaceSpan span = surfaceSpan(file.layout, format, level, choice);
    return surfaceCoverage(format, span.width, span.height, surfaceBytes(file, span).second);
}

ImageGrid decodeFileSurface(const DdsFile& file, std::uint32_t level, std::uint32_t choice,
                            ProgressSink& progress, std::uint32_t* colourView,
                            const Interpretation* interpretation)
{
    const Interpretation reading =
        interpretation != nullptr ? *interpretation : defaultInterpretation(file);
    const PixelFormat& format = decodedFormat(file);
    // Sides that read negative as the header's signed fields cannot be shown,
    // whatever the format.
    if (file.header.width < 0 || file.header.height < 0)
        throw DdsError("negative image size");
    const SurfaceSpan span = surfaceSpan(file.layout, format, level, choice);
    const auto [data, available] = surfaceBytes(file, span);
    return decodeSurface(data, available, format, span.width, span.height, progress, colourView,
                         &reading);
}

} // namespace texpeek
