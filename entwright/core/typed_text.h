#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What becomes of text typed into the key and value boxes before it reaches
// the table, which holds Windows-1252 bytes.
namespace ent {

// The characters of `typed` that Windows-1252 has no byte for, each once, in
// the order they first appear.
std::u32string CharactersOutsideCp1252(std::u32string_view typed);

// The bytes a typed key or value is stored as; nothing, with the characters
// to blame in `outside`, when the code page cannot hold all of it.
std::optional<std::string> TypedBytes(std::u32string_view typed, std::u32string* outside);

// A clicked line as the boxes showed it, with the bytes it came from.
struct ShownKeyLine {
    std::u32string key;
    std::u32string value;
    std::string keyBytes;
    std::string valueBytes;
};

// The key and value Apply stores. Boxes left as they were shown stand for
// the stored bytes, so a line the split shows shifted, or with bytes the boxes
// cannot show, is kept exactly as it was; anything retyped is converted, and
// nothing comes back (with `outside` set) when that fails.
struct ApplyBytes {
    std::string key;
    std::string value;
};
std::optional<ApplyBytes> BytesToApply(const ShownKeyLine& shown, std::u32string_view typedKey,
                                       std::u32string_view typedValue, std::u32string* outside,
                                       bool* keyFailed = nullptr);

// A line as the key list shows it: whole up to `longest` bytes, else its
// first `longest` bytes and a mark that the rest is not shown. Laying out a
// megabyte of text in a list row takes most of a second, and nobody reads it
// there.
struct ListedLine {
    std::string_view shown;
    bool cut = false;
    std::size_t total = 0;
};
constexpr std::size_t kLongestListedLine = 2000;
ListedLine LineForList(std::string_view line, std::size_t longest = kLongestListedLine);

} // namespace ent
