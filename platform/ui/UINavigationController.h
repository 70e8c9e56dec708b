#pragma once
// A stack of view controllers, the top one's view shown below a navigation bar.
//
// The stack, each controller's navigationController() and the will-calls change inside push, pop and
// set; the did-calls and the delegate's didShow run once the transition ends (see UIViewController.h).
// Push order: new viewDidLoad (first time), old viewWillDisappear, new viewWillAppear, delegate
// willShow, then later old viewDidDisappear, new viewDidAppear, delegate didShow. Appearance calls
// only happen while the navigation controller itself is visible.
//
// A controller is on at most one stack: pushing one that another stack holds moves it off that stack;
// pushing one this stack already holds changes nothing and is logged.
#include <memory>
#include <vector>

#include "platform/ui/UIPanGestureRecognizer.h"
#include "platform/ui/UIViewController.h"

namespace fv {

class UINavigationController;
using UINavigationControllerPtr = std::shared_ptr<UINavigationController>;

// The edge-swipe that pops the top controller; screens switch it off (enabled / setEnabled).
class UIInteractivePopGesture : public UIScreenEdgePanGestureRecognizer {
    FV_CLASS(UIInteractivePopGesture, UIScreenEdgePanGestureRecognizer)
    static void registerMembers(ClassBuilder<UIInteractivePopGesture>& b);
};

// navigationController:willShowViewController:animated: and ...didShow...; both optional.
class UINavigationControllerDelegate {
  public:
    virtual ~UINavigationControllerDelegate() = default;
    virtual void navigationControllerWillShowViewController(UINavigationController& nav,
                                                            const UIViewControllerPtr& controller,
                                                            bool animated) {
        (void)nav, (void)controller, (void)animated;
    }
    virtual void navigationControllerDidShowViewController(UINavigationController& nav,
                                                           const UIViewControllerPtr& controller,
                                                           bool animated) {
        (void)nav, (void)controller, (void)animated;
    }
};

class UINavigationController : public UIViewController {
    FV_CLASS(UINavigationController, UIViewController)
    static void registerMembers(ClassBuilder<UINavigationController>& b);
    // initWithRootViewController:
    static UINavigationControllerPtr create(const UIViewControllerPtr& root = nullptr);
    UINavigationController() = default;
    ~UINavigationController() override;

    const std::vector<UIViewControllerPtr>& viewControllers() const { return stack_; }
    UIViewControllerPtr topViewController() const { return stack_.empty() ? nullptr : stack_.back(); }
    // The top controller, or what it presents.
    UIViewControllerPtr visibleViewController() const;

    // Takes the controller by value: the caller may pass a reference into another stack, which the
    // move empties.
    void pushViewController(UIViewControllerPtr controller, bool animated);
    // None (and nothing changes) at the root.
    UIViewControllerPtr popViewControllerAnimated(bool animated);
    // The controllers popped, bottom to top; none when `controller` is not on this stack.
    std::vector<UIViewControllerPtr> popToViewController(const UIViewControllerPtr& controller,
                                                         bool animated);
    std::vector<UIViewControllerPtr> popToRootViewControllerAnimated(bool animated);
    // Replaces the stack; duplicates and empty entries are dropped, the first occurrence kept.
    void setViewControllers(const std::vector<UIViewControllerPtr>& controllers, bool animated = false);

    // The bar: a strip of 44 points below the 20-point status area, above the top controller's view.
    UIViewPtr navigationBar();
    bool isNavigationBarHidden() const { return navigationBarHidden_; }
    bool navigationBarHidden() const { return navigationBarHidden_; }
    void setNavigationBarHidden(bool hidden, bool animated = false);

    const std::shared_ptr<UIInteractivePopGesture>& interactivePopGestureRecognizer() const {
        return popGesture_;
    }

    // Held weakly.
    std::shared_ptr<UINavigationControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UINavigationControllerDelegate>& delegate) {
        delegate_ = delegate;
    }

    void loadView() override;
    void viewDidLayoutSubviews() override;
    UIStatusBarStyle preferredStatusBarStyle() const override;

  protected:
    UIViewControllerPtr childForAppearanceForwarding() const override { return topViewController(); }

  private:
    // Shows `to` in place of `from`, with the appearance calls when visible.
    void transition(const UIViewControllerPtr& from, const UIViewControllerPtr& to, bool animated);
    void adopt(const UIViewControllerPtr& controller);
    void release(const UIViewControllerPtr& controller);
    void showTopView();
    bool contains(const UIViewController* controller) const;
    // Takes `controller` off this stack without appearance calls (it moves to another stack).
    void removeForMove(const UIViewControllerPtr& controller);

    std::vector<UIViewControllerPtr> stack_;
    UIViewPtr bar_;
    bool navigationBarHidden_ = false;
    std::shared_ptr<UIInteractivePopGesture> popGesture_ = std::make_shared<UIInteractivePopGesture>();
    std::weak_ptr<UINavigationControllerDelegate> delegate_;
};

}  // namespace fv
