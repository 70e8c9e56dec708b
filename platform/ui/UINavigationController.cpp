#include "platform/ui/UINavigationController.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/UIScreen.h"

namespace fv {

FV_REGISTER_CLASS(UIInteractivePopGesture);
FV_REGISTER_CLASS(UINavigationController);

namespace {
constexpr CGFloat kStatusBarHeight = 20;
constexpr CGFloat kBarHeight = 44;
}  // namespace

void UIInteractivePopGesture::registerMembers(ClassBuilder<UIInteractivePopGesture>& b) {
    b.property("enabled", &UIInteractivePopGesture::enabled, &UIInteractivePopGesture::setEnabled);
}

void UINavigationController::registerMembers(ClassBuilder<UINavigationController>& b) {
    b.property("navigationBarHidden", &UINavigationController::navigationBarHidden,
               [](UINavigationController& nav, const Value& v) {
                   auto hidden = fromValue<bool>(v);
                   if (!hidden) return false;
                   nav.setNavigationBarHidden(*hidden, false);
                   return true;
               });
}

UINavigationControllerPtr UINavigationController::create(const UIViewControllerPtr& root) {
    auto nav = std::make_shared<UINavigationController>();
    if (root) nav->setViewControllers({root}, false);
    return nav;
}

UINavigationController::~UINavigationController() {
    for (auto& c : stack_) {
        c->navigation_.reset();
        c->parent_.reset();
    }
}

UIViewControllerPtr UINavigationController::visibleViewController() const {
    auto top = topViewController();
    if (!top) return nullptr;
    auto shown = top;
    while (shown->presentedViewController()) shown = shown->presentedViewController();
    return shown;
}

bool UINavigationController::contains(const UIViewController* controller) const {
    return std::any_of(stack_.begin(), stack_.end(), [&](const auto& c) { return c.get() == controller; });
}

void UINavigationController::adopt(const UIViewControllerPtr& controller) {
    if (auto other = controller->navigation_.lock(); other && other.get() != this)
        other->removeForMove(controller);
    controller->navigation_ = sharedAs<UINavigationController>();
    controller->parent_ = sharedAs<UIViewController>();
}

void UINavigationController::release(const UIViewControllerPtr& controller) {
    controller->navigation_.reset();
    controller->parent_.reset();
}

void UINavigationController::removeForMove(const UIViewControllerPtr& controller) {
    auto it = std::find(stack_.begin(), stack_.end(), controller);
    if (it == stack_.end()) return;
    bool wasTop = controller == stack_.back();
    stack_.erase(it);
    release(controller);
    if (auto v = controller->viewIfLoaded(); v && view_ && v->superview() == view_.get())
        v->removeFromSuperview();
    if (wasTop) transition(nullptr, topViewController(), false);
}

// ---- the view ----

void UINavigationController::loadView() {
    auto container = UIView::create(UIScreen::mainScreen()->bounds());
    container->setBackgroundColor(UIColor::whiteColor());
    setView(container);
    (void)navigationBar();
    container->addSubview(bar_);
    showTopView();
}

UIViewPtr UINavigationController::navigationBar() {
    if (!bar_) {
        bar_ = UIView::create(
            {{0, kStatusBarHeight}, {UIScreen::mainScreen()->bounds().size.width, kBarHeight}});
        bar_->setBackgroundColor(UIColor::colorWithWhite(0.97, 1));
        bar_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleBottomMargin);
        bar_->setHidden(navigationBarHidden_);
    }
    return bar_;
}

void UINavigationController::setNavigationBarHidden(bool hidden, bool animated) {
    navigationBarHidden_ = hidden;
    if (!bar_) return;
    if (animated) {
        auto bar = bar_;
        UIView::animateWithDuration(0.2, [bar, hidden] { bar->setHidden(hidden); });
    } else {
        bar_->setHidden(hidden);
    }
}

void UINavigationController::viewDidLayoutSubviews() {
    if (!bar_ || !view_) return;
    CGRect b = view_->bounds();
    bar_->setFrame({{0, kStatusBarHeight}, {b.size.width, kBarHeight}});
}

// The top controller's view fills the container, beneath the bar.
void UINavigationController::showTopView() {
    if (!view_) return;
    auto top = topViewController();
    for (auto& c : stack_) {
        auto v = c->viewIfLoaded();
        if (c != top && v && v->superview() == view_.get()) v->removeFromSuperview();
    }
    if (!top) return;
    const UIViewPtr& v = top->view();
    v->setFrame(view_->bounds());
    v->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    if (v->superview() != view_.get()) view_->insertSubview(v, 0);
}

UIStatusBarStyle UINavigationController::preferredStatusBarStyle() const {
    auto top = topViewController();
    return top ? top->preferredStatusBarStyle() : UIViewController::preferredStatusBarStyle();
}

// ---- stack changes ----

void UINavigationController::transition(const UIViewControllerPtr& from, const UIViewControllerPtr& to,
                                        bool animated) {
    bool visible = isVisible();
    if (visible && from && from != to) from->beginAppearanceTransition(false, animated);
    if (visible && to && from != to) to->beginAppearanceTransition(true, animated);
    showTopView();
    // A popped controller is off the stack, so showTopView no longer sees its view; left in place it
    // would keep covering the screen below.
    if (from && from != to && !contains(from.get())) {
        if (auto v = from->viewIfLoaded(); v && view_ && v->superview() == view_.get())
            v->removeFromSuperview();
    }
    auto delegate = delegate_.lock();
    if (delegate && to) delegate->navigationControllerWillShowViewController(*this, to, animated);
    if (!visible || from == to) return;
    auto self = sharedAs<UINavigationController>();
    std::weak_ptr<UINavigationControllerDelegate> weakDelegate = delegate_;
    RunLoop::main().postAfter(animated ? UIViewControllerTransitionDuration : 0.0,
                              [self, from, to, animated, weakDelegate] {
                                  if (from) from->endAppearanceTransition();
                                  if (to) to->endAppearanceTransition();
                                  auto d = weakDelegate.lock();
                                  if (d && self && to)
                                      d->navigationControllerDidShowViewController(*self, to, animated);
                              });
}

void UINavigationController::pushViewController(UIViewControllerPtr controller, bool animated) {
    if (!controller) return;
    if (contains(controller.get())) {
        log("pushViewController: " + controller->className() +
            " is already on this navigation stack; not pushed");
        return;
    }
    if (controller.get() == this || controller->presentingViewController()) {
        log("pushViewController: " + controller->className() + " cannot be pushed here");
        return;
    }
    auto from = topViewController();
    // Linked first, so that viewDidLoad already sees its navigation controller, as on the platform.
    adopt(controller);
    controller->loadViewIfNeeded();
    stack_.push_back(controller);
    transition(from, controller, animated);
}

UIViewControllerPtr UINavigationController::popViewControllerAnimated(bool animated) {
    if (stack_.size() < 2) return nullptr;
    auto popped = stack_.back();
    stack_.pop_back();
    release(popped);
    transition(popped, topViewController(), animated);
    return popped;
}

std::vector<UIViewControllerPtr> UINavigationController::popToViewController(
    const UIViewControllerPtr& controller, bool animated) {
    auto it = std::find(stack_.begin(), stack_.end(), controller);
    if (!controller || it == stack_.end()) {
        log("popToViewController: the controller is not on this navigation stack");
        return {};
    }
    std::vector<UIViewControllerPtr> popped(it + 1, stack_.end());
    if (popped.empty()) return {};
    auto from = stack_.back();
    stack_.erase(it + 1, stack_.end());
    for (auto& c : popped) release(c);
    transition(from, controller, animated);
    return popped;
}

std::vector<UIViewControllerPtr> UINavigationController::popToRootViewControllerAnimated(bool animated) {
    if (stack_.empty()) return {};
    return popToViewController(stack_.front(), animated);
}

void UINavigationController::setViewControllers(const std::vector<UIViewControllerPtr>& controllers,
                                                bool animated) {
    std::vector<UIViewControllerPtr> next;
    for (const auto& c : controllers) {
        if (!c || c.get() == this || std::find(next.begin(), next.end(), c) != next.end()) continue;
        next.push_back(c);
    }
    auto from = topViewController();
    for (auto& c : stack_)
        if (std::find(next.begin(), next.end(), c) == next.end()) release(c);
    stack_.clear();
    for (auto& c : next) {
        adopt(c);
        stack_.push_back(c);
    }
    auto to = topViewController();
    // A stack that is not on screen yet leaves its root's view unloaded until it is shown.
    if (to && view_) to->loadViewIfNeeded();
    transition(from, to, animated);
}

}  // namespace fv
