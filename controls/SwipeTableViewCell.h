#pragma once
// A table cell whose content slides sideways to uncover rows of utility buttons behind it, on the
// right, on the left or both. Button taps go to the delegate with the button's index. The cell keeps
// the table's selection working through its own tap and press recognisers: a tap on a closed cell
// selects (or deselects) its row exactly once, a tap on an open cell only closes it.
//
// The cell sets itself up on creation through `create`, otherwise (a subclass made by the class
// registry or an interface file) on its first use, at the latest when it joins a view.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "controls/NSArraySwipeUtilityButtons.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILongPressGestureRecognizer.h"
#include "platform/ui/UIPanGestureRecognizer.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITableViewCell.h"
#include "platform/ui/UITapGestureRecognizer.h"

namespace fv {

class SwipeTableViewCell;
class SwipeUtilityButtonView;
class SwipeUtilityButtonTapGestureRecognizer;
using SwipeTableViewCellPtr = std::shared_ptr<SwipeTableViewCell>;

// Which buttons are uncovered.
enum SwipeCellState : std::int64_t {
    kCellStateCenter = 0,
    kCellStateLeft = 1,
    kCellStateRight = 2,
};

// Every method optional; the defaults behave as if the delegate did not answer.
class SwipeTableViewCellDelegate {
  public:
    virtual ~SwipeTableViewCellDelegate() = default;
    // swipeableTableViewCell:didTriggerLeftUtilityButtonWithIndex:
    virtual void swipeableTableViewCellDidTriggerLeftUtilityButtonWithIndex(SwipeTableViewCell& cell,
                                                                            std::int64_t index) {
        (void)cell, (void)index;
    }
    virtual void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SwipeTableViewCell& cell,
                                                                             std::int64_t index) {
        (void)cell, (void)index;
    }
    // When a drag ends (with the state the cell will settle in) and on each effective show or hide.
    virtual void swipeableTableViewCellScrollingToState(SwipeTableViewCell& cell, SwipeCellState state) {
        (void)cell, (void)state;
    }
    // Whether `cell` should close because another cell opened or the table is dragged elsewhere.
    virtual bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SwipeTableViewCell& cell) {
        (void)cell;
        return false;
    }
    // NO holds the content at the centre.
    virtual bool swipeableTableViewCellCanSwipeToState(SwipeTableViewCell& cell, SwipeCellState state) {
        (void)cell, (void)state;
        return true;
    }
    virtual void swipeableTableViewCellDidEndScrolling(SwipeTableViewCell& cell) { (void)cell; }
    virtual void swipeableTableViewCellDidScroll(SwipeTableViewCell& cell, UIScrollView& scrollView) {
        (void)cell, (void)scrollView;
    }
};

class SwipeTableViewCell : public UITableViewCell,
                           public UIScrollViewDelegate,
                           public UIGestureRecognizerDelegate {
    FV_CLASS(SwipeTableViewCell, UITableViewCell)
    static void registerMembers(ClassBuilder<SwipeTableViewCell>& b);
    // initWithStyle:reuseIdentifier:, set up at once.
    static SwipeTableViewCellPtr create(UITableViewCellStyle style = UITableViewCellStyleDefault,
                                        const std::string& reuseIdentifier = "");
    // initWithCoder:
    SwipeTableViewCell();
    SwipeTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~SwipeTableViewCell() override;

    // ---- buttons ----
    const SwipeUtilityButtons& leftUtilityButtons() const { return leftUtilityButtons_; }
    const SwipeUtilityButtons& rightUtilityButtons() const { return rightUtilityButtons_; }
    // Rebuilds that side (90 points per button) only when the buttons differ from the current ones.
    void setLeftUtilityButtons(const SwipeUtilityButtons& buttons);
    void setRightUtilityButtons(const SwipeUtilityButtons& buttons);
    // setLeftUtilityButtons:WithButtonWidth: and the right one: always rebuild that side.
    void setLeftUtilityButtons(const SwipeUtilityButtons& buttons, CGFloat buttonWidth);
    void setRightUtilityButtons(const SwipeUtilityButtons& buttons, CGFloat buttonWidth);

    // ---- opening and closing ----
    void hideUtilityButtonsAnimated(bool animated);
    void showLeftUtilityButtonsAnimated(bool animated);
    void showRightUtilityButtonsAnimated(bool animated);
    bool isUtilityButtonsHidden() const { return cellState_ == kCellStateCenter; }
    // Changes only once the content rests on a state's position (or when a drag ends).
    SwipeCellState cellState() const { return cellState_; }

    // ---- links (weak) ----
    std::shared_ptr<SwipeTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<SwipeTableViewCellDelegate>& delegate) { delegate_ = delegate; }
    UITableViewPtr containingTableView() const { return containingTableView_.lock(); }
    void setContainingTableView(const UITableViewPtr& tableView);
    const std::shared_ptr<UIPanGestureRecognizer>& tableViewPanGestureRecognizer() const {
        return tableViewPan_;
    }

    // ---- parts ----
    // 15 when the table shows a section index, else 0.
    CGFloat additionalRightPadding() const { return additionalRightPadding_; }
    const std::shared_ptr<UIScrollView>& cellScrollView() const { return cellScrollView_; }
    const std::shared_ptr<SwipeUtilityButtonView>& leftUtilityButtonsView() const {
        return leftUtilityButtonsView_;
    }
    const std::shared_ptr<SwipeUtilityButtonView>& rightUtilityButtonsView() const {
        return rightUtilityButtonsView_;
    }
    const UIViewPtr& leftUtilityClipView() const { return leftUtilityClipView_; }
    const UIViewPtr& rightUtilityClipView() const { return rightUtilityClipView_; }
    const NSLayoutConstraintPtr& leftUtilityClipConstraint() const { return leftUtilityClipConstraint_; }
    const NSLayoutConstraintPtr& rightUtilityClipConstraint() const { return rightUtilityClipConstraint_; }
    const std::shared_ptr<UILongPressGestureRecognizer>& longPressGestureRecognizer() const {
        return longPress_;
    }
    const std::shared_ptr<UITapGestureRecognizer>& tapGestureRecognizer() const { return tap_; }

    // ---- geometry, rounded to whole points ----
    CGFloat leftUtilityButtonsWidth() const;
    CGFloat rightUtilityButtonsWidth() const;  // includes the section-index padding
    CGFloat utilityButtonsPadding() const { return leftUtilityButtonsWidth() + rightUtilityButtonsWidth(); }
    // State 0 -> (L, 0), 1 -> (0, 0), 2 -> (L + R, 0); anything else -> (0, 0).
    CGPoint contentOffsetForCellState(std::int64_t state) const;

    // ---- platform overrides ----
    void didMoveToSuperview() override;
    void awakeFromNib() override;
    void layoutSubviews() override;
    void setFrame(CGRect frame) override;
    void prepareForReuse() override;
    using UITableViewCell::setSelected;
    void setSelected(bool selected, bool animated) override;
    void didTransitionToState(unsigned stateMask) override;

    // ---- scroll-view delegate ----
    void scrollViewDidScroll(UIScrollView& scrollView) override;
    void scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                   CGPoint* targetContentOffset) override;
    void scrollViewDidEndDragging(UIScrollView& scrollView, bool decelerate) override;
    void scrollViewDidEndDecelerating(UIScrollView& scrollView) override;
    void scrollViewDidEndScrollingAnimation(UIScrollView& scrollView) override;

    // ---- gesture delegate ----
    bool gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(
        UIGestureRecognizer* recognizer, UIGestureRecognizer* other) override;
    bool gestureRecognizerShouldReceiveTouch(UIGestureRecognizer* recognizer, UITouch* touch) override;
    using UIView::gestureRecognizerShouldBegin;

    // ---- actions ----
    void scrollViewTapped(UIGestureRecognizer* recognizer);
    void scrollViewPressed(UIGestureRecognizer* recognizer);
    void leftUtilityButtonHandler(SwipeUtilityButtonTapGestureRecognizer* recognizer);
    void rightUtilityButtonHandler(SwipeUtilityButtonTapGestureRecognizer* recognizer);

  private:
    void ensureSetUp();
    void initializer();
    void installClip(const UIViewPtr& clip, const std::shared_ptr<SwipeUtilityButtonView>& row,
                     const NSLayoutConstraintPtr& clipConstraint, UIView& parent, bool left);
    void adoptLooseSubviews();
    void removeOldTableViewPanObserver();
    void tableViewPanStateChanged();
    void updateCellState();
    void selectCell();
    void deselectCell();
    bool shouldHighlight();
    bool hasLeftButtons() const;
    bool hasRightButtons() const;
    void scrollToState(SwipeCellState state, bool animated);
    void setOffsetNow(CGPoint offset);

    bool setUp_ = false;
    bool layoutUpdating_ = false;
    bool scrollAnimating_ = false;
    SwipeCellState cellState_ = kCellStateCenter;
    CGFloat additionalRightPadding_ = 0;
    SwipeUtilityButtons leftUtilityButtons_;
    SwipeUtilityButtons rightUtilityButtons_;
    std::weak_ptr<SwipeTableViewCellDelegate> delegate_;
    std::weak_ptr<UITableView> containingTableView_;
    std::shared_ptr<UIPanGestureRecognizer> tableViewPan_;
    std::shared_ptr<UIScrollView> cellScrollView_;
    UIViewPtr contentCellView_;
    std::shared_ptr<SwipeUtilityButtonView> leftUtilityButtonsView_;
    std::shared_ptr<SwipeUtilityButtonView> rightUtilityButtonsView_;
    UIViewPtr leftUtilityClipView_;
    UIViewPtr rightUtilityClipView_;
    NSLayoutConstraintPtr leftUtilityClipConstraint_;
    NSLayoutConstraintPtr rightUtilityClipConstraint_;
    std::shared_ptr<UILongPressGestureRecognizer> longPress_;
    std::shared_ptr<UITapGestureRecognizer> tap_;
};

}  // namespace fv
