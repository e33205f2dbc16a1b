#pragma once

#include "texpeek/core/dds_header.h"
#include "texpeek/core/pixel_format.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace texpeek {

// How the numbers of a texture are meant to be read. A file says some of this
// in its header (an _SRGB format, the extended header's alpha mode, DXT2 and
// DXT4) and leaves the rest to the reader; the viewer shows which is which.

// Colour data already encoded for the screen, or linear light that is
// encoded to sRGB before it is shown.
enum class ColourSpace { Srgb, Linear };
// Alpha as coverage over straight colours, as coverage with the colours
// already multiplied by it (shown divided back), or as data of its own such
// as roughness (the colour view then ignores it).
enum class AlphaMode { Straight, Premultiplied, Data };
// Signed data: -1, 0 and 1 shown as black, mid-grey and white, or negative
// values shown as black and 0..1 as black to white, as a shader writing them
// to the screen would.
enum class SignedMapping { Remapped, Clamped };
// Two-channel normal maps: blue left empty, or the Z the shader rebuilds
// from red and green (sqrt(1 - x^2 - y^2)).
enum class NormalZ { Empty, Rebuilt };
// 10:10:10:2 layouts: read as the masks say, or with red and blue swapped,
// since the most common writer of such files stored the masks swapped.
enum class MaskOrder { AsWritten, Swapped };
// Float and BC6H values above 1 after the exposure: clipped, or brought
// under 1 by the tone curve x / (1 + x).
enum class HdrCurve { Clip, ToneCurve };

template <typename T>
struct Assumption {
    T value{};
    // Whether this file's format leaves anything to assume here at all.
    bool applies = false;
    // True when the header does not say and the value is the usual reading.
    bool guessed = false;

    bool operator==(const Assumption&) const = default;
};

struct Interpretation {
    Assumption<ColourSpace> colourSpace;
    Assumption<AlphaMode> alpha;
    Assumption<SignedMapping> signedData;
    Assumption<NormalZ> normalMap;
    Assumption<MaskOrder> maskOrder;
    // Exposure in EV (a factor of 2^ev) for float and BC6H data; its
    // `applies` also stands for `curve`.
    Assumption<double> exposureEv;
    Assumption<HdrCurve> curve;

    bool operator==(const Interpretation&) const = default;
};

// The reading Texpeek starts from for a file of this format: what the
// headers say, the usual convention where they are silent. `dx10` gives
// the alpha mode of the extended header (its miscFlags2).
Interpretation defaultInterpretation(const PixelFormat& format,
                                     const std::optional<DdsHeaderDx10>& dx10);

// Whether the format's channels hold floats (the float layouts and BC6H),
// whose values are not limited to 0..1.
bool isFloatData(const PixelFormat& format);
// Whether the format's channels hold signed normalised values.
bool isSignedData(const PixelFormat& format);
// Whether the format has exactly a red and a green channel.
bool isTwoChannel(const PixelFormat& format);
// A 10:10:10:2 layout from the masks of a header without the extended one.
bool isTenTenTenTwo(const PixelFormat& format);

// Turns decoded values into the 8-bit red, green, blue and alpha Texpeek
// shows under one interpretation. Decoded 8-bit cells hold unsigned values
// as stored and signed ones remapped (-1 -> 0, 0 -> 127.5, 1 -> 255); float
// data is mapped from its values.
class DisplayMapping {
public:
    DisplayMapping(const PixelFormat& format, const Interpretation& interpretation);

    // True when a decoded 8-bit cell is shown as it is.
    bool leavesCellsAlone() const { return cellsAsDecoded_; }
    // A decoded 8-bit cell as shown (red + 256 * green + 65536 * blue +
    // 16777216 * alpha).
    std::uint32_t cell(std::uint32_t decoded) const;
    void cells(std::uint32_t* cells, std::size_t count) const;

    // A float texel as shown. `hasAlpha` false leaves alpha 0, as every
    // format without alpha does.
    std::uint32_t floats(float red, float green, float blue, float alpha, bool hasAlpha) const;
    // One float colour channel as shown, without premultiplication; for the
    // block formats that decode to half floats.
    std::uint8_t colourLevel(float value) const;
    // The same for a half float's bits, from a table made once.
    std::uint8_t halfLevel(std::uint16_t half) const { return halfLevels_[half]; }

private:
    std::uint8_t encoded(float unit) const;

    Interpretation interpretation_;
    bool cellsAsDecoded_ = true;
    bool swapRedBlue_ = false;
    bool rebuildZ_ = false;
    bool unpremultiply_ = false;
    float scale_ = 1.0f; // 2^ev
    bool tone_ = false;
    std::array<std::uint8_t, 256> channel_{}; // signed mapping and colour space of a byte
    std::vector<std::uint8_t> halfLevels_; // 65536 entries
    std::vector<std::uint8_t> encode_; // linear 0..1 in kEncodeSteps steps -> screen byte
};

} // namespace texpeek
