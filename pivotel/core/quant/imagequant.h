#pragma once

#include "pivotel/core/sprite_builder.h"

// Colour reduction by libimagequant, which the Windows build of the core
// does not have; hence its own folder.
namespace pivotel {

// One palette of at most request.maxColours for all pictures together
// (their colours counted as one histogram), each picture remapped to it.
std::optional<QuantiseResult> quantiseWithImagequant(const QuantiseRequest& request,
                                                     std::string* error);

} // namespace pivotel
