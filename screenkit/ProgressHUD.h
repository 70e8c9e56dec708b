#pragma once
// The shared progress overlay: a box with the indicator and a status text, centred over the key window
// in an overlay window of its own, shown until dismissed. With a mask colour the overlay covers the
// whole window and takes every touch while it is up; without one, touches beside the box reach the
// screen. The look is set once (screens set it in viewDidLoad) and applies from the next show.
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIView.h"
#include "screenkit/ActivityIndicatorView.h"

namespace fv {

class ProgressHUD {
  public:
    // ---- the look ----
    static void setBackgroundColor(UIColorPtr color);  // the box; white by default
    static void setForegroundColor(UIColorPtr color);  // indicator and text; black by default
    static void setMaskColor(UIColorPtr color);        // none: no mask (the default)
    static void setIndicatorType(ActivityIndicatorType type);
    static void setFont(UIFontPtr font);  // none: the 14-point system font
    static UIColorPtr backgroundColor();
    static UIColorPtr foregroundColor();
    static UIColorPtr maskColor();
    static ActivityIndicatorType indicatorType();
    static UIFontPtr font();

    // Shows the overlay with that status (an empty text shows the indicator alone); while it is up, a
    // new status replaces the old one.
    static void showWithStatus(const std::string& status);
    // Takes the overlay down; harmless when none is shown.
    static void dismiss();

    static bool isVisible();
    // The status shown, or none when the overlay is down.
    static std::optional<std::string> status();
    // The overlay's full-screen view and its indicator while up, for tests and snapshots.
    static UIViewPtr overlayView();
    static std::shared_ptr<ActivityIndicatorView> indicator();
};

}  // namespace fv
