// What the image-drawing programs under scripts/ share: a rounded rectangle path and the writing of
// one drawing at 1x, 2x and 3x as PNG files named the way the bundle looks images up.
#pragma once

#include <cairo.h>

#include <cstdio>
#include <functional>
#include <string>

namespace drawing {

constexpr double kPi = 3.14159265358979323846;

inline void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// <dir>/<name>.png, <name>@2x.png and <name>@3x.png of a drawing `w` x `h` points; false, after a
// line on standard error, when one cannot be written.
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

}  // namespace drawing
