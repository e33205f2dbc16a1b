#pragma once

#include "pivotel/core/sprite_builder.h"

#include <optional>
#include <string>
#include <string_view>

// Targa pictures, which Qt does not read without an extra plugin: true
// colour (16, 24, 32 bits), grey and colour-mapped, plain or run-length
// packed. A colour-mapped picture keeps its indices and palette.
namespace pivotel {

std::optional<SourcePicture> decodeTga(std::string_view bytes, std::string* error = nullptr);

} // namespace pivotel
