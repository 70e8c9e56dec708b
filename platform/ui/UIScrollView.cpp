#include "platform/ui/UIScrollView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GeometryValue.h"

namespace fv {

FV_REGISTER_CLASS(UIScrollView);

namespace {
constexpr double kAnimationDuration = 0.3;
constexpr double kFrameInterval = 1.0 / 60;
// Distance a released drag travels per point-per-millisecond of velocity (a 0.998 per-millisecond
// deceleration rate: r / (1 - r)).
constexpr double kDecelerationDistance = 499;
// Below this speed (points per millisecond) a paging drag settles on the nearest page.
constexpr double kPagingFlickSpeed = 0.3;
}  // namespace

void UIScrollView::registerMembers(ClassBuilder<UIScrollView>& b) {
    b.property("scrollEnabled", &UIScrollView::scrollEnabled, &UIScrollView::setScrollEnabled);
    b.property("pagingEnabled", &UIScrollView::pagingEnabled, &UIScrollView::setPagingEnabled);
    b.property("bounces", &UIScrollView::bounces, &UIScrollView::setBounces);
    b.property("alwaysBounceVertical", &UIScrollView::alwaysBounceVertical,
               &UIScrollView::setAlwaysBounceVertical);
    b.property("alwaysBounceHorizontal", &UIScrollView::alwaysBounceHorizontal,
               &UIScrollView::setAlwaysBounceHorizontal);
    b.property("showsHorizontalScrollIndicator", &UIScrollView::showsHorizontalScrollIndicator,
               &UIScrollView::setShowsHorizontalScrollIndicator);
    b.property("showsVerticalScrollIndicator", &UIScrollView::showsVerticalScrollIndicator,
               &UIScrollView::setShowsVerticalScrollIndicator);
    b.property("scrollsToTop", &UIScrollView::scrollsToTop, &UIScrollView::setScrollsToTop);
    b.property("directionalLockEnabled", &UIScrollView::directionalLockEnabled,
               &UIScrollView::setDirectionalLockEnabled);
    b.property("tracking", &UIScrollView::tracking);
    b.property("dragging", &UIScrollView::dragging);
    b.property("decelerating", &UIScrollView::decelerating);
    b.property(
        "contentOffset", [](UIScrollView& v) { return valueWithCGPoint(v.contentOffset()); },
        [](UIScrollView& v, const Value& x) {
            v.setContentOffset(pointFromValue(x));
            return true;
        });
    b.property(
        "contentSize", [](UIScrollView& v) { return valueWithCGSize(v.contentSize()); },
        [](UIScrollView& v, const Value& x) {
            v.setContentSize(sizeFromValue(x));
            return true;
        });
    b.object(
        "delegate", [](UIScrollView& v) { return std::dynamic_pointer_cast<NSObject>(v.delegate()); },
        [](UIScrollView& v, const NSObjectPtr& o) {
            auto d = std::dynamic_pointer_cast<UIScrollViewDelegate>(o);
            if (o && !d) return false;
            v.setDelegate(d);
            return true;
        });
    b.object(
        "panGestureRecognizer", [](UIScrollView& v) { return NSObjectPtr(v.panGestureRecognizer()); },
        nullptr);
    b.action("handlePan:", &UIScrollView::handlePan);
}

UIScrollViewPtr UIScrollView::create(CGRect frame) {
    return std::make_shared<UIScrollView>(frame);
}

UIScrollView::UIScrollView() : UIScrollView(CGRectZero) {}

UIScrollView::UIScrollView(CGRect frame) : UIView(frame), pan_(std::make_shared<UIPanGestureRecognizer>()) {
    setClipsToBounds(true);
    pan_->setDelegateToOwnView();
    pan_->addTargetToOwnView("handlePan:");
    addGestureRecognizer(pan_);
}

UIScrollView::~UIScrollView() {
    if (animationTimer_) animationTimer_->invalidate();
}

bool UIScrollView::touchStartsInNestedScrollView(const UITouch& touch) const {
    auto view = touch.view.lock();
    for (UIView* v = view.get(); v && v != this; v = v->superview())
        if (dynamic_cast<UIScrollView*>(v)) return true;
    return false;
}

// ---- geometry ----

CGPoint UIScrollView::minimumContentOffset() const {
    return {-contentInset_.left, -contentInset_.top};
}

CGPoint UIScrollView::maximumContentOffset() const {
    CGSize b = bounds().size;
    CGPoint min = minimumContentOffset();
    return {std::max(contentSize_.width + contentInset_.right - b.width, min.x),
            std::max(contentSize_.height + contentInset_.bottom - b.height, min.y)};
}

CGPoint UIScrollView::clampedContentOffset(CGPoint o) const {
    CGPoint min = minimumContentOffset(), max = maximumContentOffset();
    return {std::clamp(o.x, min.x, max.x), std::clamp(o.y, min.y, max.y)};
}

bool UIScrollView::canScrollHorizontally() const {
    return alwaysBounceHorizontal_ || maximumContentOffset().x > minimumContentOffset().x;
}

bool UIScrollView::canScrollVertically() const {
    return alwaysBounceVertical_ || maximumContentOffset().y > minimumContentOffset().y;
}

void UIScrollView::setBounds(CGRect b) {
    CGPoint old = bounds().origin;
    UIView::setBounds(b);
    if (bounds().origin == old) return;
    auto keepAlive = weak_from_this().lock();
    contentOffsetDidChange();
    if (auto d = delegate()) d->scrollViewDidScroll(*this);
}

void UIScrollView::contentOffsetDidChange() {
    setNeedsLayout();
}

void UIScrollView::applyOffset(CGPoint offset) {
    setBounds({offset, bounds().size});
}

void UIScrollView::setContentOffset(CGPoint offset) {
    if (animatingScroll_) stopScrolling(false);
    applyOffset(offset);
}

void UIScrollView::setContentOffset(CGPoint offset, bool animated) {
    if (!animated) {
        setContentOffset(offset);
        return;
    }
    if (animatingScroll_) stopScrolling(false);
    if (offset == contentOffset()) return;
    startAnimation(offset, false);
}

void UIScrollView::setContentSize(CGSize size) {
    if (size == contentSize_) return;
    contentSize_ = size;
    clampAfterGeometryChange();
}

void UIScrollView::setContentInset(UIEdgeInsets insets) {
    if (insets == contentInset_) return;
    contentInset_ = insets;
    noteAnimatableChange("contentInset");
    clampAfterGeometryChange();
}

void UIScrollView::clampAfterGeometryChange() {
    if (tracking_) return;
    applyOffset(clampedContentOffset(contentOffset()));
}

void UIScrollView::setScrollEnabled(bool on) {
    scrollEnabled_ = on;
    // A running drag is cancelled; the pan stays usable for the next one.
    if (!on && pan_->state() != UIGestureRecognizerStatePossible) {
        pan_->setEnabled(false);
        pan_->setEnabled(true);
    }
}

// ---- animation and deceleration ----

void UIScrollView::startAnimation(CGPoint target, bool deceleration) {
    if (animationTimer_) animationTimer_->invalidate();
    animatingScroll_ = !deceleration;
    decelerating_ = deceleration;
    animationFrom_ = contentOffset();
    animationTo_ = target;
    animationStart_ = RunLoop::main().now();
    std::weak_ptr<UIScrollView> weak = std::static_pointer_cast<UIScrollView>(weak_from_this().lock());
    animationTimer_ = RunLoop::main().scheduleTimer(kFrameInterval, true, [weak](Timer&) {
        if (auto self = weak.lock()) self->animationStep();
    });
}

void UIScrollView::animationStep() {
    auto keepAlive = weak_from_this().lock();
    double f = std::min(1.0, (RunLoop::main().now() - animationStart_) / kAnimationDuration);
    // A deceleration settles inside the current range, which may have changed meanwhile.
    CGPoint to = decelerating_ ? clampedContentOffset(animationTo_) : animationTo_;
    double eased = decelerating_ ? 1 - (1 - f) * (1 - f) : f * f * (3 - 2 * f);
    bool finished = f >= 1;
    if (finished) {
        animationTimer_->invalidate();
        animationTimer_.reset();
    }
    applyOffset(finished ? to
                         : CGPoint{animationFrom_.x + (to.x - animationFrom_.x) * eased,
                                   animationFrom_.y + (to.y - animationFrom_.y) * eased});
    if (!finished || animationTimer_) return;  // a didScroll handler may have started another
    bool wasDecelerating = decelerating_;
    animatingScroll_ = decelerating_ = false;
    if (auto d = delegate()) {
        if (wasDecelerating)
            d->scrollViewDidEndDecelerating(*this);
        else
            d->scrollViewDidEndScrollingAnimation(*this);
    }
}

void UIScrollView::stopScrolling(bool notifyDeceleration) {
    if (animationTimer_) animationTimer_->invalidate();
    animationTimer_.reset();
    bool wasDecelerating = decelerating_;
    animatingScroll_ = decelerating_ = false;
    if (notifyDeceleration && wasDecelerating)
        if (auto d = delegate()) d->scrollViewDidEndDecelerating(*this);
}

// ---- dragging ----

bool UIScrollView::gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) {
    if (recognizer != pan_.get()) return true;
    if (!scrollEnabled_) return false;
    CGPoint t = pan_->translationInView(this);
    return std::fabs(t.x) >= std::fabs(t.y) ? canScrollHorizontally() : canScrollVertically();
}

CGPoint UIScrollView::dragOffset(CGPoint t) const {
    CGPoint o = dragStartOffset_;
    bool h = canScrollHorizontally() && lockedAxis_ != 2;
    bool v = canScrollVertically() && lockedAxis_ != 1;
    if (h) o.x -= t.x;
    if (v) o.y -= t.y;
    return bounces_ ? o : clampedContentOffset(o);
}

CGPoint UIScrollView::proposedTarget(CGPoint v) const {
    CGPoint o = contentOffset();
    CGPoint t{o.x + v.x * kDecelerationDistance, o.y + v.y * kDecelerationDistance};
    if (pagingEnabled_) {
        CGSize page = bounds().size;
        auto snap = [](double start, double current, double speed, double size) {
            if (size <= 0) return current;
            double startPage = std::round(start / size);
            if (std::fabs(speed) < kPagingFlickSpeed) return std::round(current / size) * size;
            return (startPage + (speed > 0 ? 1 : -1)) * size;
        };
        t = {snap(dragStartOffset_.x, o.x, v.x, page.width), snap(dragStartOffset_.y, o.y, v.y, page.height)};
    }
    if (!canScrollHorizontally() || lockedAxis_ == 2) t.x = o.x;
    if (!canScrollVertically() || lockedAxis_ == 1) t.y = o.y;
    return t;
}

void UIScrollView::handlePan(UIPanGestureRecognizer* pan) {
    if (!pan || pan != pan_.get()) return;
    auto keepAlive = weak_from_this().lock();
    switch (pan->state()) {
        case UIGestureRecognizerStateBegan: {
            stopScrolling(true);
            tracking_ = dragging_ = true;
            dragStartOffset_ = contentOffset();
            CGPoint t = pan->translationInView(this);
            lockedAxis_ = 0;
            if (directionalLockEnabled_ && canScrollHorizontally() && canScrollVertically())
                lockedAxis_ = std::fabs(t.x) >= std::fabs(t.y) ? 1 : 2;
            if (auto d = delegate()) d->scrollViewWillBeginDragging(*this);
            applyOffset(dragOffset(t));
            break;
        }
        case UIGestureRecognizerStateChanged:
            if (dragging_) applyOffset(dragOffset(pan->translationInView(this)));
            break;
        case UIGestureRecognizerStateEnded: {
            CGPoint v = pan->velocityInView(this);
            // The finger moves one way, the content offset the other; points per millisecond.
            endDrag({-v.x / 1000, -v.y / 1000});
            break;
        }
        case UIGestureRecognizerStateCancelled:
            endDrag({0, 0});
            break;
        default:
            break;
    }
}

void UIScrollView::endDrag(CGPoint velocity) {
    if (!dragging_) return;
    const CGPoint proposed = proposedTarget(velocity);
    CGPoint wanted = clampedContentOffset(proposed);
    if (auto d = delegate()) d->scrollViewWillEndDragging(*this, velocity, &wanted);
    const bool replaced = !(wanted == clampedContentOffset(proposed));
    CGPoint target = clampedContentOffset(wanted);
    tracking_ = dragging_ = false;
    lockedAxis_ = 0;
    bool decelerate = !(target == contentOffset());
    if (auto d = delegate()) d->scrollViewDidEndDragging(*this, decelerate);
    if (!decelerate || dragging_) return;
    // The delegate may have changed the insets on release (a pull-to-refresh holding the list open):
    // the bounce settles where the throw would end within the range as it is now.
    target = clampedContentOffset(replaced ? wanted : proposed);
    decelerating_ = true;
    if (auto d = delegate()) d->scrollViewWillBeginDecelerating(*this);
    if (decelerating_) startAnimation(target, true);
}

}  // namespace fv
