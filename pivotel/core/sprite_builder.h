#pragma once

#include "pivotel/core/frames_text.h"
#include "pivotel/core/sprite_model.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Making a sprite from pictures: one palette for all of them under the
// texture format's rule, centred origins, and the game's limits checked.
namespace pivotel {

using Rgba = std::array<std::uint8_t, 4>;

struct SourcePicture {
    std::string name;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // width * height pixels, 4 bytes each (not premultiplied).
    std::vector<std::uint8_t> rgba;
    // An indexed picture's own indices and palette; empty otherwise. When
    // every picture is indexed with the same palette they are kept as they
    // are, so nothing is re-quantised.
    std::vector<std::uint8_t> indices;
    std::vector<Rgba> palette;
};

struct BuildOptions {
    std::int32_t version = 2;
    std::int32_t type = 2;
    std::int32_t textureFormat = 0;
    // libimagequant's quality (0 to 100): the least it may reach, refused
    // below, when colours must be reduced.
    int minimumQuality = 0;
    // 0 (none) to 1 (full) dithering when colours are reduced.
    float dithering = 1.0f;
    // Index-alpha's colour; by default the pictures' own.
    std::optional<Rgb> tint;
};

// Colour reduction to at most `maxColours` for all pictures together.
struct QuantiseRequest {
    std::vector<const SourcePicture*> pictures;
    int maxColours = 256;
    int minimumQuality = 0;
    float dithering = 1.0f;
};
struct QuantiseResult {
    std::vector<Rgba> palette;
    std::vector<std::vector<std::uint8_t>> indices; // one per picture
};
using Quantiser =
    std::function<std::optional<QuantiseResult>(const QuantiseRequest&, std::string* error)>;

// How the palette came about, for a window to word in its own language.
struct PaletteNote {
    enum class Source { Alpha, Brightness, KeptPalette, KeptExactly, Reduced };
    Source source = Source::KeptExactly;
    std::size_t colours = 0; // kept exactly or reduced to
    Rgb tint{0, 0, 0};
    std::int32_t textureFormat = 0;
};

struct IndexedPictures {
    std::vector<Rgb> palette; // 256 colours
    std::vector<std::vector<std::uint8_t>> indices;
    // How the palette came about and what the texture format makes of it.
    std::string explanation;
    PaletteNote note;
    bool reduced = false;
};

// What the game makes of a texture format's palette, in one sentence.
std::string paletteRuleText(std::int32_t textureFormat);

// One palette for all `pictures`. Without a quantiser, pictures with more
// colours than fit are refused.
std::optional<IndexedPictures> indexPictures(const std::vector<SourcePicture>& pictures,
                                             const BuildOptions& options,
                                             const Quantiser& quantiser, std::string* error);

// A sprite of single frames, one per picture, origins centred.
std::optional<SpriteModel> buildSprite(const std::vector<SourcePicture>& pictures,
                                       const BuildOptions& options, const Quantiser& quantiser,
                                       std::string* error, std::string* explanation = nullptr);

// The sprite an exported folder describes: `pictures` in the text's order.
// Type and format come from `options` only where `override...` is set.
struct FolderOverrides {
    std::optional<std::int32_t> type;
    std::optional<std::int32_t> textureFormat;
};
std::optional<SpriteModel>
buildFromFolder(const FramesText& text, const std::vector<SourcePicture>& pictures,
                const BuildOptions& options, const FolderOverrides& overrides,
                const Quantiser& quantiser, std::string* error, std::string* explanation = nullptr,
                PaletteNote* note = nullptr);

// The game's limits.
inline constexpr std::int32_t kMaxFrameSide = 512;
inline constexpr std::size_t kMaxFrames = 1000;
inline constexpr std::size_t kMaxPaletteColours = 256;

// The first limit `sprite` breaks, named, or an empty text.
std::string limitProblem(const SpriteModel& sprite);

// The origin that centres a picture on the entity's position.
void centreOrigin(SpritePicture& picture);

} // namespace pivotel
