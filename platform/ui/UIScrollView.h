#pragma once
// A view whose bounds origin is its content offset: subviews are laid out in content coordinates and
// scroll with the offset; content outside the bounds is clipped.
//
// Rules:
//  - Every actual change of contentOffset, by code, animation or drag, calls scrollViewDidScroll
//    (re-entrantly too) and marks the view for layout; setting an unchanged value calls nothing.
//  - The valid range is x in [-inset.left, max(contentSize.w + inset.right - bounds.w, -inset.left)]
//    and y likewise. Code may set any offset; changing contentInset or contentSize while no finger
//    is tracking moves the offset into the new range (with didScroll).
//  - setContentOffset(offset, true) steps towards the offset on the run-loop clock (0.3 s) with
//    didScroll per step and ends with scrollViewDidEndScrollingAnimation; a later setContentOffset
//    replaces it.
//  - A drag (through the scroll view's own pan recogniser): scrollViewWillBeginDragging, didScroll
//    per move (the content follows the finger 1:1; beyond the range only when bounces),
//    scrollViewWillEndDragging(velocity in points per millisecond, in/out target already clamped;
//    a replaced target is clamped again), scrollViewDidEndDragging(willDecelerate), and when the
//    target differs from the offset: scrollViewWillBeginDecelerating, didScroll steps to the target,
//    scrollViewDidEndDecelerating. With paging, targets snap to multiples of the bounds size.
//  - An axis scrolls when its range is non-empty or alwaysBounce<axis> is set; the pan does not begin
//    for a drag along an axis that cannot scroll (so an enclosing scroll view gets it).
#include <memory>

#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UIPanGestureRecognizer.h"
#include "platform/ui/UIView.h"

namespace fv {

class UIScrollView;
class Timer;
using UIScrollViewPtr = std::shared_ptr<UIScrollView>;

// Every method optional.
class UIScrollViewDelegate {
  public:
    virtual ~UIScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(UIScrollView& scrollView) { (void)scrollView; }
    virtual void scrollViewWillBeginDragging(UIScrollView& scrollView) { (void)scrollView; }
    // scrollViewWillEndDragging:withVelocity:targetContentOffset:
    virtual void scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                           CGPoint* targetContentOffset) {
        (void)scrollView, (void)velocity, (void)targetContentOffset;
    }
    // scrollViewDidEndDragging:willDecelerate:
    virtual void scrollViewDidEndDragging(UIScrollView& scrollView, bool decelerate) {
        (void)scrollView, (void)decelerate;
    }
    virtual void scrollViewWillBeginDecelerating(UIScrollView& scrollView) { (void)scrollView; }
    virtual void scrollViewDidEndDecelerating(UIScrollView& scrollView) { (void)scrollView; }
    virtual void scrollViewDidEndScrollingAnimation(UIScrollView& scrollView) { (void)scrollView; }
};

class UIScrollView : public UIView, public UIGestureRecognizerDelegate {
    FV_CLASS(UIScrollView, UIView)
    static void registerMembers(ClassBuilder<UIScrollView>& b);
    static UIScrollViewPtr create(CGRect frame = CGRectZero);
    UIScrollView();
    explicit UIScrollView(CGRect frame);
    ~UIScrollView() override;

    // ---- geometry ----
    CGPoint contentOffset() const { return bounds().origin; }
    // Stops a running scroll animation or deceleration.
    void setContentOffset(CGPoint offset);
    void setContentOffset(CGPoint offset, bool animated);
    CGSize contentSize() const { return contentSize_; }
    void setContentSize(CGSize size);
    UIEdgeInsets contentInset() const { return contentInset_; }
    void setContentInset(UIEdgeInsets insets);
    UIEdgeInsets scrollIndicatorInsets() const { return scrollIndicatorInsets_; }
    void setScrollIndicatorInsets(UIEdgeInsets insets) { scrollIndicatorInsets_ = insets; }
    // A bounds origin change is a content offset change (didScroll included).
    void setBounds(CGRect bounds) override;

    // The valid offset range and clamping into it.
    CGPoint minimumContentOffset() const;
    CGPoint maximumContentOffset() const;
    CGPoint clampedContentOffset(CGPoint offset) const;

    // ---- delegate (weak) ----
    std::shared_ptr<UIScrollViewDelegate> delegate() const { return delegate_.lock(); }
    virtual void setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) { delegate_ = delegate; }

    // ---- flags ----
    bool isScrollEnabled() const { return scrollEnabled_; }
    bool scrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool on);
    bool isPagingEnabled() const { return pagingEnabled_; }
    bool pagingEnabled() const { return pagingEnabled_; }
    void setPagingEnabled(bool on) { pagingEnabled_ = on; }
    bool bounces() const { return bounces_; }
    void setBounces(bool on) { bounces_ = on; }
    bool alwaysBounceVertical() const { return alwaysBounceVertical_; }
    void setAlwaysBounceVertical(bool on) { alwaysBounceVertical_ = on; }
    bool alwaysBounceHorizontal() const { return alwaysBounceHorizontal_; }
    void setAlwaysBounceHorizontal(bool on) { alwaysBounceHorizontal_ = on; }
    bool showsHorizontalScrollIndicator() const { return showsHorizontalScrollIndicator_; }
    void setShowsHorizontalScrollIndicator(bool on) { showsHorizontalScrollIndicator_ = on; }
    bool showsVerticalScrollIndicator() const { return showsVerticalScrollIndicator_; }
    void setShowsVerticalScrollIndicator(bool on) { showsVerticalScrollIndicator_ = on; }
    bool scrollsToTop() const { return scrollsToTop_; }
    void setScrollsToTop(bool on) { scrollsToTop_ = on; }
    bool isDirectionalLockEnabled() const { return directionalLockEnabled_; }
    bool directionalLockEnabled() const { return directionalLockEnabled_; }
    void setDirectionalLockEnabled(bool on) { directionalLockEnabled_ = on; }

    // ---- what a finger is doing ----
    bool isTracking() const { return tracking_; }
    bool tracking() const { return tracking_; }
    bool isDragging() const { return dragging_; }
    bool dragging() const { return dragging_; }
    bool isDecelerating() const { return decelerating_; }
    bool decelerating() const { return decelerating_; }

    const std::shared_ptr<UIPanGestureRecognizer>& panGestureRecognizer() const { return pan_; }

    // Its own pan begins only when scrolling is enabled and the drag runs along an axis that can
    // scroll. Subclasses may refuse more (call the base).
    bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) override;

    // Target of its own pan.
    void handlePan(UIPanGestureRecognizer* pan);

  protected:
    // Called for every actual offset change, before the delegate's didScroll. Subclasses that lay
    // out by offset may hook here (call the base).
    virtual void contentOffsetDidChange();
    // Whether the touch began inside a scroll view nested in this one (a swipeable cell's own
    // scroller): lists leave such touches, and the selection they make, to that scroll view.
    bool touchStartsInNestedScrollView(const UITouch& touch) const;

  private:
    void applyOffset(CGPoint offset);
    void stopScrolling(bool notifyDeceleration);
    void startAnimation(CGPoint target, bool deceleration);
    void animationStep();
    void clampAfterGeometryChange();
    bool canScrollHorizontally() const;
    bool canScrollVertically() const;
    CGPoint dragOffset(CGPoint translation) const;
    CGPoint proposedTarget(CGPoint velocityPerMs) const;  // where the throw would end, unclamped
    void endDrag(CGPoint velocityPerMs);

    CGSize contentSize_ = CGSizeZero;
    UIEdgeInsets contentInset_ = UIEdgeInsetsZero;
    UIEdgeInsets scrollIndicatorInsets_ = UIEdgeInsetsZero;
    std::weak_ptr<UIScrollViewDelegate> delegate_;
    bool scrollEnabled_ = true;
    bool pagingEnabled_ = false;
    bool bounces_ = true;
    bool alwaysBounceVertical_ = false;
    bool alwaysBounceHorizontal_ = false;
    bool showsHorizontalScrollIndicator_ = true;
    bool showsVerticalScrollIndicator_ = true;
    bool scrollsToTop_ = true;
    bool directionalLockEnabled_ = false;
    bool tracking_ = false;
    bool dragging_ = false;
    bool decelerating_ = false;
    bool animatingScroll_ = false;
    int lockedAxis_ = 0;  // 0 none, 1 horizontal, 2 vertical
    CGPoint dragStartOffset_;
    std::shared_ptr<UIPanGestureRecognizer> pan_;
    std::shared_ptr<Timer> animationTimer_;
    CGPoint animationFrom_;
    CGPoint animationTo_;
    double animationStart_ = 0;
};

}  // namespace fv
