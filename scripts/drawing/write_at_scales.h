#pragma once
// What the image-drawing programs share: writing one drawing as <name>.png, <name>@2x.png and
// <name>@3x.png at 1x, 2x and 3x of its size in points.
#include <cairo.h>

#include <cstdio>
#include <functional>
#include <string>

inline bool writeAtScales(const std::string& dir, const std::string& name, double w, double h,
                          const std::function<void(cairo_t*)>& draw) {
    for (int scale = 1; scale <= 3; ++scale) {
        cairo_surface_t* surface = cairo_image_surface_create(
            CAIRO_FORMAT_ARGB32, static_cast<int>(w * scale), static_cast<int>(h * scale));
        cairo_t* cr = cairo_create(surface);
        cairo_scale(cr, scale, scale);
        draw(cr);
        cairo_destroy(cr);
        const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
        const std::string path = dir + "/" + name + suffix + ".png";
        const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
