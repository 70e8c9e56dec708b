#include "platform/ui/UIApplication.h"

#include <algorithm>

#include <cairo.h>

#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GraphicsContext.h"

namespace fv {

FV_REGISTER_CLASS(UIApplication);

const char* const UIApplicationOpenSettingsURLString = "app-settings:";

std::shared_ptr<UIApplication> UIApplication::sharedApplication() {
    static const std::shared_ptr<UIApplication> app = std::make_shared<UIApplication>();
    return app;
}

std::vector<UIWindowPtr> UIApplication::windows() const {
    return windows_;
}

UIWindowPtr UIApplication::keyWindow() const {
    return keyWindow_.lock();
}

UIWindowPtr UIApplication::windowForPoint(CGPoint screenPoint) const {
    auto list = windows_;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        // A window's own coordinates are screen coordinates shifted by its frame.
        CGPoint local{screenPoint.x - (*it)->frame().origin.x + (*it)->bounds().origin.x,
                      screenPoint.y - (*it)->frame().origin.y + (*it)->bounds().origin.y};
        if ((*it)->hitTest(local, nullptr)) return *it;
    }
    return nullptr;
}

UIViewPtr UIApplication::hitTest(CGPoint screenPoint) const {
    auto list = windows_;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        CGPoint local{screenPoint.x - (*it)->frame().origin.x + (*it)->bounds().origin.x,
                      screenPoint.y - (*it)->frame().origin.y + (*it)->bounds().origin.y};
        if (auto hit = (*it)->hitTest(local, nullptr)) return hit;
    }
    return nullptr;
}

void UIApplication::setStatusBarStyle(UIStatusBarStyle style, bool) {
    statusBarStyle_ = style;
}

bool UIApplication::openURL(const std::string& url) {
    openedURLs_.push_back(url);
    return canOpenURL(url);
}

bool UIApplication::canOpenURL(const std::string& url) const {
    if (url == UIApplicationOpenSettingsURLString) return true;
    auto colon = url.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    std::string scheme = url.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return installedSchemes_.count(scheme) > 0;
}

void UIApplication::windowShown(const UIWindowPtr& window) {
    if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) return;
    // After every window of the same or a lower level: later windows of one level are above.
    auto at = std::find_if(windows_.begin(), windows_.end(),
                           [&](const UIWindowPtr& w) { return w->windowLevel() > window->windowLevel(); });
    windows_.insert(at, window);
    window->setNeedsLayout();
    window->setNeedsDisplay();
    if (!keyWindow_.lock()) keyWindow_ = window;
}

void UIApplication::windowHidden(UIWindow* window) {
    auto keep = windows_;  // the window may die when released here; finish first
    std::erase_if(windows_, [&](const UIWindowPtr& w) { return w.get() == window; });
    if (keyWindow_.lock().get() == window) {
        keyWindow_.reset();
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
            if ((*it)->windowLevel() == UIWindowLevelNormal) {
                keyWindow_ = *it;
                break;
            }
    }
}

void UIApplication::windowLevelChanged() {
    std::stable_sort(windows_.begin(), windows_.end(), [](const UIWindowPtr& a, const UIWindowPtr& b) {
        return a->windowLevel() < b->windowLevel();
    });
}

void UIApplication::makeKey(UIWindow* window) {
    for (auto& w : windows_)
        if (w.get() == window) keyWindow_ = w;
}

void UIApplication::scheduleLayoutPass() {
    if (!observerInstalled_) {
        observerInstalled_ = true;
        RunLoop::main().addEndOfTurnObserver(
            [] { UIApplication::sharedApplication()->layoutAndDisplayPass(); });
    }
    if (passScheduled_) return;
    passScheduled_ = true;
    // The passes run at the end of a turn that ran work: make sure one runs.
    RunLoop::main().post([] {});
}

void UIApplication::layoutAndDisplayPass() {
    passScheduled_ = false;
    auto list = windows_;
    for (auto& w : list) w->layoutSubtreeIfNeeded();
    // drawRect runs into a one-pixel scratch surface: the display pass only needs the calls to
    // happen; renders draw for real.
    std::vector<UIViewPtr> dirty;
    for (auto& w : list) {
        std::vector<UIViewPtr> stack{w};
        while (!stack.empty()) {
            UIViewPtr v = std::move(stack.back());
            stack.pop_back();
            if (v->needsDisplay_) dirty.push_back(v);
            for (auto& s : v->subviews()) stack.push_back(s);
        }
    }
    if (dirty.empty()) return;
    // Cleared before drawing so that a drawRect asking for display again is drawn next pass.
    for (auto& v : dirty) {
        v->needsDisplay_ = false;
        v->layer_->needsDisplay_ = false;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    auto scratch = std::make_shared<CGContext>(cr);
    cairo_destroy(cr);
    for (auto& v : dirty) {
        ++v->drawCount_;
        scratch->saveGState();
        UIGraphicsPushContext(scratch);
        v->drawRect(v->bounds());
        UIGraphicsPopContext();
        scratch->restoreGState();
    }
    scratch.reset();
    cairo_surface_destroy(surface);
}

void UIApplication::reset() {
    auto old = std::move(windows_);
    windows_.clear();
    keyWindow_.reset();
    statusBarStyle_ = UIStatusBarStyleDefault;
    statusBarAppearanceUpdates_ = 0;
    statusBarHidden_ = false;
    idleTimerDisabled_ = false;
    openedURLs_.clear();
    installedSchemes_.clear();
    passScheduled_ = false;
}

}  // namespace fv
