#include "texpeek/core/thumbnail.h"

#include "texpeek/core/open_steps.h"
#include "texpeek/core/surface_decoder.h"

#include "common/core/file_io.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace texpeek {

namespace {

// The headers and an 8-bit palette, whichever of them the file has.
constexpr std::size_t kPrefixBytes = kHeaderSize + kDx10HeaderSize + 1024;

struct Quiet final : ProgressSink {
    void stageStarted(Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t) override {}
    void stageFinished(Stage) override {}
};

std::string readAt(std::ifstream& in, std::uint64_t offset, std::uint64_t count)
{
    std::string bytes(static_cast<std::size_t>(count), '\0');
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

} // namespace

std::uint32_t thumbnailLevel(const SurfaceLayout& layout, std::uint32_t size)
{
    std::uint32_t chosen = 0;
    for (std::uint32_t level = 1; level < layout.levels; ++level) {
        const std::uint32_t side =
            std::max(levelSide(layout.width, level), levelSide(layout.height, level));
        if (side < size)
            break;
        chosen = level;
    }
    return chosen;
}

Thumbnail readThumbnailSurface(const std::filesystem::path& path, std::uint32_t size)
{
    if (const auto refusal = fileio::readRefusal(path, kDdsFileLimit))
        throw OpenFailed({OpenError::Kind::Unreadable, *refusal});
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw OpenFailed({OpenError::Kind::Unreadable, "cannot be opened"});
    in.seekg(0, std::ios::end);
    const auto fileSize = static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0));

    Thumbnail t;
    t.file = parseDdsFile(readAt(in, 0, std::min<std::uint64_t>(kPrefixBytes, fileSize)));
    const DdsHeader& header = t.file.header;
    if (header.width < 0 || header.height < 0)
        throw OpenFailed({OpenError::Kind::InvalidSize, {}, header.width, header.height});
    const PixelFormat* format = t.file.pixelFormat();
    if (format == nullptr)
        throw OpenFailed({OpenError::Kind::Unsupported, std::get<std::string>(t.file.format)});
    t.reading = defaultInterpretation(t.file);
    t.level = thumbnailLevel(t.file.layout, size);
    const SurfaceSpan span = surfaceSpan(t.file.layout, *format, t.level, 0);
    const std::uint64_t start = t.file.pixelOffset + span.offset;
    // Only what the file holds of the image is read, whatever the header says.
    const std::uint64_t count = start < fileSize ? std::min(span.bytes, fileSize - start) : 0;
    const std::string pixels = readAt(in, start, count);
    Quiet quiet;
    t.grid = decodeSurface(reinterpret_cast<const unsigned char*>(pixels.data()), pixels.size(),
                           *format, span.width, span.height, quiet, nullptr, &t.reading);
    return t;
}

} // namespace texpeek
