#include "tailfetch/core/checksums.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace tailfetch {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<DigestKind> kindOfLength(std::size_t bytes)
{
    switch (bytes) {
    case 16: return DigestKind::Md5;
    case 20: return DigestKind::Sha1;
    case 32: return DigestKind::Sha256;
    default: return std::nullopt;
    }
}

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return out;
}

// Splits a field value at top-level commas.
template <typename Each>
void forEachMember(std::string_view value, Each&& each)
{
    while (!value.empty()) {
        const std::size_t comma = value.find(',');
        each(trimmed(value.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        value.remove_prefix(comma + 1);
    }
}

std::optional<ExpectedDigest> fromBinary(std::string_view bytes, DigestKind wanted)
{
    const auto kind = kindOfLength(bytes.size());
    if (!kind || *kind != wanted)
        return std::nullopt;
    return ExpectedDigest{*kind, ToHex(bytes)};
}

int strength(DigestKind kind)
{
    return kind == DigestKind::Sha256 ? 3 : kind == DigestKind::Sha1 ? 2 : 1;
}

void keepStrongest(std::optional<ExpectedDigest>& best, std::optional<ExpectedDigest> next)
{
    if (next && (!best || strength(next->kind) > strength(best->kind)))
        best = std::move(next);
}

// A "key=value" member as its key in lower case and its value, both
// trimmed; nothing without an "=".
std::optional<std::pair<std::string, std::string_view>> keyedMember(std::string_view member)
{
    const std::size_t equals = member.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return std::pair{lower(trimmed(member.substr(0, equals))), trimmed(member.substr(equals + 1))};
}

} // namespace

const char* DigestName(DigestKind kind)
{
    switch (kind) {
    case DigestKind::Md5: return "MD5";
    case DigestKind::Sha1: return "SHA-1";
    case DigestKind::Sha256: return "SHA-256";
    }
    return "";
}

std::optional<ExpectedDigest> ParseTypedDigest(std::string_view text)
{
    text = trimmed(text);
    if (!std::all_of(text.begin(), text.end(), isHex) || text.size() % 2 != 0)
        return std::nullopt;
    const auto kind = kindOfLength(text.size() / 2);
    if (!kind)
        return std::nullopt;
    return ExpectedDigest{*kind, lower(text)};
}

std::optional<ExpectedDigest> DigestFromHeader(const ReplyHeader& header)
{
    std::optional<ExpectedDigest> best;
    // RFC 9530: a dictionary of byte sequences, sha-256=:BASE64:
    for (const auto& [name, value] : header.fields) {
        if (!EqualsIgnoringCase(name, "Repr-Digest"))
            continue;
        forEachMember(value, [&](std::string_view member) {
            const auto keyed = keyedMember(member);
            if (!keyed)
                return;
            const auto& [key, whole] = *keyed;
            std::string_view data = whole;
            if (data.size() < 2 || data.front() != ':' || data.back() != ':')
                return;
            data = data.substr(1, data.size() - 2);
            const auto bytes = DecodeBase64(data);
            if (!bytes)
                return;
            if (key == "sha-256")
                keepStrongest(best, fromBinary(*bytes, DigestKind::Sha256));
        });
    }
    if (best)
        return best;
    // RFC 3230: SHA-256=BASE64, SHA=BASE64 (SHA-1), MD5=BASE64
    for (const auto& [name, value] : header.fields) {
        if (!EqualsIgnoringCase(name, "Digest"))
            continue;
        forEachMember(value, [&](std::string_view member) {
            const auto keyed = keyedMember(member);
            if (!keyed)
                return;
            const auto& [key, data] = *keyed;
            const auto bytes = DecodeBase64(data);
            if (!bytes)
                return;
            if (key == "sha-256")
                keepStrongest(best, fromBinary(*bytes, DigestKind::Sha256));
            else if (key == "sha")
                keepStrongest(best, fromBinary(*bytes, DigestKind::Sha1));
            else if (key == "md5")
                keepStrongest(best, fromBinary(*bytes, DigestKind::Md5));
        });
    }
    return best;
}

std::optional<ExpectedDigest> DigestFromSumsFile(std::string_view text, std::string_view fileName)
{
    std::optional<ExpectedDigest> single;
    int lines = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        ++lines;
        const std::size_t space = line.find_first_of(" \t");
        const auto sum = ParseTypedDigest(line.substr(0, space));
        if (!sum || sum->kind != DigestKind::Sha256)
            continue;
        if (space == std::string_view::npos) {
            single = sum;
            continue;
        }
        std::string_view name = trimmed(line.substr(space));
        if (!name.empty() && name.front() == '*')
            name.remove_prefix(1);
        if (name.substr(0, 2) == "./")
            name.remove_prefix(2);
        if (name == fileName)
            return sum;
    }
    if (lines == 1 && single)
        return single;
    return std::nullopt;
}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    static constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    std::string out;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const std::size_t value = kAlphabet.find(c);
        if (value == std::string_view::npos)
            return std::nullopt;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<char>((bits >> count) & 0xFF));
        }
    }
    if (count >= 6)
        return std::nullopt; // a single character left over is no byte
    return out;
}

std::string ToHex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(kDigits[byte >> 4]);
        out.push_back(kDigits[byte & 15]);
    }
    return out;
}

} // namespace tailfetch
