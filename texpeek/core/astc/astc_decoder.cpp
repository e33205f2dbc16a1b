#include "texpeek/core/astc/astc_decoder.h"

#include <astcenc.h>

#include <bit>
#include <memory>

namespace texpeek {

bool decodeAstc(const unsigned char* data, std::size_t bytes, int blockWidth, int blockHeight,
                std::uint32_t width, std::uint32_t height, std::uint32_t* cells)
{
    static_assert(std::endian::native == std::endian::little,
                  "cells are written as red, green, blue, alpha bytes");
    astcenc_config config;
    if (astcenc_config_init(ASTCENC_PRF_LDR, static_cast<unsigned>(blockWidth),
                            static_cast<unsigned>(blockHeight), 1, ASTCENC_PRE_FASTEST,
                            ASTCENC_FLG_DECOMPRESS_ONLY, &config) != ASTCENC_SUCCESS)
        return false;
    astcenc_context* raw = nullptr;
    if (astcenc_context_alloc(&config, 1, &raw) != ASTCENC_SUCCESS)
        return false;
    const std::unique_ptr<astcenc_context, void (*)(astcenc_context*)> context(
        raw, astcenc_context_free);
    void* slices[1] = {cells};
    astcenc_image image{width, height, 1, ASTCENC_TYPE_U8, slices};
    const astcenc_swizzle swizzle{ASTCENC_SWZ_R, ASTCENC_SWZ_G, ASTCENC_SWZ_B, ASTCENC_SWZ_A};
    return astcenc_decompress_image(context.get(), data, bytes, &image, &swizzle, 0) ==
           ASTCENC_SUCCESS;
}

} // namespace texpeek
