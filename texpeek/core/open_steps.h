#pragma once

#include "texpeek/core/dds_file.h"
#include "texpeek/core/pixels.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace texpeek {

// The largest file an open reads whole. The largest texture a graphics card
// takes, 16384 x 16384 of 32-bit floats with its mip chain, fits well within
// it.
inline constexpr std::uint64_t kDdsFileLimit = std::uint64_t{6} << 30;

// Why an open stopped before it had a picture. The window words it; the
// details are what the words need.
struct OpenError {
    enum class Kind {
        Unreadable, // `detail`: the system's reason
        InvalidSize, // `width` and `height` as the header gives them
        TooLarge, // the same
        Unsupported, // `detail`: the format's own refusal
    };
    Kind kind = Kind::Unreadable;
    std::string detail;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class OpenFailed : public std::exception {
public:
    explicit OpenFailed(OpenError error) : error_(std::move(error)) {}
    const OpenError& error() const { return error_; }
    const char* what() const noexcept override { return "the open failed"; }

private:
    OpenError error_;
};

// What an open learns midway, told on the thread the open runs on, in this
// order; an open that fails stops telling at the step that failed.
class OpenListener {
public:
    virtual ~OpenListener() = default;
    virtual void headerRead(const DdsHeader& header) = 0;
    virtual void pixelTotalKnown(std::int32_t total) = 0;
    // The first surface is decoded; its format has an alpha channel or not.
    virtual void surfaceDecoded(bool hasAlpha) = 0;
};

// One decoded surface and one view of it, as 0xFFRRGGBB screen pixels row
// after row. The colour view is the grid's own red, green and blue (a screen
// image laid over the grid shows it, its alpha ignored), so it has no pixels
// of its own, and neither has the view of an empty surface.
struct ShownSurface {
    ImageGrid grid;
    std::unique_ptr<PixelBlock> view;
};

// Decodes the surface at `level` and `choice` under `interpretation` (the
// file's default reading when null) and builds `view` of it, with the
// drawing stage "Montando imagem..." after the decoding ones.
// Throws what decodeFileSurface throws, and std::bad_alloc.
ShownSurface decodeShownSurface(const DdsFile& file, std::uint32_t level, std::uint32_t choice,
                                ChannelView view, ProgressSink& progress,
                                OpenListener* listener = nullptr,
                                const Interpretation* interpretation = nullptr);

// The bytes of the file at `path` (at most kDdsFileLimit of them), or
// nothing with `error` set to the system's reason.
std::optional<FileBytes> readDdsBytes(const std::filesystem::path& path, std::string* error);

struct OpenedFile {
    std::shared_ptr<const DdsFile> file;
    ShownSurface first; // its first surface in the colour view, by default
};

// The whole open of `path` after it was chosen: reads the file, checks the
// sides the header gives, and decodes and views its first surface. Throws
// OpenFailed for the reasons it names, and whatever decodeShownSurface
// throws; the progress sink may throw to stop it.
OpenedFile openDdsFile(const std::filesystem::path& path, ProgressSink& progress,
                       OpenListener& listener);

// The name of choice `choice` at a level of `layout`: its number, or for a
// cube map its face ("+X" ... "-Z"), with the array element first when the
// file holds more than one cube ("1: -Y").
std::string surfaceChoiceName(const SurfaceLayout& layout, std::uint32_t choice);

// "level: width x height".
std::string levelName(const SurfaceLayout& layout, std::uint32_t level);

} // namespace texpeek
