// Draws the camera's sample frames, the front and the back of a photographed identity document and a
// face, and writes them as JPEG files. Run through scripts/make-camera-samples; the outputs are
// committed in resources/.
#include <cairo.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "../drawing/rounded_rect.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void text(cairo_t* cr, double x, double y, double size, const char* s) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s);
}

// The card's own units: it is drawn at this width and scaled to the frame.
constexpr double kCardWidth = 920, kCardHeight = kCardWidth / 1.586;

// A wooden desk filling the frame, seen from above.
void drawDesk(cairo_t* cr, int w, int h) {
    cairo_pattern_t* desk = cairo_pattern_create_linear(0, 0, w, h);
    cairo_pattern_add_color_stop_rgb(desk, 0, 0.36, 0.27, 0.20);
    cairo_pattern_add_color_stop_rgb(desk, 1, 0.22, 0.16, 0.12);
    cairo_set_source(cr, desk);
    cairo_paint(cr);
    cairo_pattern_destroy(desk);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.08);
    for (int i = 0; i < h; i += 23) {
        cairo_rectangle(cr, 0, i, w, 4);
    }
    cairo_fill(cr);
}

// The card's blank with its shadow, in card units.
void drawCardBlank(cairo_t* cr) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    roundedRect(cr, 10, 12, kCardWidth, kCardHeight, 28);
    cairo_fill(cr);
    cairo_pattern_t* card = cairo_pattern_create_linear(0, 0, kCardWidth, kCardHeight);
    cairo_pattern_add_color_stop_rgb(card, 0, 0.86, 0.92, 0.95);
    cairo_pattern_add_color_stop_rgb(card, 1, 0.70, 0.83, 0.88);
    cairo_set_source(cr, card);
    roundedRect(cr, 0, 0, kCardWidth, kCardHeight, 28);
    cairo_fill(cr);
    cairo_pattern_destroy(card);
}

// Rows of small dark blocks, as printed text seen from afar.
void blockRows(cairo_t* cr, double x, double y, double width, int rows, int perRow, double rowStep) {
    cairo_set_source_rgb(cr, 0.15, 0.18, 0.22);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < perRow; ++j) {
            cairo_rectangle(cr, x + j * width / perRow, y + i * rowStep, width / perRow - 6, 16);
        }
    }
    cairo_fill(cr);
}

void drawCardFront(cairo_t* cr) {
    drawCardBlank(cr);
    const double cw = kCardWidth, ch = kCardHeight;
    cairo_set_source_rgb(cr, 0.10, 0.32, 0.46);
    cairo_rectangle(cr, 0, 36, cw, 64);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    text(cr, 36, 80, 34, "IDENTITY CARD");

    const double px = 36, py = 130, pw = cw * 0.27, ph = pw * 1.25;
    cairo_set_source_rgb(cr, 0.93, 0.90, 0.84);
    cairo_rectangle(cr, px, py, pw, ph);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, px, py, pw, ph);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.45, 0.50, 0.56);
    ellipse(cr, px + pw / 2, py + ph * 0.38, pw * 0.2, ph * 0.2);
    cairo_fill(cr);
    ellipse(cr, px + pw / 2, py + ph * 1.0, pw * 0.42, ph * 0.36);
    cairo_fill(cr);
    cairo_restore(cr);

    const double tx = px + pw + 36;
    const char* labels[] = {"SURNAME", "GIVEN NAMES", "DATE OF ISSUE", "DOCUMENT NO."};
    for (int i = 0; i < 4; ++i) {
        const double ly = py + 10 + i * 70;
        cairo_set_source_rgb(cr, 0.30, 0.40, 0.46);
        text(cr, tx, ly + 10, 16, labels[i]);
        cairo_set_source_rgb(cr, 0.15, 0.18, 0.22);
        cairo_rectangle(cr, tx, ly + 22, (cw - 40 - tx) * (0.9 - 0.15 * (i % 3)), 18);
        cairo_fill(cr);
    }
    blockRows(cr, 36, ch - 70, cw - 72, 2, 30, 28);
}

// The back: an address, a barcode, a signature strip and the machine-readable lines at the bottom.
void drawCardBack(cairo_t* cr) {
    drawCardBlank(cr);
    const double cw = kCardWidth, ch = kCardHeight;
    cairo_set_source_rgb(cr, 0.10, 0.32, 0.46);
    cairo_rectangle(cr, 0, 36, cw, 20);
    cairo_fill(cr);

    const char* labels[] = {"ADDRESS", "PLACE OF BIRTH"};
    for (int i = 0; i < 2; ++i) {
        const double ly = 92 + i * 78;
        cairo_set_source_rgb(cr, 0.30, 0.40, 0.46);
        text(cr, 36, ly, 16, labels[i]);
        cairo_set_source_rgb(cr, 0.15, 0.18, 0.22);
        cairo_rectangle(cr, 36, ly + 12, cw * (0.48 - 0.12 * i), 18);
        cairo_rectangle(cr, 36, ly + 38, cw * 0.36, 18);
        cairo_fill(cr);
    }

    // A barcode of fixed, uneven bars (a simple number sequence, not any real encoding).
    const double bx = cw * 0.62, by = 80, bw = cw - 40 - bx, bh = 150;
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, bx - 10, by - 10, bw + 20, bh + 20);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.10);
    unsigned seed = 7;
    for (double x = bx; x < bx + bw - 8;) {
        seed = seed * 1103515245u + 12345u;
        const double bar = 2 + (seed >> 16) % 5, gap = 2 + (seed >> 20) % 4;
        cairo_rectangle(cr, x, by, bar, bh);
        x += bar + gap;
    }
    cairo_fill(cr);

    cairo_set_source_rgb(cr, 0.30, 0.40, 0.46);
    text(cr, 36, 282, 16, "SIGNATURE");
    cairo_set_source_rgb(cr, 0.97, 0.97, 0.95);
    cairo_rectangle(cr, 36, 292, cw * 0.5, 56);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.12, 0.16, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 56, 334);
    cairo_curve_to(cr, 90, 290, 120, 350, 160, 318);
    cairo_curve_to(cr, 200, 290, 230, 344, 290, 312);
    cairo_stroke(cr);

    cairo_save(cr);
    roundedRect(cr, 0, 0, cw, ch, 28);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0.95, 0.96, 0.93);
    cairo_rectangle(cr, 0, ch - 160, cw, 160);
    cairo_fill(cr);
    cairo_restore(cr);
    blockRows(cr, 36, ch - 140, cw - 72, 3, 30, 44);
}

// A card lying on a desk, seen from above, portrait as the back camera is held: the card sits
// where the capture screen's window shows it, so both the live picture and the crop frame it.
void drawDocument(cairo_t* cr, int w, int h, void (*card)(cairo_t*)) {
    drawDesk(cr, w, h);
    // The window covers (60, 110, 630, 500) of a 750 x 1206 frame; the card keeps a margin in it.
    const double cw = w * 580.0 / 750, ch = cw / 1.586;
    const double cx = (w - cw) / 2, cy = h * 360.0 / 1206 - ch / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, cw / kCardWidth, cw / kCardWidth);
    card(cr);
    cairo_restore(cr);
}

void drawDocumentFront(cairo_t* cr, int w, int h) {
    drawDocument(cr, w, h, drawCardFront);
}

void drawDocumentBack(cairo_t* cr, int w, int h) {
    drawDocument(cr, w, h, drawCardBack);
}

// A head and shoulders, centred, in a portrait frame as a front camera sees it.
void drawFace(cairo_t* cr, int w, int h) {
    cairo_pattern_t* wall = cairo_pattern_create_radial(w / 2.0, h * 0.4, 40, w / 2.0, h * 0.4, h * 0.8);
    cairo_pattern_add_color_stop_rgb(wall, 0, 0.78, 0.84, 0.80);
    cairo_pattern_add_color_stop_rgb(wall, 1, 0.42, 0.52, 0.50);
    cairo_set_source(cr, wall);
    cairo_paint(cr);
    cairo_pattern_destroy(wall);

    const double cx = w / 2.0, cy = h * 0.42, rx = w * 0.24, ry = h * 0.2;
    cairo_set_source_rgb(cr, 0.20, 0.30, 0.52);
    ellipse(cr, cx, h * 1.02, w * 0.48, h * 0.32);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.80, 0.62, 0.50);
    cairo_rectangle(cr, cx - rx * 0.38, cy + ry * 0.7, rx * 0.76, ry * 0.6);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.23, 0.15, 0.10);
    ellipse(cr, cx, cy - ry * 0.12, rx * 1.12, ry * 1.08);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.88, 0.70, 0.58);
    ellipse(cr, cx, cy + ry * 0.08, rx, ry);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        const double ex = cx + side * rx * 0.4, ey = cy - ry * 0.05;
        cairo_set_source_rgb(cr, 1, 1, 1);
        ellipse(cr, ex, ey, rx * 0.17, ry * 0.08);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.25, 0.35, 0.20);
        ellipse(cr, ex, ey, rx * 0.08, rx * 0.08);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.23, 0.15, 0.10);
        cairo_set_line_width(cr, 7);
        cairo_move_to(cr, ex - rx * 0.2, ey - ry * 0.2);
        cairo_line_to(cr, ex + rx * 0.2, ey - ry * 0.24);
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, 0.72, 0.52, 0.42);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, cx, cy + ry * 0.05);
    cairo_line_to(cr, cx - rx * 0.1, cy + ry * 0.38);
    cairo_line_to(cr, cx + rx * 0.06, cy + ry * 0.42);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.66, 0.30, 0.30);
    cairo_set_line_width(cr, 8);
    cairo_arc(cr, cx, cy + ry * 0.4, rx * 0.35, kPi * 0.2, kPi * 0.8);
    cairo_stroke(cr);
}

bool writeJpeg(cairo_surface_t* surface, const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = cairo_image_surface_get_width(surface);
    cinfo.image_height = cairo_image_surface_get_height(surface);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 82, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> row(cinfo.image_width * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* px = reinterpret_cast<const uint32_t*>(data + cinfo.next_scanline * stride);
        for (unsigned x = 0; x < cinfo.image_width; ++x) {
            row[x * 3] = (px[x] >> 16) & 0xff;
            row[x * 3 + 1] = (px[x] >> 8) & 0xff;
            row[x * 3 + 2] = px[x] & 0xff;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
}

bool make(const std::string& path, int w, int h, void (*draw)(cairo_t*, int, int)) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    draw(cr, w, h);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const bool ok = writeJpeg(surface, path);
    cairo_surface_destroy(surface);
    if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : ".";
    // The document frames have the capture screens' photo area's shape (375 x 603 points, at 2x).
    const bool ok = make(dir + "/camera_sample_document.jpg", 750, 1206, drawDocumentFront) &&
                    make(dir + "/camera_sample_document_back.jpg", 750, 1206, drawDocumentBack) &&
                    make(dir + "/camera_sample_face.jpg", 720, 960, drawFace);
    return ok ? 0 : 1;
}
