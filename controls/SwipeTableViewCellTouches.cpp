// SwipeTableViewCell's taps and presses: selecting the cell, the utility buttons' actions, and which
// touches its recognisers take.
#include "controls/SwipeTableViewCell.h"

#include <cstdint>

#include "controls/SwipeCellScrollView.h"
#include "controls/SwipeLongPressGestureRecognizer.h"
#include "controls/SwipeUtilityButtonTapGestureRecognizer.h"
#include "controls/SwipeUtilityButtonView.h"
#include "platform/ui/UIControl.h"

namespace fv {

void SwipeTableViewCell::scrollViewTapped(UIGestureRecognizer* recognizer) {
    (void)recognizer;
    if (cellState_ != kCellStateCenter) {
        hideUtilityButtonsAnimated(true);
    } else if (isSelected()) {
        deselectCell();
    } else if (shouldHighlight()) {
        selectCell();
    }
}

void SwipeTableViewCell::scrollViewPressed(UIGestureRecognizer* recognizer) {
    if (!recognizer) return;
    switch (recognizer->state()) {
        case UIGestureRecognizerStateBegan:
            if (!isHighlighted() && shouldHighlight()) setHighlighted(true, false);
            break;
        case UIGestureRecognizerStateEnded:
            setHighlighted(false, false);
            scrollViewTapped(recognizer);
            break;
        case UIGestureRecognizerStateCancelled:
            setHighlighted(false, false);
            break;
        default:
            break;
    }
}

bool SwipeTableViewCell::shouldHighlight() {
    auto table = containingTableView();
    if (!table) return true;
    auto path = table->indexPathForCell(this);
    auto td = table->tableDelegate();
    if (!td || !path) return true;
    return td->tableViewShouldHighlightRowAtIndexPath(*table, *path);
}

void SwipeTableViewCell::selectCell() {
    if (cellState_ != kCellStateCenter) return;
    auto table = containingTableView();
    if (!table) return;
    auto path = table->indexPathForCell(this);
    auto td = table->tableDelegate();
    if (td && path) path = td->tableViewWillSelectRowAtIndexPath(*table, *path);
    if (!path) return;
    table->selectRowAtIndexPath(*path, false, UITableViewScrollPositionNone);
    if (td) td->tableViewDidSelectRowAtIndexPath(*table, *path);
}

void SwipeTableViewCell::deselectCell() {
    if (cellState_ != kCellStateCenter) return;
    auto table = containingTableView();
    if (!table) return;
    auto path = table->indexPathForCell(this);
    auto td = table->tableDelegate();
    if (td && path) path = td->tableViewWillDeselectRowAtIndexPath(*table, *path);
    if (!path) return;
    table->deselectRowAtIndexPath(*path, false);
    if (td) td->tableViewDidDeselectRowAtIndexPath(*table, *path);
}

void SwipeTableViewCell::leftUtilityButtonHandler(SwipeUtilityButtonTapGestureRecognizer* recognizer) {
    auto d = delegate();
    if (d && recognizer) {
        d->swipeableTableViewCellDidTriggerLeftUtilityButtonWithIndex(
            *this, static_cast<std::int64_t>(recognizer->buttonIndex()));
    }
}

void SwipeTableViewCell::rightUtilityButtonHandler(SwipeUtilityButtonTapGestureRecognizer* recognizer) {
    auto d = delegate();
    if (d && recognizer) {
        d->swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(
            *this, static_cast<std::int64_t>(recognizer->buttonIndex()));
    }
}

// ---- gesture delegate ----

bool SwipeTableViewCell::gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(
    UIGestureRecognizer* recognizer, UIGestureRecognizer* other) {
    UIGestureRecognizer* tablePan = tableViewPan_.get();
    UIGestureRecognizer* press = longPress_.get();
    return tablePan &&
           ((recognizer == tablePan && other == press) || (recognizer == press && other == tablePan));
}

bool SwipeTableViewCell::gestureRecognizerShouldReceiveTouch(UIGestureRecognizer* recognizer,
                                                             UITouch* touch) {
    (void)recognizer;
    auto view = touch ? touch->view.lock() : nullptr;
    return !(view && view->isKindOfClass("UIControl"));
}

}  // namespace fv
