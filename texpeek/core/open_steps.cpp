#include "texpeek/core/open_steps.h"

#include "texpeek/core/progress_feed.h"

#include "common/core/file_io.h"

#include <algorithm>
#include <climits>
#include <new>

namespace texpeek {

namespace {

const char* const kCubeFaceNames[6] = {"+X", "-X", "+Y", "-Y", "+Z", "-Z"};

} // namespace

ShownSurface decodeShownSurface(const DdsFile& file, std::uint32_t level, std::uint32_t choice,
                                ChannelView view, ProgressSink& progress, OpenListener* listener,
                                const Interpretation* interpretation)
{
    const PixelFormat* format = file.pixelFormat();
    ShownSurface shown;
    shown.grid = decodeFileSurface(file, level, choice, progress, nullptr, interpretation);
    if (listener != nullptr)
        listener->surfaceDecoded(format != nullptr && format->hasAlpha);

    progress.stageStarted(Stage::Drawing, "Montando imagem...", {});
    if (shown.grid.cellCount() == 0)
        return shown;
    if (view == ChannelView::Colour) {
        // The colour view needs no pixels of its own: its drawing stage
        // tells its pixels at once.
        ProgressFeed(progress, shown.grid.cellCount()).done(shown.grid.cellCount());
    } else {
        shown.view = std::make_unique<PixelBlock>(shown.grid.cellCount());
        buildView(shown.grid, view, shown.view->data(), &progress);
    }
    return shown;
}

std::optional<FileBytes> readDdsBytes(const std::filesystem::path& path, std::string* error)
{
    struct Buffer final : fileio::ReadBuffer {
        FileBytes bytes;
        char* resize(std::size_t size) override
        {
            return reinterpret_cast<char*>(bytes.resize(size));
        }
    } buffer;
    if (!fileio::readAllInto(path, kDdsFileLimit, buffer, error))
        return std::nullopt;
    return std::move(buffer.bytes);
}

OpenedFile openDdsFile(const std::filesystem::path& path, ProgressSink& progress,
                       OpenListener& listener)
{
    std::string error;
    // Refuses pipes and devices before they could hold the thread in open().
    std::optional<FileBytes> bytes = readDdsBytes(path, &error);
    if (!bytes)
        throw OpenFailed({OpenError::Kind::Unreadable, error});
    auto file = std::make_shared<DdsFile>(parseDdsFile(std::move(*bytes)));
    const DdsHeader& header = file->header;
    listener.headerRead(header);

    if (header.width < 0 || header.height < 0)
        throw OpenFailed({OpenError::Kind::InvalidSize, {}, header.width, header.height});
    if (std::int64_t{header.width} * header.height > INT32_MAX)
        throw OpenFailed({OpenError::Kind::TooLarge, {}, header.width, header.height});
    listener.pixelTotalKnown(pixelTotal(header));
    if (file->pixelFormat() == nullptr)
        throw OpenFailed({OpenError::Kind::Unsupported, std::get<std::string>(file->format)});

    OpenedFile opened;
    opened.first = decodeShownSurface(*file, 0, 0, ChannelView::Colour, progress, &listener);
    opened.file = std::move(file);
    return opened;
}

std::string surfaceChoiceName(const SurfaceLayout& layout, std::uint32_t choice)
{
    if (layout.kind != SurfaceKind::Cube)
        return std::to_string(choice);
    std::string name = kCubeFaceNames[cubeFaceOf(layout, choice)];
    if (layout.layers > 6)
        name = std::to_string(choice / 6) + ": " + name;
    return name;
}

std::string levelName(const SurfaceLayout& layout, std::uint32_t level)
{
    return std::to_string(level) + ": " + std::to_string(levelSide(layout.width, level)) + " x " +
           std::to_string(levelSide(layout.height, level));
}

} // namespace texpeek
