#pragma once
// Windows: full-screen views that hold a root view controller and the first responder. Shown windows
// belong to the application, ordered by windowLevel (then by showing order): the key window at the
// bottom, overlays (progress, banners, pop-ups) above it. Windows start hidden; makeKeyAndVisible or
// setHidden(false) shows one, and a shown window is retained by the application until hidden.
#include <functional>
#include <memory>

#include "platform/graphics/BackBuffer.h"
#include "platform/ui/UIView.h"

namespace fv {

class UIWindow;
using UIWindowPtr = std::shared_ptr<UIWindow>;
using UIWindowLevel = CGFloat;
inline constexpr UIWindowLevel UIWindowLevelNormal = 0;
inline constexpr UIWindowLevel UIWindowLevelStatusBar = 1000;
inline constexpr UIWindowLevel UIWindowLevelAlert = 2000;

class UIWindow : public UIView {
    FV_CLASS(UIWindow, UIView)
    // The screen's bounds by default.
    static UIWindowPtr create();
    static UIWindowPtr create(CGRect frame);
    UIWindow();
    explicit UIWindow(CGRect frame);
    ~UIWindow() override;

    UIWindow* window() const override { return const_cast<UIWindow*>(this); }
    UIResponder* nextResponder() const override;

    // The root view controller (a UIViewController, defined by the view-controller layer). Setting
    // one calls the installed hook, then rootViewControllerDidChange.
    NSObjectPtr rootViewController() const { return rootViewController_; }
    void setRootViewController(NSObjectPtr controller);
    virtual void rootViewControllerDidChange(const NSObjectPtr& previous) { (void)previous; }
    // Installed once by the view-controller layer: puts the controller's view into the window, etc.
    using RootControllerHook =
        std::function<void(UIWindow& window, const NSObjectPtr& previous, const NSObjectPtr& current)>;
    static void setRootViewControllerHook(RootControllerHook hook);

    UIWindowLevel windowLevel() const { return windowLevel_; }
    void setWindowLevel(UIWindowLevel level);

    void makeKeyAndVisible();
    void makeKeyWindow();
    bool isKeyWindow() const;
    void setHidden(bool hidden) override;

    // The window's one first responder, or none.
    std::shared_ptr<UIView> firstResponderView() const { return firstResponder_.lock(); }
    UIResponder* firstResponder() const { return firstResponder_.lock().get(); }

    // Bookkeeping for UIView's responder calls; screens use becomeFirstResponder instead.
    void setFirstResponderView(const std::shared_ptr<UIView>& view) { firstResponder_ = view; }

    // The bitmap renderView draws this window into, kept from frame to frame.
    BackBuffer& backBuffer() { return backBuffer_; }
    // An application about to show its first frame calls this as early as it can: the bitmap for the
    // window's size at the screen's scale is made meanwhile on another thread.
    void prepareBackBuffer();

  private:
    NSObjectPtr rootViewController_;
    UIWindowLevel windowLevel_ = UIWindowLevelNormal;
    std::weak_ptr<UIView> firstResponder_;
    BackBuffer backBuffer_;
};

}  // namespace fv
