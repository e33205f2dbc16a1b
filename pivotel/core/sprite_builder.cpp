#include "pivotel/core/sprite_builder.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace pivotel {
namespace {

constexpr std::int32_t kNormal = 0;
constexpr std::int32_t kAdditive = 1;
constexpr std::int32_t kIndexAlpha = 2;
constexpr std::int32_t kAlphaTest = 3;
constexpr std::uint8_t kLastIndex = 255;
// Alpha-test's see-through entry is traditionally pure blue, which shows up
// plainly in any picture editor.
constexpr Rgb kClearColour{0, 0, 255};

bool refuse(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
    return false;
}

std::uint8_t over(std::uint8_t channel, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

bool samePalette(const std::vector<SourcePicture>& pictures)
{
    for (const SourcePicture& picture : pictures) {
        if (picture.palette.empty() || picture.palette.size() > 256 ||
            picture.indices.size() != picture.rgba.size() / 4 ||
            picture.palette != pictures.front().palette)
            return false;
    }
    return true;
}

// Alpha-test can only keep an indexed palette whose see-through pixels all
// use its last entry.
bool clearOnlyAtLast(const std::vector<SourcePicture>& pictures)
{
    const std::vector<Rgba>& palette = pictures.front().palette;
    for (const SourcePicture& picture : pictures) {
        for (const std::uint8_t index : picture.indices) {
            if (index != kLastIndex && index < palette.size() && palette[index][3] < 128)
                return false;
        }
    }
    return true;
}

// Pixels as the game will show them: alpha only says whether alpha-test
// leaves a pixel out; the other formats have none, so see-through parts
// become black, which additive drawing leaves out by itself.
std::vector<SourcePicture> prepared(const std::vector<SourcePicture>& pictures, std::int32_t format)
{
    std::vector<SourcePicture> out;
    for (const SourcePicture& picture : pictures) {
        SourcePicture copy;
        copy.name = picture.name;
        copy.width = picture.width;
        copy.height = picture.height;
        copy.rgba = picture.rgba;
        for (std::size_t i = 0; i + 3 < copy.rgba.size(); i += 4) {
            std::uint8_t* pixel = &copy.rgba[i];
            if (format == kAlphaTest) {
                if (pixel[3] < 128) {
                    pixel[0] = pixel[1] = pixel[2] = 0;
                    pixel[3] = 0;
                } else {
                    pixel[3] = 255;
                }
            } else {
                for (int c = 0; c < 3; ++c)
                    pixel[c] = over(pixel[c], pixel[3]);
                pixel[3] = 255;
            }
        }
        out.push_back(std::move(copy));
    }
    return out;
}

std::uint32_t key(const std::uint8_t* pixel)
{
    return std::uint32_t{pixel[0]} | (std::uint32_t{pixel[1]} << 8) |
           (std::uint32_t{pixel[2]} << 16);
}

// Index-alpha keeps no colours, only coverage: the pictures' alpha where
// they have any, otherwise their brightness (a glow drawn on black).
IndexedPictures indexAlpha(const std::vector<SourcePicture>& pictures, const BuildOptions& options)
{
    bool anyAlpha = false;
    for (const SourcePicture& picture : pictures)
        for (std::size_t i = 3; i < picture.rgba.size(); i += 4)
            anyAlpha = anyAlpha || picture.rgba[i] < 255;
    IndexedPictures out;
    double sum[3] = {0, 0, 0};
    double weight = 0;
    Rgb brightest{0, 0, 0};
    int brightestLevel = -1;
    for (const SourcePicture& picture : pictures) {
        std::vector<std::uint8_t> indices(picture.rgba.size() / 4);
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const std::uint8_t* pixel = &picture.rgba[i * 4];
            const int level = (299 * pixel[0] + 587 * pixel[1] + 114 * pixel[2] + 500) / 1000;
            indices[i] = anyAlpha ? pixel[3] : static_cast<std::uint8_t>(level);
            for (int c = 0; c < 3; ++c)
                sum[c] += static_cast<double>(pixel[c]) * pixel[3];
            weight += pixel[3];
            if (level > brightestLevel) {
                brightestLevel = level;
                brightest = {pixel[0], pixel[1], pixel[2]};
            }
        }
        out.indices.push_back(std::move(indices));
    }
    Rgb tint = brightest;
    if (options.tint) {
        tint = *options.tint;
    } else if (anyAlpha && weight > 0) {
        for (int c = 0; c < 3; ++c)
            tint[static_cast<std::size_t>(c)] =
                static_cast<std::uint8_t>(std::lround(sum[c] / weight));
    }
    // The game reads only the last colour; greys below it show the
    // coverage in a picture editor.
    out.palette.resize(256);
    for (std::size_t i = 0; i < 255; ++i) {
        const auto grey = static_cast<std::uint8_t>(i);
        out.palette[i] = {grey, grey, grey};
    }
    out.palette[255] = tint;
    out.note.source = anyAlpha ? PaletteNote::Source::Alpha : PaletteNote::Source::Brightness;
    out.note.tint = tint;
    out.explanation = std::string(anyAlpha ? "the pictures' alpha" : "the pictures' brightness") +
                      " became each pixel's index; the tint is " + std::to_string(tint[0]) + " " +
                      std::to_string(tint[1]) + " " + std::to_string(tint[2]) + ".";
    return out;
}

} // namespace

std::string paletteRuleText(std::int32_t textureFormat)
{
    switch (textureFormat) {
    case kNormal: return "normal: every pixel is drawn opaque in its palette colour.";
    case kAdditive:
        return "additive: colours are added to what lies behind, so black is transparent.";
    case kIndexAlpha:
        return "index-alpha: the palette's last colour is the tint, and each pixel's index is "
               "its opacity.";
    case kAlphaTest:
        return "alpha-test: the palette's last entry (index 255) is transparent, every other "
               "colour opaque.";
    default: return "unknown texture format " + std::to_string(textureFormat) + ".";
    }
}

std::optional<IndexedPictures> indexPictures(const std::vector<SourcePicture>& pictures,
                                             const BuildOptions& options,
                                             const Quantiser& quantiser, std::string* error)
{
    if (pictures.empty()) {
        refuse(error, "no pictures were given");
        return std::nullopt;
    }
    for (const SourcePicture& picture : pictures) {
        if (picture.width < 1 || picture.height < 1 ||
            picture.rgba.size() != std::size_t(picture.width) * std::size_t(picture.height) * 4) {
            refuse(error, picture.name + " holds no picture");
            return std::nullopt;
        }
    }
    const std::int32_t format = options.textureFormat;
    if (samePalette(pictures) && (format != kAlphaTest || clearOnlyAtLast(pictures))) {
        IndexedPictures out;
        for (const Rgba& colour : pictures.front().palette)
            out.palette.push_back({colour[0], colour[1], colour[2]});
        out.palette.resize(256, Rgb{0, 0, 0});
        for (const SourcePicture& picture : pictures)
            out.indices.push_back(picture.indices);
        out.explanation = "the pictures' own palette was kept, index for index.";
        out.note.source = PaletteNote::Source::KeptPalette;
        return out;
    }
    if (format == kIndexAlpha)
        return indexAlpha(pictures, options);

    const std::vector<SourcePicture> ready = prepared(pictures, format);
    const std::size_t room = format == kAlphaTest ? 255 : 256;
    std::unordered_map<std::uint32_t, std::uint8_t> colours;
    IndexedPictures out;
    bool fits = true;
    for (const SourcePicture& picture : ready) {
        std::vector<std::uint8_t> indices(picture.rgba.size() / 4);
        for (std::size_t i = 0; i < indices.size() && fits; ++i) {
            const std::uint8_t* pixel = &picture.rgba[i * 4];
            if (pixel[3] == 0) {
                indices[i] = kLastIndex;
                continue;
            }
            const auto [at, added] =
                colours.emplace(key(pixel), static_cast<std::uint8_t>(colours.size()));
            if (added) {
                if (colours.size() > room) {
                    fits = false;
                    break;
                }
                out.palette.push_back({pixel[0], pixel[1], pixel[2]});
            }
            indices[i] = at->second;
        }
        out.indices.push_back(std::move(indices));
    }
    if (fits) {
        out.explanation =
            "the pictures' " + std::to_string(colours.size()) + " colours were kept exactly.";
        out.note.source = PaletteNote::Source::KeptExactly;
        out.note.colours = colours.size();
    } else {
        if (!quantiser) {
            refuse(error, "the pictures hold more than " + std::to_string(room) +
                              " colours and cannot be reduced here");
            return std::nullopt;
        }
        QuantiseRequest request;
        for (const SourcePicture& picture : ready)
            request.pictures.push_back(&picture);
        request.maxColours = 256;
        request.minimumQuality = options.minimumQuality;
        request.dithering = options.dithering;
        std::optional<QuantiseResult> reduced = quantiser(request, error);
        if (!reduced)
            return std::nullopt;
        // See-through entries all become the last index; the others keep
        // their order in front of it.
        std::vector<std::uint8_t> map(reduced->palette.size(), kLastIndex);
        out = IndexedPictures{};
        for (std::size_t i = 0; i < reduced->palette.size(); ++i) {
            const Rgba& colour = reduced->palette[i];
            if (format == kAlphaTest && colour[3] < 128)
                continue;
            if (out.palette.size() == room)
                break; // cannot happen with a transparent entry; kept safe
            map[i] = static_cast<std::uint8_t>(out.palette.size());
            out.palette.push_back({colour[0], colour[1], colour[2]});
        }
        for (std::vector<std::uint8_t>& indices : reduced->indices) {
            for (std::uint8_t& index : indices)
                index = index < map.size() ? map[index] : kLastIndex;
            out.indices.push_back(std::move(indices));
        }
        out.reduced = true;
        out.note.source = PaletteNote::Source::Reduced;
        out.note.colours = out.palette.size();
        out.explanation = "the pictures' colours were reduced to " +
                          std::to_string(out.palette.size()) + " with libimagequant.";
    }
    out.palette.resize(256, Rgb{0, 0, 0});
    if (format == kAlphaTest)
        out.palette[kLastIndex] = kClearColour;
    return out;
}

void centreOrigin(SpritePicture& picture)
{
    picture.originX = -(picture.width / 2);
    picture.originY = picture.height / 2;
}

std::optional<SpriteModel> buildSprite(const std::vector<SourcePicture>& pictures,
                                       const BuildOptions& options, const Quantiser& quantiser,
                                       std::string* error, std::string* explanation)
{
    FramesText text;
    text.header.version = options.version;
    text.header.type = options.type;
    text.header.textureFormat = options.textureFormat;
    for (const SourcePicture& picture : pictures) {
        FrameLine line;
        line.file = picture.name;
        line.width = picture.width;
        line.height = picture.height;
        line.originX = -(picture.width / 2);
        line.originY = picture.height / 2;
        text.frames.push_back(line);
    }
    // Sizes that cannot match make the header fit the pictures.
    text.frames.front().width = -1;
    return buildFromFolder(text, pictures, options, {}, quantiser, error, explanation);
}

std::optional<SpriteModel> buildFromFolder(const FramesText& text,
                                           const std::vector<SourcePicture>& pictures,
                                           const BuildOptions& options,
                                           const FolderOverrides& overrides,
                                           const Quantiser& quantiser, std::string* error,
                                           std::string* explanation, PaletteNote* note)
{
    if (pictures.size() != text.frames.size()) {
        refuse(error, "the list names " + std::to_string(text.frames.size()) + " pictures, but " +
                          std::to_string(pictures.size()) + " were read");
        return std::nullopt;
    }
    SpriteModel sprite = text.header;
    sprite.entries.clear();
    sprite.trailing.clear();
    if (overrides.type)
        sprite.type = *overrides.type;
    if (overrides.textureFormat)
        sprite.textureFormat = *overrides.textureFormat;
    if (sprite.version == 1 && sprite.textureFormat != kNormal) {
        refuse(error, "a version 1 sprite has no texture format");
        return std::nullopt;
    }
    if (pictures.size() > kMaxFrames) {
        refuse(error, std::to_string(pictures.size()) + " frames: the game's limit is " +
                          std::to_string(kMaxFrames) + " frames");
        return std::nullopt;
    }
    BuildOptions rule = options;
    // Version 1 sprites are drawn with the game's palette, index 255 clear.
    rule.textureFormat = sprite.version == 1 ? kAlphaTest : sprite.textureFormat;
    std::optional<IndexedPictures> indexed = indexPictures(pictures, rule, quantiser, error);
    if (!indexed)
        return std::nullopt;
    if (explanation)
        *explanation = "Palette: " + indexed->explanation + " Texture format " +
                       paletteRuleText(sprite.textureFormat);
    if (note) {
        *note = indexed->note;
        note->textureFormat = sprite.textureFormat;
    }
    if (sprite.version == 1)
        sprite.palette.clear();
    else
        sprite.palette.assign(indexed->palette.begin(),
                              indexed->palette.begin() +
                                  static_cast<std::ptrdiff_t>(
                                      std::min(text.paletteColours, indexed->palette.size())));

    bool sizesAsListed = true;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const FrameLine& line = text.frames[i];
        SpritePicture picture;
        picture.width = pictures[i].width;
        picture.height = pictures[i].height;
        picture.originX = line.originX;
        picture.originY = line.originY;
        picture.indices = std::move(indexed->indices[i]);
        sizesAsListed =
            sizesAsListed && line.width == picture.width && line.height == picture.height;
        const bool joinsGroup = line.group && i > 0 && text.frames[i - 1].group == line.group;
        if (!joinsGroup) {
            SpriteEntry entry;
            entry.group = line.group.has_value();
            sprite.entries.push_back(std::move(entry));
        }
        SpriteEntry& entry = sprite.entries.back();
        if (entry.group)
            entry.intervalBits.push_back(line.intervalBits);
        entry.pictures.push_back(std::move(picture));
    }
    if (!sizesAsListed)
        fitHeaderToPictures(sprite);
    if (const std::string problem = limitProblem(sprite); !problem.empty()) {
        refuse(error, problem);
        return std::nullopt;
    }
    return sprite;
}

std::string limitProblem(const SpriteModel& sprite)
{
    std::size_t pictures = 0;
    for (const FlatPicture& flat : flatten(sprite)) {
        ++pictures;
        const SpritePicture& picture = *flat.picture;
        if (picture.width > kMaxFrameSide || picture.height > kMaxFrameSide)
            return "frame " + std::to_string(pictures) + " is " + std::to_string(picture.width) +
                   " x " + std::to_string(picture.height) + ": the game's frame size limit is " +
                   std::to_string(kMaxFrameSide) + " x " + std::to_string(kMaxFrameSide);
    }
    if (pictures > kMaxFrames)
        return std::to_string(pictures) + " frames: the game's frame count limit is " +
               std::to_string(kMaxFrames);
    if (sprite.version != 1 &&
        (sprite.palette.empty() || sprite.palette.size() > kMaxPaletteColours))
        return std::to_string(sprite.palette.size()) +
               " palette colours: the game's palette holds 1 to 256";
    return {};
}

} // namespace pivotel
