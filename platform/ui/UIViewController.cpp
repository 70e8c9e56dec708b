#include "platform/ui/UIViewController.h"

#include <algorithm>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

namespace fv {

FV_REGISTER_CLASS(UIViewController);

namespace {

double transitionDelay(bool animated) {
    return animated ? UIViewControllerTransitionDuration : 0.0;
}

constexpr unsigned kFlexibleSize = UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight;

// A window's root controller shows its view across the whole window, beneath any other subviews.
void installRoot(UIWindow& window, const NSObjectPtr& previous, const NSObjectPtr& current) {
    if (auto old = std::dynamic_pointer_cast<UIViewController>(previous)) {
        if (auto v = old->viewIfLoaded(); v && v->superview() == &window) v->removeFromSuperview();
        old->beginAppearanceTransition(false, false);
        RunLoop::main().post([old] { old->endAppearanceTransition(); });
    }
    auto vc = std::dynamic_pointer_cast<UIViewController>(current);
    if (!vc) return;
    const UIViewPtr& v = vc->view();
    v->setFrame(window.bounds());
    v->setAutoresizingMask(kFlexibleSize);
    window.insertSubview(v, 0);
    vc->beginAppearanceTransition(true, false);
    std::weak_ptr<UIViewController> weak = vc;
    RunLoop::main().post([weak] {
        if (auto c = weak.lock()) c->endAppearanceTransition();
    });
}

[[maybe_unused]] const bool rootHookInstalled = [] {
    UIWindow::setRootViewControllerHook(installRoot);
    return true;
}();

}  // namespace

void UIViewController::registerMembers(ClassBuilder<UIViewController>& b) {
    b.enumNames("modalPresentationStyle", {{"fullScreen", 0},
                                           {"pageSheet", 1},
                                           {"formSheet", 2},
                                           {"currentContext", 3},
                                           {"custom", 4},
                                           {"overFullScreen", 5},
                                           {"overCurrentContext", 6},
                                           {"popover", 7}});
    b.object(
        "view", [](UIViewController& c) -> NSObjectPtr { return c.viewIfLoaded(); },
        [](UIViewController& c, const NSObjectPtr& v) {
            auto view = std::dynamic_pointer_cast<UIView>(v);
            if (v && !view) return false;
            c.setView(view);
            return true;
        });
    b.property("title", &UIViewController::title, &UIViewController::setTitle);
    b.property("modalPresentationStyle", &UIViewController::modalPresentationStyle,
               &UIViewController::setModalPresentationStyle);
}

UIViewController::UIViewController(std::string nibName, std::shared_ptr<NSBundle> bundle)
    : nibName_(std::move(nibName)), nibBundle_(std::move(bundle)) {}

UIViewController::~UIViewController() = default;

void UIViewController::initWithNibName(const std::string& nibName, std::shared_ptr<NSBundle> bundle) {
    if (view_) return;
    nibName_ = nibName;
    nibBundle_ = std::move(bundle);
}

std::string UIViewController::nibName() const {
    return nibName_.empty() ? className() : nibName_;
}

// ---- the view ----

const UIViewPtr& UIViewController::view() {
    if (view_ || loadingView_) return view_;
    loadingView_ = true;
    loadView();
    if (!view_) setView(UIView::create(UIScreen::mainScreen()->bounds()));
    loadingView_ = false;
    viewDidLoad();
    return view_;
}

void UIViewController::setView(UIViewPtr view) {
    if (view_ == view) return;
    if (view_) view_->setViewDelegate({});
    view_ = std::move(view);
    if (view_) view_->setViewDelegate(sharedAs<UIResponder>());
}

void UIViewController::loadView() {
    auto nib = UINib::nibWithNibName(nibName(), nibBundle_);
    if (!nib) return;
    topLevelObjects_ = nib->instantiateWithOwner(sharedAs<NSObject>());
    if (view_) return;
    for (const auto& object : topLevelObjects_) {
        if (auto v = std::dynamic_pointer_cast<UIView>(object)) {
            setView(v);
            return;
        }
    }
}

UIResponder* UIViewController::nextResponder() const {
    return view_ ? view_->superview() : nullptr;
}

// ---- lifecycle ----

void UIViewController::beginAppearanceTransition(bool appearing, bool animated) {
    if (appearing) {
        if (isVisible()) return;
        loadViewIfNeeded();
        appearance_ = Appearance::Appearing;
        appearanceAnimated_ = animated;
        viewWillAppear(animated);
    } else {
        if (!isVisible()) return;
        appearance_ = Appearance::Disappearing;
        appearanceAnimated_ = animated;
        viewWillDisappear(animated);
    }
    if (auto child = childForAppearanceForwarding()) child->beginAppearanceTransition(appearing, animated);
}

void UIViewController::endAppearanceTransition() {
    if (appearance_ == Appearance::Appearing) {
        appearance_ = Appearance::Appeared;
        viewDidAppear(appearanceAnimated_);
    } else if (appearance_ == Appearance::Disappearing) {
        appearance_ = Appearance::Disappeared;
        viewDidDisappear(appearanceAnimated_);
    } else {
        return;
    }
    if (auto child = childForAppearanceForwarding()) child->endAppearanceTransition();
}

// ---- containment ----

std::shared_ptr<UINavigationController> UIViewController::navigationController() const {
    if (auto nav = navigation_.lock()) return nav;
    if (auto parent = parent_.lock()) return parent->navigationController();
    return nullptr;
}

// ---- presentation ----

UIViewControllerPtr UIViewController::presentationRoot() {
    UIViewControllerPtr c = sharedAs<UIViewController>();
    while (c) {
        auto parent = c->parent_.lock();
        if (!parent) break;
        c = parent;
    }
    return c;
}

CGRect UIViewController::presentedFrame(const UIWindow& window) const {
    CGRect bounds = window.bounds();
    bool sheet = modalPresentationStyle_ == UIModalPresentationFormSheet ||
                 modalPresentationStyle_ == UIModalPresentationPageSheet;
    if (!sheet || UIDevice::currentDevice()->userInterfaceIdiom() != UIUserInterfaceIdiomPad) return bounds;
    CGFloat w = std::min<CGFloat>(540, bounds.size.width);
    CGFloat h = std::min<CGFloat>(620, bounds.size.height);
    return {{(bounds.size.width - w) / 2, (bounds.size.height - h) / 2}, {w, h}};
}

void UIViewController::presentViewController(const UIViewControllerPtr& controller, bool animated,
                                             std::function<void()> completion) {
    auto presenter = presentationRoot();
    if (!controller || !presenter) {
        log("presentViewController: nothing to present, or the presenter is not shared-owned");
        return;
    }
    if (presenter->presented_) {
        log("presentViewController: " + presenter->className() + " is already presenting " +
            presenter->presented_->className() + "; " + controller->className() + " is not shown");
        return;
    }
    if (controller == presenter || !controller->presenting_.expired() || controller->parent_.lock() ||
        controller->navigationController() || controller->isVisible()) {
        log("presentViewController: " + controller->className() +
            " is already on screen; not presented again");
        return;
    }
    presenter->presented_ = controller;
    controller->presenting_ = presenter;
    controller->beingPresented_ = true;

    const UIViewPtr& v = controller->view();
    UIWindow* window = presenter->view_ ? presenter->view_->window() : nullptr;
    if (window) {
        v->setFrame(controller->presentedFrame(*window));
        v->setAutoresizingMask(kFlexibleSize);
        window->addSubview(v);
    }
    bool coversPresenter = controller->modalPresentationStyle_ == UIModalPresentationFullScreen;
    bool presenterWasVisible = presenter->isVisible();
    if (coversPresenter && presenterWasVisible) presenter->beginAppearanceTransition(false, animated);
    if (presenterWasVisible || window) controller->beginAppearanceTransition(true, animated);

    RunLoop::main().postAfter(transitionDelay(animated),
                              [presenter, controller, coversPresenter, completion = std::move(completion)] {
                                  if (coversPresenter) presenter->endAppearanceTransition();
                                  controller->endAppearanceTransition();
                                  controller->beingPresented_ = false;
                                  if (completion) completion();
                              });
}

void UIViewController::dismissViewControllerAnimated(bool animated, std::function<void()> completion) {
    auto root = presentationRoot();
    UIViewControllerPtr presenter;
    if (root && root->presented_) {
        presenter = root;
    } else if (root) {
        presenter = root->presenting_.lock();
    }
    if (!presenter || !presenter->presented_) {
        RunLoop::main().post([completion = std::move(completion)] {
            if (completion) completion();
        });
        return;
    }
    // The dismissed controller and everything presented above it, bottom to top.
    std::vector<UIViewControllerPtr> chain;
    for (auto c = presenter->presented_; c; c = c->presented_) chain.push_back(c);
    for (auto& c : chain) {
        c->presenting_.reset();
        c->beingDismissed_ = true;
    }
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) chain[i]->presented_.reset();
    presenter->presented_.reset();

    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        (*it)->beginAppearanceTransition(false, animated);
    UIWindow* window = presenter->view_ ? presenter->view_->window() : nullptr;
    bool uncovers = chain.front()->modalPresentationStyle_ == UIModalPresentationFullScreen;
    if (uncovers && window) presenter->beginAppearanceTransition(true, animated);

    RunLoop::main().postAfter(transitionDelay(animated),
                              [presenter, chain, uncovers, completion = std::move(completion)] {
                                  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
                                      auto& c = *it;
                                      if (auto v = c->viewIfLoaded(); v && v->superview() && !c->isVisible())
                                          v->removeFromSuperview();
                                      c->endAppearanceTransition();
                                      c->beingDismissed_ = false;
                                  }
                                  if (uncovers) presenter->endAppearanceTransition();
                                  if (completion) completion();
                              });
}

// ---- status bar ----

void UIViewController::setNeedsStatusBarAppearanceUpdate() {
    auto app = UIApplication::sharedApplication();
    app->setNeedsStatusBarAppearanceUpdate();
    app->setStatusBarStyle(preferredStatusBarStyle());
}

}  // namespace fv
