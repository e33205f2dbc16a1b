// Feeds arbitrary bytes to the sprite reader and its frame decoder, and checks
// what they give back against the bytes themselves: frames that lie inside
// the input, one after another, with as many pixels as their headers say,
// and see-through pixels exactly where the texture format puts them. The
// sprite taken apart must write back as the same bytes, its frames list
// must read back as written, and the Targa reader must stay inside its input.
#include "pivotel/core/frames_text.h"
#include "pivotel/core/sprite.h"
#include "pivotel/core/sprite_frames.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/core/tga.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkSprite(const std::string& input)
{
    auto sprite = pivotel::Sprite::fromBytes(input);
    check(sprite.has_value() == (input.size() >= pivotel::kMinimumLength));
    if (!sprite)
        return;
    check(sprite->type() == static_cast<std::uint8_t>(input[pivotel::kTypeOffset]));
    const auto flipped = static_cast<std::uint8_t>(sprite->type() ^ 0xFF);
    sprite->setType(flipped);
    std::string expected = input;
    expected[pivotel::kTypeOffset] = static_cast<char>(flipped);
    check(sprite->bytes() == expected);
}

void checkFrames(const std::string& input)
{
    using pivotel::TextureFormat;
    const pivotel::SpriteFrames decoded = pivotel::decodeFrames(input);
    const auto sprite = pivotel::Sprite::fromBytes(input);
    if (!sprite || !sprite->isSprite()) {
        check(decoded.frames.empty() && !decoded.problem.empty());
        return;
    }
    if (decoded.problem.empty())
        check(decoded.frames.size() >= static_cast<std::size_t>(decoded.declaredEntries));

    const std::int32_t format =
        decoded.textureFormat.value_or(static_cast<std::int32_t>(TextureFormat::AlphaTest));
    std::size_t previousEnd = 0;
    for (const pivotel::DecodedFrame& frame : decoded.frames) {
        check(frame.width > 0 && frame.height > 0);
        const std::size_t pixels =
            static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
        check(frame.pixelOffset >= previousEnd);
        check(frame.pixelOffset <= input.size() && pixels <= input.size() - frame.pixelOffset);
        check(frame.rgba.size() == pixels * 4);
        check(frame.entry < static_cast<std::size_t>(decoded.declaredEntries));
        previousEnd = frame.pixelOffset + pixels;
        for (std::size_t i = 0; i < pixels; ++i) {
            const auto index = static_cast<std::uint8_t>(input[frame.pixelOffset + i]);
            const std::uint8_t alpha = frame.rgba[i * 4 + 3];
            if (format == static_cast<std::int32_t>(TextureFormat::IndexAlpha))
                check(alpha == index);
            else if (format == static_cast<std::int32_t>(TextureFormat::AlphaTest))
                check((alpha == 0) == (index == pivotel::kClearIndex) &&
                      (alpha == 0 || alpha == 255));
            else
                check(alpha == 255);
        }
    }
    const pivotel::DecodedFrame* largest = pivotel::largestFrame(decoded);
    check((largest == nullptr) == decoded.frames.empty());
}

void checkModel(const std::string& input)
{
    const std::optional<pivotel::SpriteModel> model = pivotel::parseSprite(input);
    if (!model)
        return;
    check(pivotel::serializeSprite(*model) == input);
    const pivotel::FramesText text = pivotel::framesTextOf(*model);
    const std::optional<pivotel::FramesText> back =
        pivotel::parseFramesText(pivotel::writeFramesText(text));
    check(back.has_value() && back->frames.size() == text.frames.size());
    check(back->header.boundingRadiusBits == model->boundingRadiusBits &&
          back->header.beamLengthBits == model->beamLengthBits);
}

void checkTga(const std::string& input)
{
    const std::optional<pivotel::SourcePicture> picture = pivotel::decodeTga(input);
    if (picture)
        check(picture->rgba.size() ==
              std::size_t(picture->width) * std::size_t(picture->height) * 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    checkSprite(input);
    checkFrames(input);
    checkModel(input);
    checkTga(input);
    return 0;
}
