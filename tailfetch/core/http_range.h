#pragma once

#include <optional>
#include <string>
#include <string_view>

// The host a typed URL names, as the window shows it. Texts here are
// Windows-1252 bytes.
namespace tailfetch {

// The host written between the second and the third "/" of the URL; nothing
// when the URL holds fewer than three. A host starting with "www" (lower
// case) loses its first four characters.
std::optional<std::string> SplitHost(std::string_view url);

} // namespace tailfetch
