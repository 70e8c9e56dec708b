#include "platform/graphics/BackBuffer.h"

#include <unistd.h>

#include <cairo.h>

#include <algorithm>
#include <system_error>

namespace fv {

namespace {

bool matches(cairo_surface_t* surface, int width, int height) {
    return surface && cairo_image_surface_get_width(surface) == width &&
           cairo_image_surface_get_height(surface) == height;
}

cairo_surface_t* newSurface(int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) return surface;
    cairo_surface_destroy(surface);
    return nullptr;
}

// A new bitmap of its size with every page written once (with the zero it already reads as).
cairo_surface_t* newTouchedSurface(int width, int height) {
    cairo_surface_t* surface = newSurface(width, height);
    if (!surface) return nullptr;
    unsigned char* data = cairo_image_surface_get_data(surface);
    const long bytes = static_cast<long>(cairo_image_surface_get_stride(surface)) * height;
    const long page = std::max(4096L, sysconf(_SC_PAGESIZE));
    for (long at = 0; at < bytes; at += page) static_cast<volatile unsigned char*>(data)[at] = 0;
    return surface;
}

}  // namespace

BackBuffer::~BackBuffer() {
    release();
}

void BackBuffer::prepare(int width, int height) {
    if (width <= 0 || height <= 0) return;
    if (surface_ && matches(surface_, width, height)) return;
    if (prepared_.valid()) {
        if (preparedWidth_ == width && preparedHeight_ == height) return;
        takePrepared(0, 0);
    }
    try {
        prepared_ =
            std::async(std::launch::async, [width, height] { return newTouchedSurface(width, height); });
    } catch (const std::system_error&) {
        return;  // no thread to spare: the first frame makes its bitmap itself
    }
    preparedWidth_ = width;
    preparedHeight_ = height;
}

void BackBuffer::takePrepared(int width, int height) {
    if (!prepared_.valid()) return;
    cairo_surface_t* surface = prepared_.get();
    if (!surface) return;
    if (matches(surface, width, height) && !surface_) {
        surface_ = surface;
        return;
    }
    cairo_surface_destroy(surface);
}

cairo_surface_t* BackBuffer::surfaceFor(int width, int height, bool& fresh) {
    fresh = false;
    if (surface_ && cairo_surface_get_reference_count(surface_) == 1 && matches(surface_, width, height))
        return surface_;
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = nullptr;
    takePrepared(width, height);
    if (!surface_) surface_ = newSurface(width, height);
    fresh = surface_ != nullptr;
    return surface_;
}

void BackBuffer::release() {
    takePrepared(0, 0);
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = nullptr;
}

}  // namespace fv
