#include "platform/graphics/BackBuffer.h"

#include <cairo.h>

namespace fv {

BackBuffer::~BackBuffer() {
    release();
}

cairo_surface_t* BackBuffer::surfaceFor(int width, int height, bool& fresh) {
    fresh = false;
    if (surface_ && cairo_surface_get_reference_count(surface_) == 1 &&
        cairo_image_surface_get_width(surface_) == width && cairo_image_surface_get_height(surface_) == height)
        return surface_;
    release();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    surface_ = surface;
    fresh = true;
    return surface_;
}

void BackBuffer::release() {
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = nullptr;
}

}  // namespace fv
