// Draws the card wallet's images: the flags the wallets name by "country", the spending-category icons
// the transactions name by "category_icon", the card face's background, chip, scheme mark and issuer
// mark, the issuer mark for white screens, and the triangle tip the balance and the transfer detail
// point with (tinted), each at 1x, 2x and 3x. Run through
// scripts/make-card-images; the outputs are committed in resources/.
#include <cairo.h>

#include "../drawing/rounded_rect.h"
#include "../drawing/write_at_scales.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFlagWidth = 48, kFlagHeight = 32;
constexpr double kIconSize = 40;
constexpr double kCardWidth = 300, kCardHeight = 200;
constexpr double kSchemeWidth = 56, kSchemeHeight = 36;
constexpr double kIssuerSize = 32;
constexpr double kLightLogoSize = 76;

struct Rgb {
    double r, g, b;
};

void fill(cairo_t* cr, Rgb c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_fill(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer) {
    const double inner = outer * 0.4;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5, r = (i % 2) ? inner : outer;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// ---- flags, drawn in a 48 x 32 box ----

void flagUsa(cairo_t* cr) {
    const double stripe = kFlagHeight / 13;
    for (int i = 0; i < 13; ++i) {
        cairo_rectangle(cr, 0, i * stripe, kFlagWidth, stripe);
        fill(cr, i % 2 ? Rgb{1, 1, 1} : Rgb{0.70, 0.13, 0.20});
    }
    const double cantonW = kFlagWidth * 0.4, cantonH = stripe * 7;
    cairo_rectangle(cr, 0, 0, cantonW, cantonH);
    fill(cr, {0.24, 0.23, 0.43});
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5 - row % 2; ++col)
            star(cr, 2.2 + col * 3.7 + (row % 2) * 1.85, 2.0 + row * 3.3, 1.05);
    fill(cr, {1, 1, 1});
}

void flagEurope(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kFlagWidth, kFlagHeight);
    fill(cr, {0.0, 0.20, 0.60});
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        star(cr, kFlagWidth / 2 + 10 * std::cos(a), kFlagHeight / 2 + 10 * std::sin(a), 1.9);
    }
    fill(cr, {1.0, 0.80, 0.0});
}

void flagUk(cairo_t* cr) {
    const Rgb blue{0.0, 0.14, 0.49}, red{0.78, 0.06, 0.18}, white{1, 1, 1};
    cairo_rectangle(cr, 0, 0, kFlagWidth, kFlagHeight);
    fill(cr, blue);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (const auto& [width, colour] : {std::pair{6.4, white}, std::pair{2.2, red}}) {
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, kFlagWidth, kFlagHeight);
        cairo_move_to(cr, kFlagWidth, 0);
        cairo_line_to(cr, 0, kFlagHeight);
        cairo_set_line_width(cr, width);
        cairo_set_source_rgb(cr, colour.r, colour.g, colour.b);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, 0, kFlagHeight / 2 - 5.3, kFlagWidth, 10.6);
    cairo_rectangle(cr, kFlagWidth / 2 - 5.3, 0, 10.6, kFlagHeight);
    fill(cr, white);
    cairo_rectangle(cr, 0, kFlagHeight / 2 - 3.2, kFlagWidth, 6.4);
    cairo_rectangle(cr, kFlagWidth / 2 - 3.2, 0, 6.4, kFlagHeight);
    fill(cr, red);
}

void flagJapan(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kFlagWidth, kFlagHeight);
    fill(cr, {1, 1, 1});
    cairo_arc(cr, kFlagWidth / 2, kFlagHeight / 2, kFlagHeight * 0.3, 0, 2 * kPi);
    fill(cr, {0.74, 0.0, 0.18});
}

void flagSwitzerland(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kFlagWidth, kFlagHeight);
    fill(cr, {0.85, 0.16, 0.11});
    const double cx = kFlagWidth / 2, cy = kFlagHeight / 2, arm = 10, half = 3.2;
    cairo_rectangle(cr, cx - half, cy - arm, 2 * half, 2 * arm);
    cairo_rectangle(cr, cx - arm, cy - half, 2 * arm, 2 * half);
    fill(cr, {1, 1, 1});
}

// A thin frame keeps white parts of a flag visible on a white cell.
void flagFrame(cairo_t* cr) {
    cairo_rectangle(cr, 0.25, 0.25, kFlagWidth - 0.5, kFlagHeight - 0.5);
    cairo_set_line_width(cr, 0.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_stroke(cr);
}

// ---- category icons: a white glyph on a coloured disc, in a 40 x 40 box ----

void white(cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 1, 1);
}

void strokeWhite(cairo_t* cr, double width) {
    white(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void glyphGroceries(cairo_t* cr) {  // a basket
    cairo_move_to(cr, 10, 17);
    cairo_line_to(cr, 30, 17);
    cairo_line_to(cr, 27.5, 29);
    cairo_line_to(cr, 12.5, 29);
    cairo_close_path(cr);
    white(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 14, 17);
    cairo_line_to(cr, 18, 10);
    cairo_move_to(cr, 26, 17);
    cairo_line_to(cr, 22, 10);
    strokeWhite(cr, 2);
}

void glyphDining(cairo_t* cr) {  // fork and knife
    for (double x : {13.0, 15.5, 18.0}) {
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x, 16);
    }
    cairo_move_to(cr, 15.5, 16);
    cairo_line_to(cr, 15.5, 30);
    cairo_move_to(cr, 13, 16);
    cairo_line_to(cr, 18, 16);
    strokeWhite(cr, 1.8);
    cairo_move_to(cr, 25, 30);
    cairo_line_to(cr, 25, 10);
    cairo_curve_to(cr, 29, 12, 29, 19, 25, 21);
    white(cr);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
}

void glyphTransport(cairo_t* cr) {  // a car from the side
    roundedRect(cr, 9, 18, 22, 7, 2);
    white(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 13, 18);
    cairo_line_to(cr, 16, 13);
    cairo_line_to(cr, 24, 13);
    cairo_line_to(cr, 27, 18);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (double x : {14.5, 25.5}) {
        cairo_arc(cr, x, 26, 3, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void glyphShopping(cairo_t* cr) {  // a bag with handles
    roundedRect(cr, 11, 16, 18, 15, 2);
    white(cr);
    cairo_fill(cr);
    cairo_arc(cr, 20, 16, 4.5, kPi, 2 * kPi);
    strokeWhite(cr, 2);
}

void glyphSalary(cairo_t* cr) {  // a banknote
    roundedRect(cr, 8, 13, 24, 14, 2);
    white(cr);
    cairo_fill(cr);
    cairo_arc(cr, 20, 20, 3.6, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.18, 0.62, 0.36);
    cairo_fill(cr);
}

void glyphEntertainment(cairo_t* cr) {  // a play button in a screen
    roundedRect(cr, 9, 12, 22, 16, 3);
    strokeWhite(cr, 2);
    cairo_move_to(cr, 17.5, 16);
    cairo_line_to(cr, 24, 20);
    cairo_line_to(cr, 17.5, 24);
    cairo_close_path(cr);
    white(cr);
    cairo_fill(cr);
}

void glyphUtilities(cairo_t* cr) {  // a lightning bolt
    cairo_move_to(cr, 22, 8);
    cairo_line_to(cr, 13, 22);
    cairo_line_to(cr, 19.5, 22);
    cairo_line_to(cr, 17, 32);
    cairo_line_to(cr, 27, 17);
    cairo_line_to(cr, 20.5, 17);
    cairo_close_path(cr);
    white(cr);
    cairo_fill(cr);
}

void glyphTravel(cairo_t* cr) {  // an aeroplane seen from above, nose up
    cairo_move_to(cr, 20, 8);
    cairo_line_to(cr, 20, 31);
    strokeWhite(cr, 3);
    cairo_move_to(cr, 20, 16);
    cairo_line_to(cr, 9, 23);
    cairo_line_to(cr, 31, 23);
    cairo_close_path(cr);
    white(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 20, 27);
    cairo_line_to(cr, 15, 31);
    cairo_line_to(cr, 25, 31);
    cairo_close_path(cr);
    cairo_fill(cr);
}

std::function<void(cairo_t*)> categoryIcon(Rgb disc, void (*glyph)(cairo_t*)) {
    return [disc, glyph](cairo_t* cr) {
        cairo_arc(cr, kIconSize / 2, kIconSize / 2, kIconSize / 2, 0, 2 * kPi);
        fill(cr, disc);
        glyph(cr);
    };
}

// ---- the card face ----

// Deep teal fading to navy, crossed by two soft arcs.
void cardBackground(cairo_t* cr) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, kCardWidth, kCardHeight);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.45, 0.47);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.07, 0.15, 0.33);
    cairo_rectangle(cr, 0, 0, kCardWidth, kCardHeight);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_arc(cr, kCardWidth * 0.95, kCardHeight * 1.1, 170, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, kCardWidth * 0.1, -40, 120, 0, 2 * kPi);
    cairo_fill(cr);
    // The chip.
    roundedRect(cr, 24, 62, 42, 32, 6);
    fill(cr, {0.86, 0.74, 0.42});
    cairo_set_source_rgb(cr, 0.66, 0.54, 0.26);
    cairo_set_line_width(cr, 1);
    for (double y : {72.5, 83.5}) {
        cairo_move_to(cr, 24, y);
        cairo_line_to(cr, 66, y);
    }
    cairo_move_to(cr, 45.5, 62);
    cairo_line_to(cr, 45.5, 94);
    cairo_stroke(cr);
}

// Two overlapping rounded tiles, amber and coral.
void schemeMark(cairo_t* cr) {
    roundedRect(cr, 2, 4, 30, 28, 7);
    fill(cr, {1.0, 0.72, 0.20});
    cairo_push_group(cr);
    roundedRect(cr, 24, 4, 30, 28, 7);
    fill(cr, {0.94, 0.33, 0.31});
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.85);
}

// A fern frond: a curved stem with leaflets shrinking to its tip.
// The issuer's fern in a 32 x 32 box, in one colour.
void fern(cairo_t* cr, Rgb c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, 16, 30);
    cairo_curve_to(cr, 15, 20, 17, 10, 16, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        const double y = 26 - i * 4.2, len = 11 - i * 1.5;
        for (int side : {-1, 1}) {
            cairo_save(cr);
            cairo_translate(cr, 16, y);
            cairo_rotate(cr, side * -0.5);
            cairo_scale(cr, len / 2, 1.6);
            cairo_arc(cr, side, 0, 1, 0, 2 * kPi);
            cairo_restore(cr);
            cairo_fill(cr);
        }
    }
}

// White, for the card face.
void issuerMark(cairo_t* cr) {
    fern(cr, {1, 1, 1});
}

// The issuer's mark for a white screen: the fern in the header's dark teal on a pale teal disc.
void issuerMarkOnLight(cairo_t* cr) {
    const double centre = kLightLogoSize / 2;
    cairo_arc(cr, centre, centre, centre - 1, 0, 2 * kPi);
    fill(cr, {0.89, 0.94, 0.94});
    cairo_arc(cr, centre, centre, centre - 1.5, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 0.043, 0.29, 0.306);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The fern's 32-point box, enlarged to fill the disc's middle.
    const double scale = kLightLogoSize * 0.62 / kIssuerSize;
    cairo_save(cr);
    cairo_translate(cr, centre - kIssuerSize * scale / 2, centre - kIssuerSize * scale / 2);
    cairo_scale(cr, scale, scale);
    fern(cr, {0.043, 0.29, 0.306});
    cairo_restore(cr);
}

// A small triangle pointing up, drawn opaque so that a tint colours it.
void triangleTip(cairo_t* cr) {
    cairo_move_to(cr, 0, 12);
    cairo_line_to(cr, 10, 0);
    cairo_line_to(cr, 20, 12);
    cairo_close_path(cr);
    fill(cr, {0, 0, 0});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::pair<const char*, void (*)(cairo_t*)> flags[] = {{"usa", flagUsa},
                                                                {"europe", flagEurope},
                                                                {"uk", flagUk},
                                                                {"japan", flagJapan},
                                                                {"switzerland", flagSwitzerland}};
    for (const auto& [name, draw] : flags)
        if (!writeAtScales(dir, name, kFlagWidth, kFlagHeight, [draw](cairo_t* cr) {
                draw(cr);
                flagFrame(cr);
            }))
            return 1;
    const std::pair<const char*, std::function<void(cairo_t*)>> icons[] = {
        {"category_groceries", categoryIcon({0.30, 0.69, 0.31}, glyphGroceries)},
        {"category_dining", categoryIcon({0.96, 0.49, 0.13}, glyphDining)},
        {"category_transport", categoryIcon({0.13, 0.59, 0.95}, glyphTransport)},
        {"category_shopping", categoryIcon({0.91, 0.12, 0.39}, glyphShopping)},
        {"category_salary", categoryIcon({0.18, 0.62, 0.36}, glyphSalary)},
        {"category_entertainment", categoryIcon({0.61, 0.15, 0.69}, glyphEntertainment)},
        {"category_utilities", categoryIcon({0.98, 0.70, 0.0}, glyphUtilities)},
        {"category_travel", categoryIcon({0.0, 0.59, 0.53}, glyphTravel)}};
    for (const auto& [name, draw] : icons)
        if (!writeAtScales(dir, name, kIconSize, kIconSize, draw)) return 1;
    if (!writeAtScales(dir, "card_background", kCardWidth, kCardHeight, cardBackground)) return 1;
    if (!writeAtScales(dir, "card_scheme_logo", kSchemeWidth, kSchemeHeight, schemeMark)) return 1;
    if (!writeAtScales(dir, "card_issuer_logo", kIssuerSize, kIssuerSize, issuerMark)) return 1;
    if (!writeAtScales(dir, "issuer_logo_on_light", kLightLogoSize, kLightLogoSize, issuerMarkOnLight))
        return 1;
    if (!writeAtScales(dir, "icon_triangle_tip", 20, 12, triangleTip)) return 1;
    return 0;
}
