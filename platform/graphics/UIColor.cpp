#include "platform/graphics/UIColor.h"

namespace fv {

UIColorPtr UIColor::colorWithRed(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
    return std::make_shared<const UIColor>(r, g, b, a);
}

UIColorPtr UIColor::colorWithWhite(CGFloat white, CGFloat a) {
    return colorWithRed(white, white, white, a);
}

UIColorPtr UIColor::whiteColor() {
    return colorWithWhite(1, 1);
}
UIColorPtr UIColor::blackColor() {
    return colorWithWhite(0, 1);
}
UIColorPtr UIColor::clearColor() {
    return colorWithWhite(0, 0);
}
UIColorPtr UIColor::redColor() {
    return colorWithRed(1, 0, 0, 1);
}
UIColorPtr UIColor::greenColor() {
    return colorWithRed(0, 1, 0, 1);
}
UIColorPtr UIColor::blueColor() {
    return colorWithRed(0, 0, 1, 1);
}
UIColorPtr UIColor::grayColor() {
    return colorWithWhite(0.5, 1);
}
UIColorPtr UIColor::darkGrayColor() {
    return colorWithWhite(1.0 / 3.0, 1);
}
UIColorPtr UIColor::lightGrayColor() {
    return colorWithWhite(2.0 / 3.0, 1);
}

bool UIColor::getRed(CGFloat* r, CGFloat* g, CGFloat* b, CGFloat* a) const {
    if (r) *r = r_;
    if (g) *g = g_;
    if (b) *b = b_;
    if (a) *a = a_;
    return true;
}

// Only a grey has a single white component; a hue cannot be expressed as one.
bool UIColor::getWhite(CGFloat* w, CGFloat* a) const {
    if (r_ != g_ || g_ != b_) return false;
    if (w) *w = r_;
    if (a) *a = a_;
    return true;
}

UIColorPtr UIColor::colorWithAlphaComponent(CGFloat alpha) const {
    return colorWithRed(r_, g_, b_, alpha);
}

bool colorsEqual(const UIColorPtr& a, const UIColorPtr& b) {
    if (!a || !b) return !a && !b;
    return *a == *b;
}

}  // namespace fv
