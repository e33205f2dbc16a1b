#include "pivotel/core/frames_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <sstream>

namespace pivotel {
namespace {

constexpr std::string_view kFirstLine = "pivotel-frames 1";

constexpr std::array<std::string_view, 4> kFormatWords{"normal", "additive", "index-alpha",
                                                       "alpha-test"};
constexpr std::array<std::string_view, 5> kTypeWords{"side-view", "flipper", "common", "fixed",
                                                     "parallel-oriented"};

std::optional<std::uint32_t> floatFromText(std::string_view text)
{
    if (text.substr(0, 2) == "0x") {
        std::uint32_t bits = 0;
        const auto result = std::from_chars(text.data() + 2, text.data() + text.size(), bits, 16);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size())
            return std::nullopt;
        return bits;
    }
    float value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return floatBits(value);
}

// The shortest decimal that reads back to the same float; the raw bits in
// hex for any value (NaNs, say) that a decimal would not bring back.
std::string floatText(std::uint32_t bits)
{
    const float value = bitsFloat(bits);
    if (std::isfinite(value)) {
        std::array<char, 64> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        std::string text(buffer.data(), result.ptr);
        if (floatFromText(text) == bits)
            return text;
    }
    std::array<char, 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), bits, 16);
    return "0x" + std::string(buffer.data(), result.ptr);
}

std::optional<std::int32_t> intFromText(std::string_view text)
{
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        if (end > at)
            out.push_back(line.substr(at, end - at));
        at = end;
    }
    return out;
}

template <std::size_t N>
std::optional<std::int32_t> fromWords(const std::array<std::string_view, N>& names,
                                      std::string_view word)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == word)
            return static_cast<std::int32_t>(i);
    }
    return intFromText(word);
}

} // namespace

std::string frameFileName(std::size_t index, std::size_t count)
{
    const std::size_t digits = std::max<std::size_t>(3, std::to_string(count).size());
    std::string number = std::to_string(index + 1);
    number.insert(0, digits - number.size(), '0');
    return "frame" + number + ".png";
}

std::string textureFormatWord(std::int32_t format)
{
    if (format >= 0 && static_cast<std::size_t>(format) < kFormatWords.size())
        return std::string(kFormatWords[static_cast<std::size_t>(format)]);
    return std::to_string(format);
}

std::optional<std::int32_t> textureFormatFromWord(std::string_view word)
{
    return fromWords(kFormatWords, word);
}

std::optional<std::int32_t> typeFromWord(std::string_view word)
{
    return fromWords(kTypeWords, word);
}

FramesText framesTextOf(const SpriteModel& sprite)
{
    FramesText text;
    text.header = sprite;
    text.header.entries.clear();
    text.header.palette.clear();
    text.header.trailing.clear();
    text.paletteColours = sprite.palette.size();
    const std::vector<FlatPicture> flat = flatten(sprite);
    for (std::size_t i = 0; i < flat.size(); ++i) {
        FrameLine line;
        line.file = frameFileName(i, flat.size());
        line.originX = flat[i].picture->originX;
        line.originY = flat[i].picture->originY;
        line.width = flat[i].picture->width;
        line.height = flat[i].picture->height;
        if (flat[i].inGroup) {
            line.group = static_cast<std::int32_t>(flat[i].entry + 1);
            line.intervalBits = flat[i].intervalBits;
        }
        text.frames.push_back(line);
    }
    return text;
}

std::string writeFramesText(const FramesText& text)
{
    const SpriteModel& h = text.header;
    std::ostringstream out;
    out << kFirstLine << "\n";
    out << "# One line per picture, in the sprite's order. Pictures in a row with the same\n"
           "# group number make one frame group; each is shown for its interval (seconds).\n";
    out << "version " << h.version << "\n";
    out << "type " << h.type << "\n";
    if (h.version != 1) {
        out << "format " << textureFormatWord(h.textureFormat) << "\n";
        out << "palette-colours " << text.paletteColours << "\n";
    }
    out << "bounding-radius " << floatText(h.boundingRadiusBits) << "\n";
    out << "max-size " << h.maxWidth << " " << h.maxHeight << "\n";
    out << "beam-length " << floatText(h.beamLengthBits) << "\n";
    out << "sync " << h.syncType << "\n";
    for (const FrameLine& line : text.frames) {
        out << "picture " << line.file << " origin " << line.originX << " " << line.originY
            << " size " << line.width << " " << line.height;
        if (line.group)
            out << " group " << *line.group << " interval " << floatText(line.intervalBits);
        out << "\n";
    }
    return out.str();
}

std::optional<FramesText> parseFramesText(std::string_view text, std::string* error)
{
    FramesText out;
    out.header.version = 2;
    bool sawFirst = false;
    std::size_t lineNumber = 0;
    auto refuse = [&](const std::string& why) {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::vector<std::string_view> w = words(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        if (!sawFirst) {
            if (line != kFirstLine)
                return refuse("not a Pivotel frames list (it must start with \"" +
                              std::string(kFirstLine) + "\")");
            sawFirst = true;
            continue;
        }
        const std::string_view key = w[0];
        auto integer = [&](std::size_t at) -> std::optional<std::int32_t> {
            return at < w.size() ? intFromText(w[at]) : std::nullopt;
        };
        auto real = [&](std::size_t at) -> std::optional<std::uint32_t> {
            return at < w.size() ? floatFromText(w[at]) : std::nullopt;
        };
        std::optional<std::int32_t> a;
        std::optional<std::uint32_t> f;
        if (key == "version" && (a = integer(1)) && (*a == 1 || *a == 2)) {
            out.header.version = *a;
        } else if (key == "type" && w.size() == 2 && (a = typeFromWord(w[1]))) {
            out.header.type = *a;
        } else if (key == "format" && w.size() == 2 && (a = textureFormatFromWord(w[1]))) {
            out.header.textureFormat = *a;
        } else if (key == "palette-colours" && (a = integer(1)) && *a >= 1 && *a <= 256) {
            out.paletteColours = static_cast<std::size_t>(*a);
        } else if (key == "bounding-radius" && (f = real(1))) {
            out.header.boundingRadiusBits = *f;
        } else if (key == "beam-length" && (f = real(1))) {
            out.header.beamLengthBits = *f;
        } else if (key == "max-size" && integer(1) && integer(2)) {
            out.header.maxWidth = *integer(1);
            out.header.maxHeight = *integer(2);
        } else if (key == "sync" && (a = integer(1))) {
            out.header.syncType = *a;
        } else if (key == "picture" && w.size() >= 2) {
            FrameLine frame;
            frame.file = std::string(w[1]);
            if (frame.file.find('/') != std::string::npos ||
                frame.file.find('\\') != std::string::npos || frame.file == "..")
                return refuse("a picture must lie in the folder itself");
            for (std::size_t at = 2; at < w.size();) {
                if (w[at] == "origin" && integer(at + 1) && integer(at + 2)) {
                    frame.originX = *integer(at + 1);
                    frame.originY = *integer(at + 2);
                    at += 3;
                } else if (w[at] == "size" && integer(at + 1) && integer(at + 2)) {
                    frame.width = *integer(at + 1);
                    frame.height = *integer(at + 2);
                    at += 3;
                } else if (w[at] == "group" && integer(at + 1)) {
                    frame.group = integer(at + 1);
                    at += 2;
                } else if (w[at] == "interval" && real(at + 1)) {
                    frame.intervalBits = *real(at + 1);
                    at += 2;
                } else {
                    return refuse("cannot read \"" + std::string(w[at]) + "\"");
                }
            }
            out.frames.push_back(std::move(frame));
        } else {
            return refuse("cannot read \"" + std::string(line) + "\"");
        }
    }
    if (!sawFirst)
        return refuse("the file is empty");
    if (out.frames.empty())
        return refuse("no pictures are listed");
    return out;
}

} // namespace pivotel
