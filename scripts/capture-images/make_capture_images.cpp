// Draws the identity capture screens' images, each at 1x, 2x and 3x: the ID-check start screen's icon
// (a document with a portrait under a camera's corner marks) and the capture screens' shutter button.
// Run through scripts/make-capture-images; the outputs are committed in resources/.
#include <cairo.h>

#include <cstdio>
#include <string>

#include "../drawing/rounded_rect.h"
#include "../drawing/write_at_scales.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kIconSize = 120;
constexpr double kShutterSize = 72;

// The theme's teal, as the screens' headers show it.
void teal(cairo_t* cr, double alpha = 1) {
    cairo_set_source_rgba(cr, 0.06, 0.37, 0.39, alpha);
}

void idCheckIcon(cairo_t* cr) {
    // A soft disc behind everything.
    cairo_arc(cr, 60, 60, 58, 0, 2 * kPi);
    teal(cr, 0.10);
    cairo_fill(cr);
    // The document.
    roundedRect(cr, 22, 36, 76, 50, 6);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    teal(cr);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Its portrait: head and shoulders.
    cairo_arc(cr, 43, 55, 7, 0, 2 * kPi);
    teal(cr);
    cairo_fill(cr);
    cairo_arc(cr, 43, 78, 13, kPi, 2 * kPi);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Its lines of text.
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const double y : {52.0, 61.0, 70.0}) {
        cairo_move_to(cr, 62, y);
        cairo_line_to(cr, y == 70.0 ? 78 : 88, y);
    }
    teal(cr, 0.6);
    cairo_stroke(cr);
    // The camera's corner marks around it.
    const double l = 12, x0 = 12, y0 = 26, x1 = 108, y1 = 96;
    cairo_move_to(cr, x0, y0 + l);
    cairo_line_to(cr, x0, y0);
    cairo_line_to(cr, x0 + l, y0);
    cairo_move_to(cr, x1 - l, y0);
    cairo_line_to(cr, x1, y0);
    cairo_line_to(cr, x1, y0 + l);
    cairo_move_to(cr, x1, y1 - l);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x1 - l, y1);
    cairo_move_to(cr, x0 + l, y1);
    cairo_line_to(cr, x0, y1);
    cairo_line_to(cr, x0, y1 - l);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3.5);
    cairo_set_source_rgb(cr, 0.96, 0.49, 0.13);
    cairo_stroke(cr);
}

void shutter(cairo_t* cr) {
    const double c = kShutterSize / 2;
    cairo_arc(cr, c, c, c - 3, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, c, c, c - 10, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.92);
    cairo_fill(cr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    if (!writeAtScales(dir, "id_check_icon", kIconSize, kIconSize, idCheckIcon)) return 1;
    if (!writeAtScales(dir, "capture_shutter", kShutterSize, kShutterSize, shutter)) return 1;
    return 0;
}
