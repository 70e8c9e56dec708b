#pragma once
// View controllers: a lazily loaded root view, the appearance lifecycle and modal presentation.
//
// The view loads on first access to view(): from the interface file named after the controller's
// class (or the nib name given) in the bundle given (default: as UINib finds it), with the controller as the
// file's owner; a plain full-screen view when there is no such file. viewDidLoad then runs exactly once.
//
// Appearance calls come in pairs: viewWillAppear inside the call that shows the controller,
// viewDidAppear once the transition ends; likewise for disappearing. A transition ends after
// UIViewControllerTransitionDuration on the main run loop's clock when animated, else on the next
// turn. Presentation completions run after the transition, never inside the call.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/UIApplication.h"
#include "platform/ui/UIView.h"

namespace fv {

class NSBundle;
class UINavigationController;
class UIViewController;
using UIViewControllerPtr = std::shared_ptr<UIViewController>;
using UIViewControllerWeak = std::weak_ptr<UIViewController>;

// Length of an animated push, pop, present or dismiss.
inline constexpr double UIViewControllerTransitionDuration = 0.35;

enum UIModalPresentationStyle : int {
    UIModalPresentationFullScreen = 0,
    UIModalPresentationPageSheet = 1,
    UIModalPresentationFormSheet = 2,
    UIModalPresentationCurrentContext = 3,
    UIModalPresentationCustom = 4,
    UIModalPresentationOverFullScreen = 5,
    UIModalPresentationOverCurrentContext = 6,
    UIModalPresentationPopover = 7,
};

class UIViewController : public UIResponder, public ViewControllerHooks {
    FV_CLASS(UIViewController, UIResponder)
    static void registerMembers(ClassBuilder<UIViewController>& b);
    static UIViewControllerPtr create() { return std::make_shared<UIViewController>(); }

    UIViewController() = default;
    // initWithNibName:bundle:. An empty name means the class name; no bundle, UINib's search.
    UIViewController(std::string nibName, std::shared_ptr<NSBundle> bundle);
    ~UIViewController() override;

    // For controllers made by class name: sets the nib before the view loads; ignored afterwards.
    void initWithNibName(const std::string& nibName, std::shared_ptr<NSBundle> bundle);
    // The interface file's name: the one given, else the class name.
    std::string nibName() const;
    std::shared_ptr<NSBundle> nibBundle() const { return nibBundle_; }

    // ---- the view ----
    // Loads the view when needed (see above).
    const UIViewPtr& view();
    UIViewPtr viewIfLoaded() const { return view_; }
    bool isViewLoaded() const { return view_ != nullptr; }
    void loadViewIfNeeded() { (void)view(); }
    // Replaces the root view; the controller becomes its next responder.
    void setView(UIViewPtr view);
    // Builds the view: the interface file, else a plain view. Subclasses may build their own and
    // call setView.
    virtual void loadView();
    virtual void viewDidLoad() {}
    // The interface file's top-level objects, kept alive with the controller (strong outlets).
    const std::vector<NSObjectPtr>& nibTopLevelObjects() const { return topLevelObjects_; }

    // ---- lifecycle ----
    virtual void viewWillAppear(bool animated) { (void)animated; }
    virtual void viewDidAppear(bool animated) { (void)animated; }
    virtual void viewWillDisappear(bool animated) { (void)animated; }
    virtual void viewDidDisappear(bool animated) { (void)animated; }
    void viewWillLayoutSubviews() override {}
    void viewDidLayoutSubviews() override {}

    // Where the controller is in its appearance cycle.
    enum class Appearance { Disappeared, Appearing, Appeared, Disappearing };
    Appearance appearance() const { return appearance_; }
    bool isVisible() const {
        return appearance_ == Appearance::Appearing || appearance_ == Appearance::Appeared;
    }
    // The will-call now (a repeat of the current direction is ignored); endAppearanceTransition sends
    // the matching did-call. Containers forward these to the child they show.
    virtual void beginAppearanceTransition(bool appearing, bool animated);
    virtual void endAppearanceTransition();

    // ---- containment ----
    // The navigation controller whose stack holds this controller (or its parent); none once popped.
    std::shared_ptr<UINavigationController> navigationController() const;
    UIViewControllerPtr parentViewController() const { return parent_.lock(); }
    std::string title() const { return title_; }
    void setTitle(const std::string& title) { title_ = title; }

    // ---- modal presentation ----
    // Shows `controller` above this one (or above the container that shows this one). The
    // completion runs once the transition ends. Presenting while already presenting, or presenting
    // a controller that is already presented or on screen, is refused and logged.
    void presentViewController(const UIViewControllerPtr& controller, bool animated,
                               std::function<void()> completion = nullptr);
    // Dismisses what this controller presents, or, when it presents nothing, this controller itself.
    // Controllers presented above the dismissed one go with it. The completion runs after the
    // transition, also when there is nothing to dismiss (on the next turn).
    void dismissViewControllerAnimated(bool animated, std::function<void()> completion = nullptr);
    UIViewControllerPtr presentedViewController() const { return presented_; }
    UIViewControllerPtr presentingViewController() const { return presenting_.lock(); }
    UIModalPresentationStyle modalPresentationStyle() const { return modalPresentationStyle_; }
    void setModalPresentationStyle(UIModalPresentationStyle style) { modalPresentationStyle_ = style; }
    bool isBeingPresented() const { return beingPresented_; }
    bool isBeingDismissed() const { return beingDismissed_; }

    // ---- status bar ----
    virtual UIStatusBarStyle preferredStatusBarStyle() const { return UIStatusBarStyleDefault; }
    virtual bool prefersStatusBarHidden() const { return false; }
    // Applies the visible controller's preferred style to the application.
    void setNeedsStatusBarAppearanceUpdate();

    // The root view's next responder is its controller; the controller's is the view's superview.
    UIResponder* nextResponder() const override;

  protected:
    // For containers: links a child's parent (and, through it, its navigation controller).
    void setParent(const UIViewControllerPtr& parent) { parent_ = parent; }
    void setNavigationControllerLink(const std::shared_ptr<UINavigationController>& nav) {
        navigation_ = nav;
    }
    // The controller whose appearance a container forwards (its visible child); none for leaves.
    virtual UIViewControllerPtr childForAppearanceForwarding() const { return nullptr; }
    // The frame a presented controller's view takes in the presenter's window.
    CGRect presentedFrame(const UIWindow& window) const;

  private:
    friend class UINavigationController;
    UIViewControllerPtr presentationRoot();

    std::string nibName_;
    std::shared_ptr<NSBundle> nibBundle_;
    UIViewPtr view_;
    bool loadingView_ = false;
    std::vector<NSObjectPtr> topLevelObjects_;
    Appearance appearance_ = Appearance::Disappeared;
    bool appearanceAnimated_ = false;
    std::weak_ptr<UIViewController> parent_;
    std::weak_ptr<UINavigationController> navigation_;
    std::string title_;
    UIViewControllerPtr presented_;
    std::weak_ptr<UIViewController> presenting_;
    UIModalPresentationStyle modalPresentationStyle_ = UIModalPresentationFullScreen;
    bool beingPresented_ = false;
    bool beingDismissed_ = false;
};

}  // namespace fv
