#include "entwright/core/typed_text.h"

#include "common/core/cp1252.h"

namespace ent {

std::u32string CharactersOutsideCp1252(std::u32string_view typed)
{
    std::u32string outside;
    for (const char32_t codePoint : typed) {
        // fromUnicode answers '?' for what it cannot hold, so a typed '?' is
        // the one character that may rightly come back as '?'.
        if (codePoint != U'?' && cp1252::fromUnicode(codePoint) == '?' &&
            outside.find(codePoint) == std::u32string::npos)
            outside += codePoint;
    }
    return outside;
}

std::optional<std::string> TypedBytes(std::u32string_view typed, std::u32string* outside)
{
    std::u32string missing = CharactersOutsideCp1252(typed);
    if (!missing.empty()) {
        if (outside)
            *outside = std::move(missing);
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(typed.size());
    for (const char32_t codePoint : typed)
        bytes += static_cast<char>(cp1252::fromUnicode(codePoint));
    return bytes;
}

std::optional<ApplyBytes> BytesToApply(const ShownKeyLine& shown, std::u32string_view typedKey,
                                       std::u32string_view typedValue, std::u32string* outside,
                                       bool* keyFailed)
{
    if (!shown.key.empty() && typedKey == shown.key && typedValue == shown.value)
        return ApplyBytes{shown.keyBytes, shown.valueBytes};
    std::optional<std::string> key = TypedBytes(typedKey, outside);
    if (keyFailed)
        *keyFailed = !key;
    if (!key)
        return std::nullopt;
    std::optional<std::string> value = TypedBytes(typedValue, outside);
    if (!value)
        return std::nullopt;
    return ApplyBytes{std::move(*key), std::move(*value)};
}

ListedLine LineForList(std::string_view line, std::size_t longest)
{
    if (line.size() <= longest)
        return {line, false, line.size()};
    return {line.substr(0, longest), true, line.size()};
}

} // namespace ent
