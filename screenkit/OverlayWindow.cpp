#include "screenkit/OverlayWindow.h"

namespace fv {

FV_REGISTER_CLASS(OverlayWindow);

std::shared_ptr<OverlayWindow> OverlayWindow::create(UIWindowLevel level) {
    auto window = std::make_shared<OverlayWindow>();
    window->setWindowLevel(level);
    return window;
}

OverlayWindow::OverlayWindow() {
    setBackgroundColor(UIColor::clearColor());
    setOpaque(false);
}

OverlayWindow::~OverlayWindow() = default;

UIViewPtr OverlayWindow::hitTest(CGPoint p, UIEvent* event) {
    auto hit = UIWindow::hitTest(p, event);
    return hit.get() == this ? nullptr : hit;
}

}  // namespace fv
