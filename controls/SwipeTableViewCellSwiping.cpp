// SwipeTableViewCell's swiping: the offsets of its three states, opening and closing, and snapping
// where a drag of its scroller ends.
#include "controls/SwipeTableViewCell.h"

#include <algorithm>
#include <cstdint>

#include "controls/SwipeCellScrollView.h"
#include "controls/SwipeLongPressGestureRecognizer.h"
#include "controls/SwipeUtilityButtonTapGestureRecognizer.h"
#include "controls/SwipeUtilityButtonView.h"

namespace fv {
namespace {

constexpr CGFloat kAccessoryMargin = 15;
// Releases at least this fast (points per millisecond) snap by direction alone.
constexpr CGFloat kSnapVelocity = 0.5;

}  // namespace

CGFloat SwipeTableViewCell::leftUtilityButtonsWidth() const {
    if (!leftUtilityButtonsView_) return 0;
    return roundHalfAway(leftUtilityButtonsView_->frame().size.width);
}

CGFloat SwipeTableViewCell::rightUtilityButtonsWidth() const {
    if (!rightUtilityButtonsView_) return 0;
    return roundHalfAway(rightUtilityButtonsView_->frame().size.width + additionalRightPadding_);
}

CGPoint SwipeTableViewCell::contentOffsetForCellState(std::int64_t state) const {
    switch (state) {
        case kCellStateCenter:
            return {leftUtilityButtonsWidth(), 0};
        case kCellStateLeft:
            return {0, 0};
        case kCellStateRight:
            return {utilityButtonsPadding(), 0};
        default:
            return {0, 0};
    }
}

// Padding alone (the section index) is no reason to open a side: only buttons are.
bool SwipeTableViewCell::hasLeftButtons() const {
    return !leftUtilityButtons_.empty() && leftUtilityButtonsWidth() > 0;
}

bool SwipeTableViewCell::hasRightButtons() const {
    return !rightUtilityButtons_.empty() && rightUtilityButtonsView_ &&
           roundHalfAway(rightUtilityButtonsView_->frame().size.width) > 0;
}

// ---- opening and closing ----

void SwipeTableViewCell::setOffsetNow(CGPoint offset) {
    scrollAnimating_ = false;
    cellScrollView_->setContentOffset(offset);
}

void SwipeTableViewCell::scrollToState(SwipeCellState state, bool animated) {
    CGPoint target = contentOffsetForCellState(state);
    if (animated && target != cellScrollView_->contentOffset()) {
        scrollAnimating_ = true;
        cellScrollView_->setContentOffset(target, true);
    } else {
        setOffsetNow(target);
    }
    if (auto d = delegate()) d->swipeableTableViewCellScrollingToState(*this, state);
}

void SwipeTableViewCell::hideUtilityButtonsAnimated(bool animated) {
    ensureSetUp();
    if (!setUp_ || cellState_ == kCellStateCenter) return;
    scrollToState(kCellStateCenter, animated);
}

void SwipeTableViewCell::showLeftUtilityButtonsAnimated(bool animated) {
    ensureSetUp();
    if (!setUp_ || cellState_ == kCellStateLeft) return;
    scrollToState(kCellStateLeft, animated);
}

void SwipeTableViewCell::showRightUtilityButtonsAnimated(bool animated) {
    ensureSetUp();
    if (!setUp_ || cellState_ == kCellStateRight) return;
    scrollToState(kCellStateRight, animated);
}

void SwipeTableViewCell::updateCellState() {
    if (layoutUpdating_ || !setUp_) return;
    CGPoint offset = cellScrollView_->contentOffset();
    for (auto state : {kCellStateCenter, kCellStateLeft, kCellStateRight}) {
        if (contentOffsetForCellState(state) == offset) {
            cellState_ = state;
            break;
        }
    }

    // How far the content has moved, in the cell's own coordinates.
    UIView* contentParent = contentView()->superview();
    CGFloat moved = contentParent ? convertRectFromView(contentView()->frame(), contentParent).origin.x : 0;
    leftUtilityClipConstraint_->setConstant(std::max<CGFloat>(moved, 0));
    rightUtilityClipConstraint_->setConstant(std::min<CGFloat>(moved, 0));

    if (isEditing()) {
        leftUtilityClipConstraint_->setConstant(0);
        setOffsetNow(CGPointMake(leftUtilityButtonsWidth(), 0));
        cellState_ = kCellStateCenter;
    }
    leftUtilityClipView_->setHidden(leftUtilityClipConstraint_->constant() == 0);
    rightUtilityClipView_->setHidden(rightUtilityClipConstraint_->constant() == 0);

    if (auto accessory = accessoryView(); accessory && !isEditing()) {
        CGRect a = accessory->frame();
        a.origin.x = moved + frame().size.width - a.size.width - kAccessoryMargin;
        accessory->setFrame(a);
    }

    bool scrolling = cellScrollView_->isDragging() || cellScrollView_->isDecelerating();
    tap_->setEnabled(!scrolling);
    longPress_->setEnabled(!scrolling && cellState_ == kCellStateCenter);
    cellScrollView_->setScrollEnabled(!isEditing());
}

// ---- scroll-view delegate ----

void SwipeTableViewCell::scrollViewDidScroll(UIScrollView& scrollView) {
    CGFloat x = scrollView.contentOffset().x;
    CGFloat left = leftUtilityButtonsWidth();
    auto d = delegate();
    if (x > left) {
        if (!hasRightButtons()) {
            setOffsetNow(CGPointMake(left, 0));
            tap_->setEnabled(true);
        } else if (d && !d->swipeableTableViewCellCanSwipeToState(*this, kCellStateRight)) {
            setOffsetNow(CGPointMake(left, 0));
        }
    } else {
        if (!hasLeftButtons()) {
            setOffsetNow(CGPointMake(left, 0));
            tap_->setEnabled(true);
        } else if (d && !d->swipeableTableViewCellCanSwipeToState(*this, kCellStateLeft)) {
            setOffsetNow(CGPointMake(left, 0));
        }
    }
    updateCellState();
    if (d) d->swipeableTableViewCellDidScroll(*this, scrollView);
}

void SwipeTableViewCell::scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                                   CGPoint* targetContentOffset) {
    (void)scrollView;
    CGFloat v = velocity.x;
    CGFloat left = leftUtilityButtonsWidth();
    CGFloat right = rightUtilityButtonsWidth();
    CGFloat t = targetContentOffset ? targetContentOffset->x : cellScrollView_->contentOffset().x;
    SwipeCellState next = kCellStateCenter;
    if (v >= kSnapVelocity) {
        if (cellState_ != kCellStateLeft && hasRightButtons()) next = kCellStateRight;
    } else if (v <= -kSnapVelocity) {
        if (cellState_ != kCellStateRight && hasLeftButtons()) next = kCellStateLeft;
    } else if (hasRightButtons() && t > utilityButtonsPadding() - right * 0.5) {
        next = kCellStateRight;
    } else if (hasLeftButtons() && t < left * 0.5) {
        next = kCellStateLeft;
    }

    cellState_ = next;
    auto d = delegate();
    if (d) d->swipeableTableViewCellScrollingToState(*this, next);
    if (next != kCellStateCenter && d) {
        if (auto table = containingTableView()) {
            for (auto& cell : table->visibleCells()) {
                auto other = std::dynamic_pointer_cast<SwipeTableViewCell>(cell);
                if (!other || other.get() == this) continue;
                if (d->swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(*other))
                    other->hideUtilityButtonsAnimated(true);
            }
        }
    }
    if (targetContentOffset) *targetContentOffset = contentOffsetForCellState(next);
}

void SwipeTableViewCell::scrollViewDidEndDragging(UIScrollView& scrollView, bool decelerate) {
    (void)scrollView;
    if (!decelerate) tap_->setEnabled(true);
}

void SwipeTableViewCell::scrollViewDidEndDecelerating(UIScrollView& scrollView) {
    (void)scrollView;
    updateCellState();
    if (auto d = delegate()) d->swipeableTableViewCellDidEndScrolling(*this);
}

void SwipeTableViewCell::scrollViewDidEndScrollingAnimation(UIScrollView& scrollView) {
    (void)scrollView;
    scrollAnimating_ = false;
    updateCellState();
    if (auto d = delegate()) d->swipeableTableViewCellDidEndScrolling(*this);
}

}  // namespace fv
