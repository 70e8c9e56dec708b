// Draws the recipient list's swipe-button icons (a pencil for edit, a bin for delete, white on clear),
// each at 1x, 2x and 3x (the transfer detail's tip is the card images' triangle). Run through
// scripts/make-transfer-icons; the outputs are committed in resources/.
#include <cairo.h>

#include "../drawing/write_at_scales.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr double kIconSize = 24;

void pencil(cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.8);
    // The shaft, leaning right, with its point at the bottom left.
    cairo_move_to(cr, 15.5, 4.5);
    cairo_line_to(cr, 19.5, 8.5);
    cairo_line_to(cr, 8.5, 19.5);
    cairo_line_to(cr, 4, 20);
    cairo_line_to(cr, 4.5, 15.5);
    cairo_close_path(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, 13, 7);
    cairo_line_to(cr, 17, 11);
    cairo_stroke(cr);
}

void bin(cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 1.8);
    cairo_move_to(cr, 4, 6.5);
    cairo_line_to(cr, 20, 6.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 9.5, 6.5);
    cairo_line_to(cr, 9.5, 4);
    cairo_line_to(cr, 14.5, 4);
    cairo_line_to(cr, 14.5, 6.5);
    cairo_stroke(cr);
    cairo_move_to(cr, 6, 6.5);
    cairo_line_to(cr, 7.2, 20);
    cairo_line_to(cr, 16.8, 20);
    cairo_line_to(cr, 18, 6.5);
    cairo_stroke(cr);
    for (double x : {10.0, 14.0}) {
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x, 16.5);
        cairo_stroke(cr);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = writeAtScales(dir, "icon_edit", kIconSize, kIconSize, pencil) &&
                    writeAtScales(dir, "icon_delete", kIconSize, kIconSize, bin);
    return ok ? 0 : 1;
}
