#include "controls/SwipeTableViewCell.h"

#include <algorithm>

#include "controls/SwipeCellScrollView.h"
#include "controls/SwipeLongPressGestureRecognizer.h"
#include "controls/SwipeUtilityButtonTapGestureRecognizer.h"
#include "controls/SwipeUtilityButtonView.h"

namespace fv {

FV_REGISTER_CLASS(SwipeTableViewCell);

namespace {

constexpr double kMinimumPressDuration = 0.16;
constexpr CGFloat kSectionIndexPadding = 15;
const std::string kStateKeyPath = "state";

NSLayoutConstraintPtr pin(const UIViewPtr& a, NSLayoutAttribute attribute, const UIViewPtr& b,
                          NSLayoutAttribute otherAttribute) {
    return NSLayoutConstraint::constraintWithItem(a, attribute, NSLayoutRelationEqual, b, otherAttribute, 1,
                                                  0);
}

NSLayoutConstraintPtr pin(const UIViewPtr& a, const UIViewPtr& b, NSLayoutAttribute attribute) {
    return pin(a, attribute, b, attribute);
}

}  // namespace

void SwipeTableViewCell::registerMembers(ClassBuilder<SwipeTableViewCell>& b) {
    b.action("scrollViewTapped:", &SwipeTableViewCell::scrollViewTapped);
    b.action("scrollViewPressed:", &SwipeTableViewCell::scrollViewPressed);
    b.action("leftUtilityButtonHandler:", &SwipeTableViewCell::leftUtilityButtonHandler);
    b.action("rightUtilityButtonHandler:", &SwipeTableViewCell::rightUtilityButtonHandler);
    b.object(
        "delegate", [](SwipeTableViewCell& c) { return std::dynamic_pointer_cast<NSObject>(c.delegate()); },
        [](SwipeTableViewCell& c, const NSObjectPtr& o) {
            auto d = std::dynamic_pointer_cast<SwipeTableViewCellDelegate>(o);
            if (o && !d) return false;
            c.setDelegate(d);
            return true;
        });
}

SwipeTableViewCellPtr SwipeTableViewCell::create(UITableViewCellStyle style,
                                                 const std::string& reuseIdentifier) {
    auto cell = std::make_shared<SwipeTableViewCell>(style, reuseIdentifier);
    cell->ensureSetUp();
    return cell;
}

SwipeTableViewCell::SwipeTableViewCell() = default;

SwipeTableViewCell::SwipeTableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier)
    : UITableViewCell(style, reuseIdentifier) {}

SwipeTableViewCell::~SwipeTableViewCell() {
    if (cellScrollView_) cellScrollView_->setDelegate(nullptr);
    removeOldTableViewPanObserver();
}

// The set-up needs the cell's own shared pointer (constraints, weak links), which a constructor
// cannot have; so it runs on creation through create() or on first use.
void SwipeTableViewCell::ensureSetUp() {
    if (setUp_ || !sharedAs<SwipeTableViewCell>()) return;
    setUp_ = true;
    initializer();
}

void SwipeTableViewCell::initializer() {
    auto self = sharedAs<SwipeTableViewCell>();
    layoutUpdating_ = false;
    auto scroller = SwipeCellScrollView::create();
    cellScrollView_ = scroller;
    scroller->setTranslatesAutoresizingMaskIntoConstraints(false);
    scroller->setDelegate(self);
    scroller->setShowsHorizontalScrollIndicator(false);
    scroller->setScrollsToTop(false);
    scroller->setScrollEnabled(true);

    // Starting at the cell's size keeps autoresizing content where it was laid out.
    contentCellView_ = UIView::create(bounds());
    scroller->addSubview(contentCellView_);

    // The built-in content view moves onto the scroller with everything else the cell holds; content
    // given some other way keeps the clip views beside it in the cell.
    std::vector<UIViewPtr> toMove;
    UIView* clipParent = this;
    UIViewPtr first = subviews().empty() ? nullptr : subviews().front();
    if (first && (first == contentView() || first->className() == "UITableViewCellContentView")) {
        toMove = subviews();
        clipParent = scroller.get();
    } else if (first) {
        toMove = first->subviews();
    }
    std::erase(toMove, accessoryView());
    insertSubview(scroller, 0);
    for (auto& view : toMove) contentCellView_->addSubview(view);

    NSLayoutConstraint::activateConstraints(
        {pin(scroller, self, NSLayoutAttributeTop), pin(scroller, self, NSLayoutAttributeBottom),
         pin(scroller, self, NSLayoutAttributeLeft), pin(scroller, self, NSLayoutAttributeRight)});

    tap_ = std::make_shared<UITapGestureRecognizer>();
    tap_->addTarget(self, "scrollViewTapped:");
    tap_->setCancelsTouchesInView(false);
    tap_->setDelegate(self);
    scroller->addGestureRecognizer(tap_);

    longPress_ = std::make_shared<SwipeLongPressGestureRecognizer>();
    longPress_->addTarget(self, "scrollViewPressed:");
    longPress_->setCancelsTouchesInView(false);
    longPress_->setMinimumPressDuration(kMinimumPressDuration);
    longPress_->setDelegate(self);
    scroller->addGestureRecognizer(longPress_);

    leftUtilityClipView_ = UIView::create();
    leftUtilityClipConstraint_ =
        pin(leftUtilityClipView_, NSLayoutAttributeRight, self, NSLayoutAttributeLeft);
    leftUtilityButtonsView_ = SwipeUtilityButtonView::create({}, self, "leftUtilityButtonHandler:");

    rightUtilityClipView_ = UIView::create(bounds());
    rightUtilityClipConstraint_ =
        pin(rightUtilityClipView_, NSLayoutAttributeLeft, self, NSLayoutAttributeRight);
    rightUtilityButtonsView_ = SwipeUtilityButtonView::create({}, self, "rightUtilityButtonHandler:");

    installClip(rightUtilityClipView_, rightUtilityButtonsView_, rightUtilityClipConstraint_, *clipParent,
                false);
    installClip(leftUtilityClipView_, leftUtilityButtonsView_, leftUtilityClipConstraint_, *clipParent, true);
}

void SwipeTableViewCell::installClip(const UIViewPtr& clip,
                                     const std::shared_ptr<SwipeUtilityButtonView>& row,
                                     const NSLayoutConstraintPtr& clipConstraint, UIView& parent, bool left) {
    auto self = sharedAs<SwipeTableViewCell>();
    NSLayoutAttribute edge = left ? NSLayoutAttributeLeft : NSLayoutAttributeRight;
    clipConstraint->setPriority(UILayoutPriorityDefaultHigh);
    clip->setTranslatesAutoresizingMaskIntoConstraints(false);
    clip->setClipsToBounds(true);
    parent.addSubview(clip);
    NSLayoutConstraint::activateConstraints({pin(clip, self, NSLayoutAttributeTop),
                                             pin(clip, self, NSLayoutAttributeBottom), pin(clip, self, edge),
                                             clipConstraint});

    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    clip->addSubview(row);
    // However many buttons there are, some of the content stays in view.
    auto limit = NSLayoutConstraint::constraintWithItem(
        row, NSLayoutAttributeWidth, NSLayoutRelationLessThanOrEqual, contentView(), NSLayoutAttributeWidth,
        1, -SwipeUtilityButtonView::kDefaultButtonWidth);
    NSLayoutConstraint::activateConstraints({pin(row, clip, NSLayoutAttributeTop),
                                             pin(row, clip, NSLayoutAttributeBottom), pin(row, clip, edge),
                                             limit});
}

// Interface files hand the cell its content after construction; it belongs on the scroller too.
void SwipeTableViewCell::adoptLooseSubviews() {
    if (!setUp_) return;
    auto subs = subviews();
    for (auto& view : subs) {
        if (view == cellScrollView_ || view == leftUtilityClipView_ || view == rightUtilityClipView_ ||
            view == accessoryView())
            continue;
        contentCellView_->addSubview(view);
    }
    // A content view replaced by the file leaves the built-in one behind.
    auto inside = contentCellView_->subviews();
    for (auto& view : inside) {
        if (view != contentView() && view->className() == "UITableViewCellContentView")
            view->removeFromSuperview();
    }
}

// ---- buttons ----

void SwipeTableViewCell::setLeftUtilityButtons(const SwipeUtilityButtons& buttons) {
    ensureSetUp();
    if (swipe_isEqualToButtons(buttons, &leftUtilityButtons_)) return;
    setLeftUtilityButtons(buttons, SwipeUtilityButtonView::kDefaultButtonWidth);
}

void SwipeTableViewCell::setRightUtilityButtons(const SwipeUtilityButtons& buttons) {
    ensureSetUp();
    if (swipe_isEqualToButtons(buttons, &rightUtilityButtons_)) return;
    setRightUtilityButtons(buttons, SwipeUtilityButtonView::kDefaultButtonWidth);
}

void SwipeTableViewCell::setLeftUtilityButtons(const SwipeUtilityButtons& buttons, CGFloat buttonWidth) {
    ensureSetUp();
    leftUtilityButtons_ = buttons;
    if (!leftUtilityButtonsView_) return;
    leftUtilityButtonsView_->setUtilityButtons(buttons, buttonWidth);
    leftUtilityButtonsView_->layoutIfNeeded();
    layoutIfNeeded();
}

void SwipeTableViewCell::setRightUtilityButtons(const SwipeUtilityButtons& buttons, CGFloat buttonWidth) {
    ensureSetUp();
    rightUtilityButtons_ = buttons;
    if (!rightUtilityButtonsView_) return;
    rightUtilityButtonsView_->setUtilityButtons(buttons, buttonWidth);
    rightUtilityButtonsView_->layoutIfNeeded();
    layoutIfNeeded();
}

// ---- the table ----

void SwipeTableViewCell::didMoveToSuperview() {
    UITableViewCell::didMoveToSuperview();
    ensureSetUp();
    setContainingTableView(nullptr);
    for (UIView* v = superview(); v; v = v->superview()) {
        if (auto* table = dynamic_cast<UITableView*>(v)) {
            setContainingTableView(table->sharedAs<UITableView>());
            break;
        }
    }
}

void SwipeTableViewCell::removeOldTableViewPanObserver() {
    if (tableViewPan_) tableViewPan_->removeObserver(this, kStateKeyPath);
}

void SwipeTableViewCell::setContainingTableView(const UITableViewPtr& tableView) {
    removeOldTableViewPanObserver();
    tableViewPan_ = tableView ? tableView->panGestureRecognizer() : nullptr;
    containingTableView_ = tableView;
    if (!tableView) return;

    if (auto source = tableView->dataSource()) {
        if (auto titles = source->sectionIndexTitlesForTableView(*tableView)) {
            additionalRightPadding_ = titles->empty() ? 0 : kSectionIndexPadding;
        }
    }
    tableView->setDirectionalLockEnabled(true);
    if (tap_ && tableViewPan_) tap_->requireGestureRecognizerToFail(tableViewPan_);
    if (tableViewPan_) {
        tableViewPan_->addObserver(this, kStateKeyPath,
                                   [this](const Value&, const Value&) { tableViewPanStateChanged(); });
    }
}

void SwipeTableViewCell::tableViewPanStateChanged() {
    auto table = containingTableView();
    if (!table || !tableViewPan_ || tableViewPan_->state() != UIGestureRecognizerStateBegan) return;
    CGPoint location = tableViewPan_->locationInView(table.get());
    CGRect mine = table->convertRectFromView(bounds(), this);
    if (CGRectContainsPoint(mine, location) || cellState_ == kCellStateCenter) return;
    auto d = delegate();
    if (d && d->swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(*this))
        hideUtilityButtonsAnimated(true);
}

// ---- layout ----

void SwipeTableViewCell::awakeFromNib() {
    UITableViewCell::awakeFromNib();
    ensureSetUp();
    adoptLooseSubviews();
}

void SwipeTableViewCell::layoutSubviews() {
    ensureSetUp();
    UITableViewCell::layoutSubviews();
    if (!setUp_) return;
    CGRect content = contentView()->frame();
    CGFloat left = leftUtilityButtonsWidth();
    contentCellView_->setFrame(CGRectMake(left, content.origin.y, content.size.width, content.size.height));
    CGRect frame = this->frame();
    cellScrollView_->setContentSize(
        CGSizeMake(frame.size.width + utilityButtonsPadding(), frame.size.height));
    // A scroll under way (a finger, a deceleration or an animated open or close) decides the offset itself.
    if (!cellScrollView_->isTracking() && !cellScrollView_->isDecelerating() && !scrollAnimating_) {
        setOffsetNow(contentOffsetForCellState(cellState_));
    }
    updateCellState();
}

void SwipeTableViewCell::setFrame(CGRect frame) {
    layoutUpdating_ = true;
    bool widthChanged = frame.size.width != this->frame().size.width;
    UITableViewCell::setFrame(frame);
    if (widthChanged) layoutIfNeeded();
    layoutUpdating_ = false;
}

// ---- the rest of the cell's life ----

void SwipeTableViewCell::prepareForReuse() {
    UITableViewCell::prepareForReuse();
    hideUtilityButtonsAnimated(false);
}

void SwipeTableViewCell::setSelected(bool selected, bool animated) {
    if (leftUtilityButtonsView_) leftUtilityButtonsView_->pushBackgroundColors();
    if (rightUtilityButtonsView_) rightUtilityButtonsView_->pushBackgroundColors();
    UITableViewCell::setSelected(selected, animated);
    if (leftUtilityButtonsView_) leftUtilityButtonsView_->popBackgroundColors();
    if (rightUtilityButtonsView_) rightUtilityButtonsView_->popBackgroundColors();
}

void SwipeTableViewCell::didTransitionToState(unsigned stateMask) {
    UITableViewCell::didTransitionToState(stateMask);
    if (stateMask == UITableViewCellStateDefaultMask) {
        setNeedsLayout();
        layoutIfNeeded();
    }
}

}  // namespace fv
