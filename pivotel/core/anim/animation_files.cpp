#include "pivotel/core/anim/animation_files.h"

#include <gif_lib.h>
#include <zlib.h>

#include <cstring>

namespace pivotel {
namespace {

int appendOutput(GifFileType* file, const GifByteType* bytes, int length)
{
    auto* out = static_cast<std::string*>(file->UserData);
    out->append(reinterpret_cast<const char*>(bytes), std::size_t(length));
    return length;
}

void putUint32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void putUint16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value & 0xFF);
}

void chunk(std::string& out, const char* type, const std::string& data)
{
    putUint32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(out.data() + start),
                           static_cast<uInt>(out.size() - start));
    putUint32(out, static_cast<std::uint32_t>(crc));
}

std::optional<std::string> deflateRows(const AnimationFrame& frame, std::int32_t width,
                                       std::int32_t height)
{
    // Each row starts with filter type 0 (none).
    std::string raw;
    raw.reserve(std::size_t(height) * (std::size_t(width) * 4 + 1));
    for (std::size_t y = 0; y < std::size_t(height); ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(frame.rgba.data()) + y * std::size_t(width) * 4,
                   std::size_t(width) * 4);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return std::nullopt;
    packed.resize(size);
    return packed;
}

} // namespace

std::optional<std::string> gifBytes(const Animation& animation, std::string* error)
{
    auto refuse = [&](const char* why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (animation.width > 65535 || animation.height > 65535 || animation.frames.empty())
        return refuse("the animation does not fit a GIF");
    std::string out;
    int status = 0;
    GifFileType* file = EGifOpen(&out, appendOutput, &status);
    if (!file)
        return refuse("giflib could not start");
    EGifSetGifVersion(file, true);
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (std::size_t i = 0; i < 256; ++i) {
        map->Colors[i].Red = animation.palette[i][0];
        map->Colors[i].Green = animation.palette[i][1];
        map->Colors[i].Blue = animation.palette[i][2];
    }
    bool ok = EGifPutScreenDesc(file, animation.width, animation.height, 8,
                                animation.clearIndex.value_or(0), map) == GIF_OK;
    // Loop for ever (the NETSCAPE2.0 application extension).
    const unsigned char netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const unsigned char loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(file, sizeof netscape, netscape) == GIF_OK &&
         EGifPutExtensionBlock(file, sizeof loop, loop) == GIF_OK &&
         EGifPutExtensionTrailer(file) == GIF_OK;
    for (const AnimationFrame& frame : animation.frames) {
        if (!ok)
            break;
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = std::max(1, (frame.delayMilliseconds + 5) / 10);
        control.TransparentColor =
            animation.clearIndex ? *animation.clearIndex : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const auto length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK &&
             EGifPutImageDesc(file, 0, 0, animation.width, animation.height, false, nullptr) ==
                 GIF_OK;
        std::vector<GifPixelType> row(std::size_t(animation.width));
        for (std::size_t y = 0; ok && y < std::size_t(animation.height); ++y) {
            std::memcpy(row.data(), frame.indices.data() + y * std::size_t(animation.width),
                        row.size());
            ok = EGifPutLine(file, row.data(), animation.width) == GIF_OK;
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(file, &status) != GIF_OK || !ok)
        return refuse("giflib could not write the GIF");
    return out;
}

std::optional<std::string> apngBytes(const Animation& animation, std::string* error)
{
    std::string out("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    putUint32(header, std::uint32_t(animation.width));
    putUint32(header, std::uint32_t(animation.height));
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA, no interlace
    chunk(out, "IHDR", header);
    std::string control;
    putUint32(control, static_cast<std::uint32_t>(animation.frames.size()));
    putUint32(control, 0); // loop for ever
    chunk(out, "acTL", control);
    std::uint32_t sequence = 0;
    for (std::size_t i = 0; i < animation.frames.size(); ++i) {
        const AnimationFrame& frame = animation.frames[i];
        std::string frameControl;
        putUint32(frameControl, sequence++);
        putUint32(frameControl, std::uint32_t(animation.width));
        putUint32(frameControl, std::uint32_t(animation.height));
        putUint32(frameControl, 0);
        putUint32(frameControl, 0);
        putUint16(frameControl,
                  static_cast<std::uint16_t>(std::min(frame.delayMilliseconds, 65535)));
        putUint16(frameControl, 1000);
        frameControl += '\x01'; // dispose to see-through
        frameControl += '\x00'; // replace, not blend
        chunk(out, "fcTL", frameControl);
        const std::optional<std::string> packed =
            deflateRows(frame, animation.width, animation.height);
        if (!packed) {
            if (error)
                *error = "zlib could not pack a frame";
            return std::nullopt;
        }
        if (i == 0) {
            chunk(out, "IDAT", *packed);
        } else {
            std::string data;
            putUint32(data, sequence++);
            chunk(out, "fdAT", data + *packed);
        }
    }
    chunk(out, "IEND", std::string());
    return out;
}

} // namespace pivotel
