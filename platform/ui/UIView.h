#pragma once
// Views: shared-owned (create them with UIView::create or std::make_shared), arranged in a tree
// (strong subviews, weak superview), laid out once per run-loop turn (autoresizing, constraints,
// layoutSubviews) and drawn through their layer and drawRect when rendered.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIViewAnimation.h"

namespace fv {

class UIView;
class UIWindow;
class UIGestureRecognizer;
class NSLayoutConstraint;
namespace layout {
class ConstraintLayoutEngine;
}
using UIViewPtr = std::shared_ptr<UIView>;
using UIViewWeak = std::weak_ptr<UIView>;
using UIGestureRecognizerPtr = std::shared_ptr<UIGestureRecognizer>;
using NSLayoutConstraintPtr = std::shared_ptr<NSLayoutConstraint>;

enum UIViewAutoresizing : unsigned {
    UIViewAutoresizingNone = 0,
    UIViewAutoresizingFlexibleLeftMargin = 1 << 0,
    UIViewAutoresizingFlexibleWidth = 1 << 1,
    UIViewAutoresizingFlexibleRightMargin = 1 << 2,
    UIViewAutoresizingFlexibleTopMargin = 1 << 3,
    UIViewAutoresizingFlexibleHeight = 1 << 4,
    UIViewAutoresizingFlexibleBottomMargin = 1 << 5,
};

enum UIViewContentMode : int {
    UIViewContentModeScaleToFill = 0,
    UIViewContentModeScaleAspectFit = 1,
    UIViewContentModeScaleAspectFill = 2,
    UIViewContentModeRedraw = 3,
    UIViewContentModeCenter = 4,
    UIViewContentModeTop = 5,
    UIViewContentModeBottom = 6,
    UIViewContentModeLeft = 7,
    UIViewContentModeRight = 8,
    UIViewContentModeTopLeft = 9,
    UIViewContentModeTopRight = 10,
    UIViewContentModeBottomLeft = 11,
    UIViewContentModeBottomRight = 12,
};

// "No intrinsic size" along an axis.
inline constexpr CGFloat UIViewNoIntrinsicMetric = -1;

// Implemented by the view controller that owns a root view: its layout calls arrive around the
// view's own layout pass.
class ViewControllerHooks {
  public:
    virtual ~ViewControllerHooks() = default;
    virtual void viewWillLayoutSubviews() {}
    virtual void viewDidLayoutSubviews() {}
};

class UIView : public UIResponder {
    FV_CLASS(UIView, UIResponder)
    static void registerMembers(ClassBuilder<UIView>& b);
    static UIViewPtr create(CGRect frame = CGRectZero);

    UIView();
    explicit UIView(CGRect frame);
    ~UIView() override;

    // ---- geometry ----
    // frame is derived from center, bounds size and transform, as on the platform. Setting it
    // with a transform other than identity sets center and bounds from the untransformed rect.
    CGRect frame() const;
    virtual void setFrame(CGRect frame);
    CGRect bounds() const { return bounds_; }
    virtual void setBounds(CGRect bounds);  // a size change keeps the origin and lays out again
    CGPoint center() const { return center_; }
    void setCenter(CGPoint center);
    CGAffineTransform transform() const { return transform_; }
    void setTransform(CGAffineTransform t);

    // ---- appearance (kept in the layer) ----
    UIColorPtr backgroundColor() const { return layer_->backgroundColor; }
    virtual void setBackgroundColor(UIColorPtr color);
    // Inherited from the superview when not set; blue when no ancestor has one.
    UIColorPtr tintColor() const;
    virtual void setTintColor(UIColorPtr color);
    virtual void tintColorDidChange() {}
    bool isHidden() const { return layer_->hidden; }
    bool hidden() const { return layer_->hidden; }
    virtual void setHidden(bool hidden);
    CGFloat alpha() const { return layer_->opacity; }
    virtual void setAlpha(CGFloat alpha);
    bool clipsToBounds() const { return layer_->masksToBounds; }
    void setClipsToBounds(bool clips) { layer_->masksToBounds = clips; }
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque) { opaque_ = opaque; }
    bool userInteractionEnabled() const { return userInteractionEnabled_; }
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }
    bool isMultipleTouchEnabled() const { return multipleTouchEnabled_; }
    void setMultipleTouchEnabled(bool enabled) { multipleTouchEnabled_ = enabled; }
    long tag() const { return tag_; }
    void setTag(long tag) { tag_ = tag; }
    UIViewContentMode contentMode() const { return contentMode_; }
    virtual void setContentMode(UIViewContentMode mode);
    const CALayerPtr& layer() const { return layer_; }

    // ---- tree ----
    UIView* superview() const { return superview_; }
    UIViewPtr superviewPtr() const;
    const std::vector<UIViewPtr>& subviews() const { return subviews_; }
    // The window this view is in (itself for a window), or none.
    virtual UIWindow* window() const;
    // Adding moves the view to the front, out of any other parent. Adding a view to itself or to one
    // of its own descendants is refused (and logged).
    void addSubview(const UIViewPtr& view);
    void insertSubview(const UIViewPtr& view, std::size_t index);  // 0 = bottom; clamped
    void insertSubviewBelow(const UIViewPtr& view, const UIView* sibling);
    void insertSubviewAbove(const UIViewPtr& view, const UIView* sibling);
    void exchangeSubviewAtIndex(std::size_t a, std::size_t b);
    void bringSubviewToFront(const UIView* view);
    void sendSubviewToBack(const UIView* view);
    void removeFromSuperview();
    bool isDescendantOfView(const UIView* view) const;  // true for itself
    // Depth-first, this view first; none when no view has the tag.
    UIViewPtr viewWithTag(long tag);

    // Hooks, called after every change, also to none.
    virtual void willMoveToSuperview(UIView* newSuperview) { (void)newSuperview; }
    virtual void didMoveToSuperview() {}
    virtual void willMoveToWindow(UIWindow* newWindow) { (void)newWindow; }
    virtual void didMoveToWindow() {}
    virtual void didAddSubview(UIView* subview) { (void)subview; }
    virtual void willRemoveSubview(UIView* subview) { (void)subview; }

    // ---- layout ----
    unsigned autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(unsigned mask) { autoresizingMask_ = mask; }
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool on) { autoresizesSubviews_ = on; }
    bool translatesAutoresizingMaskIntoConstraints() const { return translatesAutoresizing_; }
    void setTranslatesAutoresizingMaskIntoConstraints(bool on);

    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    // Lays out, now, the topmost dirty ancestor and every dirty view below it (this one included).
    void layoutIfNeeded();
    // Positions subviews; runs after this view's constraints were applied. The base does nothing.
    virtual void layoutSubviews() {}

    virtual CGSize sizeThatFits(CGSize size) const;  // the base keeps the current size
    void sizeToFit();
    virtual CGSize intrinsicContentSize() const { return {UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric}; }
    void invalidateIntrinsicContentSize();

    // Constraints held by this view (their common ancestor); see NSLayoutConstraint.
    const std::vector<NSLayoutConstraintPtr>& constraints() const { return constraints_; }
    void addConstraint(const NSLayoutConstraintPtr& constraint);
    void addConstraints(const std::vector<NSLayoutConstraintPtr>& constraints);
    void removeConstraint(const NSLayoutConstraintPtr& constraint);
    void removeConstraints(const std::vector<NSLayoutConstraintPtr>& constraints);
    // The first constraint held by this view or an ancestor with this identifier, or none.
    NSLayoutConstraintPtr constraintWithIdentifier(const std::string& identifier) const;

    // ---- drawing ----
    void setNeedsDisplay();
    void setNeedsDisplayInRect(CGRect rect) {
        (void)rect;
        setNeedsDisplay();
    }
    bool needsDisplay() const { return needsDisplay_; }
    // Draws the content into UIGraphicsGetCurrentContext(), in bounds coordinates, above the
    // background and layer sublayers and below the subviews. The base draws nothing.
    virtual void drawRect(CGRect rect) { (void)rect; }
    // How many times drawRect ran (the display pass and renders both draw).
    int drawCount() const { return drawCount_; }

    // ---- coordinates and hit testing ----
    // From or to `view`'s coordinates; none = window coordinates. Views in different windows convert
    // through screen coordinates (every window at the screen origin unless moved).
    CGPoint convertPointToView(CGPoint p, const UIView* view) const;
    CGPoint convertPointFromView(CGPoint p, const UIView* view) const;
    CGRect convertRectToView(CGRect r, const UIView* view) const;
    CGRect convertRectFromView(CGRect r, const UIView* view) const;
    // Also under the platform's selector-derived names.
    CGPoint convertPoint(CGPoint p, const UIView* toView) const { return convertPointToView(p, toView); }
    CGRect convertRect(CGRect r, const UIView* toView) const { return convertRectToView(r, toView); }

    // The deepest visible, interactive view at `p` (this view's coordinates), front to back; none
    // when this view is hidden, nearly transparent (alpha < 0.01), non-interactive or misses.
    virtual UIViewPtr hitTest(CGPoint p, UIEvent* event);
    virtual bool pointInside(CGPoint p, UIEvent* event) const;

    // ---- responders ----
    UIResponder* nextResponder() const override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool isFirstResponder() const override;
    // Resigns the first responder in this subtree, synchronously. Returns whether none is left.
    // Forced, a responder that refuses loses the status anyway and hears
    // firstResponderStatusWasTakenAway.
    bool endEditing(bool force);
    // The first responder within this subtree, or none.
    UIViewPtr findFirstResponder();

    // ---- gesture recognisers (defined by the gesture layer) ----
    const std::vector<UIGestureRecognizerPtr>& gestureRecognizers() const { return gestureRecognizers_; }
    // Adding twice keeps one entry. The gesture layer links the recogniser back to the view itself.
    void addGestureRecognizer(const UIGestureRecognizerPtr& recognizer);
    void removeGestureRecognizer(const UIGestureRecognizer* recognizer);
    // Asked by the gesture layer before a recogniser on this view begins.
    virtual bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) {
        (void)recognizer;
        return true;
    }

    // ---- the owning view controller ----
    // The controller whose root view this is: it becomes the next responder and gets
    // viewWillLayoutSubviews/viewDidLayoutSubviews around this view's layout (when it implements
    // ViewControllerHooks).
    void setViewDelegate(std::weak_ptr<UIResponder> controller) { viewDelegate_ = std::move(controller); }
    std::shared_ptr<UIResponder> viewDelegate() const { return viewDelegate_.lock(); }

    // ---- animations (rules in UIViewAnimation.h) ----
    using Animations = std::function<void()>;
    using Completion = std::function<void(bool finished)>;
    static void animateWithDuration(double duration, Animations animations, Completion completion = nullptr);
    static void animateWithDuration(double duration, double delay, unsigned options, Animations animations,
                                    Completion completion = nullptr);
    // The spring variant; damping and velocity only shape the (uninterpolated) curve.
    static void animateWithDuration(double duration, double delay, CGFloat dampingRatio, CGFloat velocity,
                                    unsigned options, Animations animations, Completion completion = nullptr);
    static void transitionWithView(const UIViewPtr& view, double duration, unsigned options,
                                   Animations animations, Completion completion = nullptr);
    // Puts `toView` where `fromView` was in its superview and removes `fromView`.
    static void transitionFromView(const UIViewPtr& fromView, const UIViewPtr& toView, double duration,
                                   unsigned options, Completion completion = nullptr);
    static void performWithoutAnimation(const Animations& actions);
    static bool areAnimationsEnabled();
    static void setAnimationsEnabled(bool enabled);
    // Whether an animation block is running now (and animations are enabled).
    static bool isInAnimationBlock();

    // Called by every animatable setter with the property's name, for the animation log.
    // Subclasses with their own animatable properties call it too.
    void noteAnimatableChange(const char* property);

    // Lays out this view's own pass: constraints, then layoutSubviews, with controller hooks.
    // Used by layoutIfNeeded and the run loop's layout pass.
    void layoutSubtreeIfNeeded();

  protected:
    // The first-responder status was taken without this view's consent (endEditing(true), leaving
    // the window); editing views end their editing here.
    virtual void firstResponderStatusWasTakenAway() {}

    // For views whose layer is a special kind (a gradient view): replaces the layer, keeping the
    // view's appearance. Call from the constructor.
    void replaceLayer(const CALayerPtr& layer);

  private:
    friend class UIWindow;
    friend class NSLayoutConstraint;
    friend void solveLayoutConstraints(UIView& root);
    void applyAutoresizing(CGSize oldSize);
    void setSuperviewLinks(UIView* newSuperview);
    void notifyWindowChange(UIWindow* oldWindow, UIWindow* newWindow);
    void detachFromParent();
    void attach(const UIViewPtr& view, std::size_t index);
    void syncLayerGeometry();
    void boundsSizeChanged(CGSize oldSize);
    void layoutOwnPass();

    CGRect bounds_ = CGRectZero;
    CGPoint center_ = CGPointZero;
    CGAffineTransform transform_ = CGAffineTransformIdentity;
    UIColorPtr tintColor_;
    bool opaque_ = true;
    bool userInteractionEnabled_ = true;
    bool multipleTouchEnabled_ = false;
    long tag_ = 0;
    UIViewContentMode contentMode_ = UIViewContentModeScaleToFill;
    CALayerPtr layer_;
    UIView* superview_ = nullptr;
    std::vector<UIViewPtr> subviews_;
    unsigned autoresizingMask_ = UIViewAutoresizingNone;
    bool autoresizesSubviews_ = true;
    bool translatesAutoresizing_ = true;
    bool needsLayout_ = true;
    bool inLayout_ = false;
    bool needsDisplay_ = true;
    int drawCount_ = 0;
    std::vector<NSLayoutConstraintPtr> constraints_;
    // The constraint system this view solves while it is a layout root, kept between passes.
    std::unique_ptr<layout::ConstraintLayoutEngine> layoutEngine_;
    std::vector<UIGestureRecognizerPtr> gestureRecognizers_;
    std::weak_ptr<UIResponder> viewDelegate_;

    friend void renderViewTree(UIView& view, const CGContextRef& context);
    friend class UIApplication;
};

}  // namespace fv
