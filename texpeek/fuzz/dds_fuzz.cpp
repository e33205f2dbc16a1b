// Any bytes as a DDS file: the headers are read, and the first and last
// surfaces decoded by whatever format the headers name. Besides not
// crashing, a decode gives the sides the layout promises, the same cells
// twice over, the same colour view whether it is made while decoding or
// afterwards, and alpha 0 throughout for formats without alpha.
#include "texpeek/core/block_decoders.h"
#include "texpeek/core/dds_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Quiet final : texpeek::ProgressSink {
    void stageStarted(texpeek::Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t) override {}
    void stageFinished(texpeek::Stage) override {}
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void decodeAndCheck(const texpeek::DdsFile& file, std::uint32_t level, std::uint32_t choice)
{
    const texpeek::PixelFormat& format = *file.pixelFormat();
    const texpeek::SurfaceSpan span = texpeek::surfaceSpan(file.layout, format, level, choice);
    // Whatever the sides claim, the picture follows the data: a surface the
    // file holds less than a row of is refused, a longer one is cut to about
    // one and a half times the rows its data fills (plus 2 MB).
    texpeek::SurfaceCoverage coverage;
    try {
        coverage = texpeek::fileSurfaceCoverage(file, level, choice);
    } catch (const texpeek::DdsError&) {
        Quiet quiet;
        bool refused = false;
        try {
            texpeek::decodeFileSurface(file, level, choice, quiet);
        } catch (const texpeek::DdsError&) {
            refused = true;
        }
        check(refused);
        return;
    }
    check(coverage.shownHeight <= span.height);
    check(coverage.complete() ||
          std::uint64_t{span.width} * coverage.shownHeight <=
              std::uint64_t{span.width} * 32 + 48 * file.bytes.size() + (std::uint64_t{1} << 19));
    Quiet quiet;
    const texpeek::ImageGrid first = texpeek::decodeFileSurface(file, level, choice, quiet);
    check(static_cast<std::uint32_t>(first.width()) == span.width);
    check(static_cast<std::uint32_t>(first.height()) == coverage.shownHeight);
    std::vector<std::uint32_t> madeWhileDecoding(first.cellCount());
    const texpeek::ImageGrid second =
        texpeek::decodeFileSurface(file, level, choice, quiet, madeWhileDecoding.data());
    std::vector<std::uint32_t> madeAfter(first.cellCount());
    texpeek::buildView(first, texpeek::ChannelView::Colour, madeAfter.data());
    check(madeWhileDecoding == madeAfter);
    for (std::size_t i = 0; i < first.cellCount(); ++i) {
        check(first.cells()[i] == second.cells()[i]);
        // Missing blocks are painted opaque; decoded ones of a format
        // without alpha keep alpha 0.
        if (!format.hasAlpha && coverage.complete())
            check(first.cells()[i] >> 24 == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const texpeek::DdsFile file =
        texpeek::parseDdsFile(std::string(reinterpret_cast<const char*>(data), size));
    const std::size_t lines = texpeek::fileReportLines(file).size();
    check(lines == (file.dx10 ? 51u : 43u));
    if (file.pixelFormat() == nullptr || file.header.width < 0 || file.header.height < 0)
        return 0;
    if (std::uint64_t(std::uint32_t(file.header.width)) * std::uint32_t(file.header.height) >
        INT32_MAX)
        return 0;
    try {
        const texpeek::SurfaceLayout& layout = file.layout;
        decodeAndCheck(file, 0, 0);
        const std::uint32_t last = layout.levels - 1;
        decodeAndCheck(file, last, texpeek::choicesAt(layout, last) - 1);
    } catch (const std::bad_alloc&) {
    }

    // Every block decoder on the first bytes after the header.
    if (size >= 128 + 16) {
        const unsigned char* block = data + 128;
        texpeek::BlockPixels pixels;
        texpeek::decodeBc7(block, pixels);
        // Modes 0 to 3 carry no alpha: opaque.
        if (block[0] != 0 && (block[0] & 0x0F) != 0)
            for (std::uint32_t cell : pixels)
                check(cell >> 24 == 255);
        texpeek::decodeBc1(block, pixels);
        // BC1's only transparent colour is black.
        for (std::uint32_t cell : pixels)
            check(cell >> 24 == 255 || cell == 0);
        std::array<std::uint16_t, 48> halves;
        texpeek::decodeBc6h(block, false, halves);
        for (std::uint16_t half : halves)
            check(half <= 0x7BFF); // unsigned: never negative, never infinite
        texpeek::decodeBc6h(block, true, halves);
    }
    return 0;
}
