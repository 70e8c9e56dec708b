#pragma once
// The one screen: bounds in points (375 x 667 by default) and scale (2.0 by default), both settable
// per run (before windows are made) and constant during a test.
#include <memory>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"

namespace fv {

class UIScreen : public NSObject {
    FV_CLASS(UIScreen, NSObject)
    static std::shared_ptr<UIScreen> mainScreen();

    CGRect bounds() const { return bounds_; }
    void setBounds(CGRect bounds) { bounds_ = bounds; }
    CGFloat scale() const { return scale_; }
    // Also the scale image lookups prefer.
    void setScale(CGFloat scale);
    CGFloat nativeScale() const { return scale_; }
    // Back to 375 x 667 at 2.0.
    void reset();

  private:
    CGRect bounds_{{0, 0}, {375, 667}};
    CGFloat scale_ = 2.0;
};

}  // namespace fv
