#pragma once
// What the image-drawing programs share: a rounded rectangle as a closed sub-path of the current path.
#include <cairo.h>

inline void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    constexpr double pi = 3.14159265358979323846;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}
