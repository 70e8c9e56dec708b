#pragma once
// One pixel of an image, as the tests that check drawing and cropping by pixel read it.
#include <cairo.h>

#include <cstdint>
#include <cstring>

#include "platform/graphics/UIImage.h"

namespace fv::test {

// The pixel at (x, y) as 0xAARRGGBB, premultiplied; opaque for an image without alpha.
inline std::uint32_t pixelAt(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    cairo_surface_flush(s);
    std::uint32_t v;
    std::memcpy(&v, cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x, 4);
    if (cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24) v |= 0xff000000;
    return v;
}

}  // namespace fv::test
