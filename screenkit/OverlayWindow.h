#pragma once
// A full-screen window above the screens that takes only the touches its content views take: a touch
// on the window's own empty area goes on to the windows below.
#include <memory>

#include "platform/ui/UIWindow.h"

namespace fv {

class OverlayWindow : public UIWindow {
    FV_CLASS(OverlayWindow, UIWindow)
    static std::shared_ptr<OverlayWindow> create(UIWindowLevel level);
    OverlayWindow();
    ~OverlayWindow() override;

    UIViewPtr hitTest(CGPoint p, UIEvent* event) override;
};

}  // namespace fv
