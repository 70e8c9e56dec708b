// UITableView's selection: selecting rows from code or by a tap, and scrolling a row into view.
#include "platform/ui/UITableView.h"

#include <cmath>

namespace fv {
namespace {

constexpr CGFloat kTapSlop = 10;

}  // namespace

void UITableView::selectRowAtIndexPath(const std::optional<NSIndexPath>& indexPath, bool animated,
                                       UITableViewScrollPosition scrollPosition) {
    if (!indexPath) {
        if (selected_) deselectRowAtIndexPath(*selected_, animated);
        return;
    }
    if (!isValid(*indexPath)) return;
    if (selected_ && *selected_ != *indexPath) deselectRowAtIndexPath(*selected_, animated);
    selected_ = indexPath;
    if (auto cell = visibleCellAt(*indexPath)) cell->setSelected(true, animated);
    if (scrollPosition != UITableViewScrollPositionNone)
        scrollToRowAtIndexPath(*indexPath, scrollPosition, animated);
}

void UITableView::deselectRowAtIndexPath(const NSIndexPath& indexPath, bool animated) {
    if (selected_ != indexPath) return;
    selected_.reset();
    if (auto cell = visibleCellAt(indexPath)) cell->setSelected(false, animated);
}

void UITableView::scrollToRowAtIndexPath(const NSIndexPath& indexPath, UITableViewScrollPosition position,
                                         bool animated) {
    if (!isValid(indexPath)) return;
    CGRect row = rectForRowAtIndexPath(indexPath);
    CGRect b = bounds();
    UIEdgeInsets insets = contentInset();
    CGFloat top = CGRectGetMinY(row) - insets.top;
    CGFloat bottom = CGRectGetMaxY(row) - b.size.height + insets.bottom;
    CGFloat y = b.origin.y;
    switch (position) {
        case UITableViewScrollPositionTop:
            y = top;
            break;
        case UITableViewScrollPositionMiddle:
            y = CGRectGetMidY(row) - b.size.height / 2;
            break;
        case UITableViewScrollPositionBottom:
            y = bottom;
            break;
        case UITableViewScrollPositionNone:
            if (y > top)
                y = top;
            else if (y < bottom)
                y = bottom;
            break;
    }
    setContentOffset(clampedContentOffset({b.origin.x, y}), animated);
}

// ---- touches ----

void UITableView::endTouchTracking() {
    if (touchedRow_ && touchedRowHighlighted_)
        if (auto cell = visibleCellAt(*touchedRow_)) cell->setHighlighted(false, false);
    touchedRow_.reset();
    touchedRowHighlighted_ = false;
}

void UITableView::touchesBegan(const UITouchSet& touches, UIEvent* event) {
    endTouchTracking();
    if (touches.empty()) return;
    std::optional<NSIndexPath> indexPath;
    if (allowsSelection_ && !touchStartsInNestedScrollView(*touches.front()))
        indexPath = indexPathForRowAtPoint(touches.front()->locationInView(this));
    if (!indexPath) {
        UIScrollView::touchesBegan(touches, event);
        return;
    }
    touchStart_ = touches.front()->locationInView(nullptr);
    auto keep = weak_from_this().lock();
    auto delegate = tableDelegate();
    if (delegate && !delegate->tableViewShouldHighlightRowAtIndexPath(*this, *indexPath)) return;
    touchedRow_ = indexPath;
    if (auto cell = cellForRowAtIndexPath(*indexPath)) {
        cell->setHighlighted(true, false);
        touchedRowHighlighted_ = true;
    }
}

void UITableView::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    if (!touchedRow_ || touches.empty()) {
        UIScrollView::touchesMoved(touches, event);
        return;
    }
    CGPoint p = touches.front()->locationInView(nullptr);
    if (std::hypot(p.x - touchStart_.x, p.y - touchStart_.y) > kTapSlop || isDragging()) endTouchTracking();
}

void UITableView::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    if (!touchedRow_) {
        UIScrollView::touchesEnded(touches, event);
        return;
    }
    NSIndexPath indexPath = *touchedRow_;
    bool dragged = isDragging();
    endTouchTracking();
    if (!dragged) selectRowByUser(indexPath);
}

void UITableView::touchesCancelled(const UITouchSet& touches, UIEvent* event) {
    if (!touchedRow_) {
        UIScrollView::touchesCancelled(touches, event);
        return;
    }
    endTouchTracking();
}

void UITableView::selectRowByUser(const NSIndexPath& indexPath) {
    auto keep = weak_from_this().lock();
    auto delegate = tableDelegate();
    auto target = delegate ? delegate->tableViewWillSelectRowAtIndexPath(*this, indexPath) : indexPath;
    if (!target || !isValid(*target)) return;
    if (selected_ && *selected_ != *target) {
        NSIndexPath previous = *selected_;
        auto deselect = delegate ? delegate->tableViewWillDeselectRowAtIndexPath(*this, previous) : previous;
        if (deselect) {
            deselectRowAtIndexPath(*deselect, false);
            if (delegate) delegate->tableViewDidDeselectRowAtIndexPath(*this, *deselect);
        }
    }
    selectRowAtIndexPath(target, false, UITableViewScrollPositionNone);
    if (delegate) delegate->tableViewDidSelectRowAtIndexPath(*this, *target);
}

}  // namespace fv
