#pragma once
// RGBA colours with component equality.
#include <memory>
#include <optional>

#include "platform/graphics/Geometry.h"

namespace fv {

class UIColor;
using UIColorPtr = std::shared_ptr<const UIColor>;

class UIColor {
  public:
    UIColor(CGFloat r, CGFloat g, CGFloat b, CGFloat a) : r_(r), g_(g), b_(b), a_(a) {}

    static UIColorPtr colorWithRed(CGFloat r, CGFloat g, CGFloat b, CGFloat a);
    static UIColorPtr colorWithWhite(CGFloat white, CGFloat a);
    static UIColorPtr whiteColor();
    static UIColorPtr blackColor();
    static UIColorPtr clearColor();
    static UIColorPtr redColor();
    static UIColorPtr greenColor();
    static UIColorPtr blueColor();
    static UIColorPtr grayColor();       // white 0.5
    static UIColorPtr darkGrayColor();   // white 1/3
    static UIColorPtr lightGrayColor();  // white 2/3

    CGFloat red() const { return r_; }
    CGFloat green() const { return g_; }
    CGFloat blue() const { return b_; }
    CGFloat alpha() const { return a_; }
    // getRed:green:blue:alpha: and getWhite:alpha:
    bool getRed(CGFloat* r, CGFloat* g, CGFloat* b, CGFloat* a) const;
    bool getWhite(CGFloat* w, CGFloat* a) const;

    UIColorPtr colorWithAlphaComponent(CGFloat alpha) const;

    // Make this the current graphics context's fill and stroke colour, or one of them.
    void set() const;
    void setFill() const;
    void setStroke() const;

    bool operator==(const UIColor& o) const { return r_ == o.r_ && g_ == o.g_ && b_ == o.b_ && a_ == o.a_; }

  private:
    CGFloat r_, g_, b_, a_;
};

// Equality of two possibly-none colours by components.
bool colorsEqual(const UIColorPtr& a, const UIColorPtr& b);

}  // namespace fv
