#pragma once

#include <cstddef>
#include <cstdint>

namespace texpeek {

// Decodes ASTC blocks of `blockWidth` x `blockHeight` pixels covering a
// `width` x `height` image (`bytes` holds every block, row after row) into
// cells (red + 256 * green + 65536 * blue + 16777216 * alpha) through
// libastcenc. False when the library refuses the block size or the data.
bool decodeAstc(const unsigned char* data, std::size_t bytes, int blockWidth, int blockHeight,
                std::uint32_t width, std::uint32_t height, std::uint32_t* cells);

} // namespace texpeek
