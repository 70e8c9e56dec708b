#include "platform/ui/UIWindow.h"

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"

namespace fv {

FV_REGISTER_CLASS(UIWindow);

namespace {
UIWindow::RootControllerHook& rootHook() {
    static UIWindow::RootControllerHook hook;
    return hook;
}
}  // namespace

UIWindowPtr UIWindow::create() {
    return std::make_shared<UIWindow>();
}
UIWindowPtr UIWindow::create(CGRect frame) {
    return std::make_shared<UIWindow>(frame);
}

UIWindow::UIWindow() : UIWindow(UIScreen::mainScreen()->bounds()) {}

UIWindow::UIWindow(CGRect frame) : UIView(frame) {
    UIView::setHidden(true);
}

UIWindow::~UIWindow() = default;

UIResponder* UIWindow::nextResponder() const {
    return UIApplication::sharedApplication().get();
}

void UIWindow::setRootViewControllerHook(RootControllerHook hook) {
    rootHook() = std::move(hook);
}

void UIWindow::setRootViewController(NSObjectPtr controller) {
    if (controller == rootViewController_) return;
    NSObjectPtr previous = std::move(rootViewController_);
    rootViewController_ = std::move(controller);
    if (rootHook()) rootHook()(*this, previous, rootViewController_);
    rootViewControllerDidChange(previous);
    setNeedsLayout();
}

void UIWindow::setWindowLevel(UIWindowLevel level) {
    if (level == windowLevel_) return;
    windowLevel_ = level;
    UIApplication::sharedApplication()->windowLevelChanged();
}

void UIWindow::setHidden(bool hidden) {
    bool was = isHidden();
    UIView::setHidden(hidden);
    if (was == hidden) return;
    auto app = UIApplication::sharedApplication();
    if (hidden) {
        app->windowHidden(this);
    } else if (auto self = std::static_pointer_cast<UIWindow>(weak_from_this().lock())) {
        app->windowShown(self);
    }
}

void UIWindow::makeKeyAndVisible() {
    setHidden(false);
    makeKeyWindow();
}

void UIWindow::prepareBackBuffer() {
    const CGFloat scale = UIScreen::mainScreen()->scale();
    const CGSize size = bounds().size;
    backBuffer_.prepare(bitmapPixels(size.width, scale), bitmapPixels(size.height, scale));
}

void UIWindow::makeKeyWindow() {
    UIApplication::sharedApplication()->makeKey(this);
}

bool UIWindow::isKeyWindow() const {
    return UIApplication::sharedApplication()->keyWindow().get() == this;
}

}  // namespace fv
