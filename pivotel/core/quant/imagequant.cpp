#include "pivotel/core/quant/imagequant.h"

#include <libimagequant.h>

#include <memory>

namespace pivotel {
namespace {

struct AttrFree {
    void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
};
struct HistogramFree {
    void operator()(liq_histogram* histogram) const { liq_histogram_destroy(histogram); }
};
struct ImageFree {
    void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct ResultFree {
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};

std::optional<QuantiseResult> refuse(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
    return std::nullopt;
}

} // namespace

std::optional<QuantiseResult> quantiseWithImagequant(const QuantiseRequest& request,
                                                     std::string* error)
{
    std::unique_ptr<liq_attr, AttrFree> attr(liq_attr_create());
    if (!attr)
        return refuse(error, "libimagequant could not start");
    if (liq_set_max_colors(attr.get(), request.maxColours) != LIQ_OK ||
        liq_set_quality(attr.get(), request.minimumQuality, 100) != LIQ_OK)
        return refuse(error, "libimagequant refused the colour count or quality");
    std::unique_ptr<liq_histogram, HistogramFree> histogram(liq_histogram_create(attr.get()));
    std::vector<std::unique_ptr<liq_image, ImageFree>> images;
    for (const SourcePicture* picture : request.pictures) {
        images.emplace_back(liq_image_create_rgba(attr.get(), picture->rgba.data(), picture->width,
                                                  picture->height, 0));
        if (!images.back() ||
            liq_histogram_add_image(histogram.get(), attr.get(), images.back().get()) != LIQ_OK)
            return refuse(error, "libimagequant could not read " + picture->name);
    }
    liq_result* raw = nullptr;
    const liq_error status = liq_histogram_quantize(histogram.get(), attr.get(), &raw);
    std::unique_ptr<liq_result, ResultFree> result(raw);
    if (status == LIQ_QUALITY_TOO_LOW)
        return refuse(error, "the pictures cannot keep quality " +
                                 std::to_string(request.minimumQuality) + " with " +
                                 std::to_string(request.maxColours) + " colours");
    if (status != LIQ_OK || !result)
        return refuse(error, "libimagequant could not reduce the colours");
    liq_set_dithering_level(result.get(), request.dithering);

    QuantiseResult out;
    for (std::size_t i = 0; i < images.size(); ++i) {
        std::vector<std::uint8_t> indices(request.pictures[i]->rgba.size() / 4);
        if (liq_write_remapped_image(result.get(), images[i].get(), indices.data(),
                                     indices.size()) != LIQ_OK)
            return refuse(error, "libimagequant could not remap " + request.pictures[i]->name);
        out.indices.push_back(std::move(indices));
    }
    // The palette is final only after remapping.
    const liq_palette* palette = liq_get_palette(result.get());
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color& c = palette->entries[i];
        out.palette.push_back({c.r, c.g, c.b, c.a});
    }
    return out;
}

} // namespace pivotel
