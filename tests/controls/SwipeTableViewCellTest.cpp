#include <gtest/gtest.h>

#include "controls/NSArraySwipeUtilityButtons.h"
#include "controls/SwipeTableViewCell.h"
#include "controls/SwipeUtilityButtonView.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

constexpr CGFloat kRowHeight = 75;

// Table data source, table delegate and cell delegate at once, recording what it hears.
class SwipeList : public NSObject,
                  public UITableViewDataSource,
                  public UITableViewDelegate,
                  public SwipeTableViewCellDelegate {
  public:
    long rows = 20;
    int leftButtons = 0;
    int rightButtons = 2;
    CGFloat buttonWidth = 60;
    bool sectionIndex = false;
    bool hideOthers = true;

    std::vector<NSIndexPath> selected;
    std::vector<NSIndexPath> deselected;
    std::vector<std::pair<long, std::int64_t>> triggered;  // row, index (right side)
    std::vector<std::pair<long, SwipeCellState>> scrollingTo;
    int endedScrolling = 0;

    long tableViewNumberOfRowsInSection(UITableView&, long) override { return rows; }
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& table, const NSIndexPath& path) override {
        auto cell =
            std::dynamic_pointer_cast<SwipeTableViewCell>(table.dequeueReusableCellWithIdentifier("swipe"));
        if (!cell) cell = SwipeTableViewCell::create(UITableViewCellStyleDefault, "swipe");
        cell->setTag(path.row);
        cell->setDelegate(std::dynamic_pointer_cast<SwipeTableViewCellDelegate>(shared_from_this()));
        SwipeUtilityButtons left, right;
        for (int i = 0; i < leftButtons; ++i)
            swipe_addUtilityButtonWithColor(left, UIColor::blackColor(), "L");
        for (int i = 0; i < rightButtons; ++i) {
            swipe_addUtilityButtonWithColor(right, UIColor::colorWithWhite(0.1 * i, 1),
                                            "R" + std::to_string(i));
        }
        cell->setLeftUtilityButtons(left, buttonWidth);
        cell->setRightUtilityButtons(right, buttonWidth);
        return cell;
    }
    std::optional<std::vector<std::string>> sectionIndexTitlesForTableView(UITableView&) override {
        if (!sectionIndex) return std::nullopt;
        return std::vector<std::string>{"A", "B"};
    }
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView&, const NSIndexPath&) override {
        return kRowHeight;
    }
    void tableViewDidSelectRowAtIndexPath(UITableView&, const NSIndexPath& path) override {
        selected.push_back(path);
    }
    void tableViewDidDeselectRowAtIndexPath(UITableView&, const NSIndexPath& path) override {
        deselected.push_back(path);
    }

    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SwipeTableViewCell& cell,
                                                                     std::int64_t index) override {
        triggered.emplace_back(cell.tag(), index);
    }
    void swipeableTableViewCellScrollingToState(SwipeTableViewCell& cell, SwipeCellState state) override {
        scrollingTo.emplace_back(cell.tag(), state);
    }
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SwipeTableViewCell&) override {
        return hideOthers;
    }
    void swipeableTableViewCellDidEndScrolling(SwipeTableViewCell&) override { ++endedScrolling; }
};

class SwipeTableViewCellTest : public TestHostFixture {
  protected:
    void open(const std::function<void(SwipeList&)>& configure = nullptr) {
        list = std::make_shared<SwipeList>();
        if (configure) configure(*list);
        table = UITableView::create(CGRectMake(0, 0, 375, 667));
        table->setDataSource(list);
        table->setDelegate(list);
        host.window()->addSubview(table);
        host.runUntilIdle();
    }

    SwipeTableViewCellPtr cell(long row) {
        return std::dynamic_pointer_cast<SwipeTableViewCell>(table->cellForRowAtIndexPath({0, row}));
    }

    // A horizontal drag across the middle of a row's content; negative dx moves the content left.
    void swipe(long row, CGFloat dx, double velocity) {
        auto c = cell(row);
        ASSERT_TRUE(c);
        CGPoint start = dx < 0 ? CGPointMake(250, kRowHeight / 2) : CGPointMake(100, kRowHeight / 2);
        ASSERT_TRUE(host.drag(c, start, CGPointMake(start.x + dx, start.y), velocity));
        host.advance(1);
    }

    // Where a view shows in the window.
    static CGRect onScreen(const UIViewPtr& v) { return v->convertRectToView(v->bounds(), nullptr); }

    std::shared_ptr<SwipeList> list;
    UITableViewPtr table;
};

TEST_F(SwipeTableViewCellTest, FastSwipeOpensTheRightButtonsBehindTheContent) {
    open();
    swipe(0, -30, 1500);
    auto c = cell(0);
    EXPECT_EQ(c->cellState(), kCellStateRight);
    EXPECT_EQ(c->cellScrollView()->contentOffset(), CGPointMake(120, 0));
    EXPECT_EQ(list->scrollingTo, (std::vector<std::pair<long, SwipeCellState>>{{0, kCellStateRight}}));
    EXPECT_GE(list->endedScrolling, 1);
    EXPECT_EQ(onScreen(c->contentView()).origin.x, -120);

    // The two buttons fill the uncovered 120 points, in order, each 60 wide.
    ASSERT_FALSE(c->rightUtilityClipView()->isHidden());
    const auto& buttons = c->rightUtilityButtons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(onScreen(buttons[0]), CGRectMake(255, 0, 60, kRowHeight));
    EXPECT_EQ(onScreen(buttons[1]), CGRectMake(315, 0, 60, kRowHeight));
}

struct SlowCase {
    CGFloat drag;
    SwipeCellState expected;
};

class SwipeSlowReleaseTest : public SwipeTableViewCellTest, public ::testing::WithParamInterface<SlowCase> {};

// At 20 points per second the release adds about 10 points of momentum to the drag.
TEST_P(SwipeSlowReleaseTest, OpensOnlyPastHalfTheButtons) {
    open();
    swipe(0, -GetParam().drag, 20);
    EXPECT_EQ(cell(0)->cellState(), GetParam().expected);
    EXPECT_EQ(cell(0)->cellScrollView()->contentOffset(),
              cell(0)->contentOffsetForCellState(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Drags, SwipeSlowReleaseTest,
                         ::testing::Values(SlowCase{80, kCellStateRight}, SlowCase{40, kCellStateCenter}));

// The snap rule itself, on exact targets: two right buttons of 60 points and no left ones.
TEST_F(SwipeTableViewCellTest, SlowSnapThresholdIsHalfTheRightWidth) {
    open();
    auto c = cell(0);
    for (auto [target, expected] : {std::pair{60.0, kCellStateCenter}, std::pair{61.0, kCellStateRight},
                                    std::pair{0.0, kCellStateCenter}}) {
        CGPoint proposed{target, 0};
        c->scrollViewWillEndDragging(*c->cellScrollView(), {0.1, 0}, &proposed);
        EXPECT_EQ(c->cellState(), expected) << target;
        EXPECT_EQ(proposed, c->contentOffsetForCellState(expected)) << target;
    }
}

TEST_F(SwipeTableViewCellTest, FastSwipeBackCloses) {
    open([](SwipeList& l) { l.leftButtons = 1; });
    auto c = cell(0);
    c->showLeftUtilityButtonsAnimated(false);
    host.runUntilIdle();
    ASSERT_EQ(c->cellState(), kCellStateLeft);
    EXPECT_EQ(c->cellScrollView()->contentOffset(), CGPointMake(0, 0));
    EXPECT_FALSE(c->leftUtilityClipView()->isHidden());

    swipe(0, -30, 1500);
    EXPECT_EQ(c->cellState(), kCellStateCenter);
    EXPECT_EQ(c->cellScrollView()->contentOffset(), CGPointMake(60, 0));
    EXPECT_TRUE(c->leftUtilityClipView()->isHidden());
    EXPECT_TRUE(c->rightUtilityClipView()->isHidden());
}

struct EmptySideCase {
    const char* name;
    bool sectionIndex;
    CGFloat drag;
    double velocity;
};

class SwipeEmptySideTest : public SwipeTableViewCellTest,
                           public ::testing::WithParamInterface<EmptySideCase> {};

// A side without buttons never opens, not even by the section index's padding.
TEST_P(SwipeEmptySideTest, NeverOpens) {
    const auto& p = GetParam();
    open([&](SwipeList& l) {
        l.leftButtons = 0;
        l.rightButtons = 0;
        l.sectionIndex = p.sectionIndex;
    });
    swipe(0, p.drag, p.velocity);
    EXPECT_EQ(cell(0)->cellState(), kCellStateCenter);
    EXPECT_EQ(cell(0)->cellScrollView()->contentOffset(), CGPointMake(0, 0));
    EXPECT_TRUE(list->selected.empty());
}

INSTANTIATE_TEST_SUITE_P(Drags, SwipeEmptySideTest,
                         ::testing::Values(EmptySideCase{"SlowLeftWithIndexPadding", true, -100, 20},
                                           EmptySideCase{"FastLeft", false, -60, 1500},
                                           EmptySideCase{"SlowRight", false, 100, 20},
                                           EmptySideCase{"FastRight", false, 60, 1500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SwipeTableViewCellTest, SectionIndexOpensFifteenPointsFurther) {
    open([](SwipeList& l) { l.sectionIndex = true; });
    EXPECT_EQ(cell(0)->additionalRightPadding(), 15);
    swipe(0, -30, 1500);
    EXPECT_EQ(cell(0)->cellState(), kCellStateRight);
    EXPECT_EQ(cell(0)->cellScrollView()->contentOffset(), CGPointMake(135, 0));
}

TEST_F(SwipeTableViewCellTest, OpeningOneCellClosesTheOthersWhenTheDelegateAgrees) {
    open();
    swipe(0, -30, 1500);
    swipe(1, -30, 1500);
    EXPECT_EQ(cell(0)->cellState(), kCellStateCenter);
    EXPECT_EQ(cell(1)->cellState(), kCellStateRight);
    EXPECT_EQ(list->scrollingTo.back(), (std::pair<long, SwipeCellState>{0, kCellStateCenter}));

    list->hideOthers = false;
    swipe(2, -30, 1500);
    EXPECT_EQ(cell(1)->cellState(), kCellStateRight);
    EXPECT_EQ(cell(2)->cellState(), kCellStateRight);
}

TEST_F(SwipeTableViewCellTest, TapOnAnOpenCellOnlyClosesIt) {
    open();
    swipe(3, -30, 1500);
    ASSERT_EQ(cell(3)->cellState(), kCellStateRight);
    ASSERT_TRUE(host.tap(CGPointMake(100, 3 * kRowHeight + 30)));
    host.advance(1);
    EXPECT_EQ(cell(3)->cellState(), kCellStateCenter);
    EXPECT_TRUE(list->selected.empty());
    EXPECT_FALSE(table->indexPathForSelectedRow());
}

TEST_F(SwipeTableViewCellTest, TapOnAClosedCellSelectsTheRowExactlyOnce) {
    open();
    ASSERT_TRUE(host.tap(CGPointMake(100, 2 * kRowHeight + 30)));
    host.advance(1);
    EXPECT_EQ(list->selected, std::vector<NSIndexPath>{NSIndexPath::indexPathForRow(2, 0)});
    EXPECT_EQ(table->indexPathForSelectedRow(), NSIndexPath::indexPathForRow(2, 0));
    EXPECT_TRUE(cell(2)->isSelected());

    // A second tap on the selected row deselects it, again once.
    ASSERT_TRUE(host.tap(CGPointMake(100, 2 * kRowHeight + 30)));
    host.advance(1);
    EXPECT_EQ(list->selected.size(), 1u);
    EXPECT_EQ(list->deselected, std::vector<NSIndexPath>{NSIndexPath::indexPathForRow(2, 0)});
}

TEST_F(SwipeTableViewCellTest, ButtonTapReportsItsIndexAndLeavesTheCellOpen) {
    open();
    swipe(1, -30, 1500);
    ASSERT_TRUE(host.tap(cell(1)->rightUtilityButtons()[1]));
    host.advance(1);
    EXPECT_EQ(list->triggered, (std::vector<std::pair<long, std::int64_t>>{{1, 1}}));
    EXPECT_EQ(cell(1)->cellState(), kCellStateRight);
    EXPECT_TRUE(list->selected.empty());

    ASSERT_TRUE(host.tap(cell(1)->rightUtilityButtons()[0]));
    EXPECT_EQ(list->triggered.back(), (std::pair<long, std::int64_t>{1, 0}));
}

TEST_F(SwipeTableViewCellTest, TableDragElsewhereClosesAnOpenCell) {
    open();
    swipe(0, -30, 1500);
    auto c = cell(0);
    ASSERT_EQ(c->cellState(), kCellStateRight);
    ASSERT_TRUE(host.drag(table, CGPointMake(150, 400), CGPointMake(150, 370), 500));
    host.advance(1);
    EXPECT_GT(table->contentOffset().y, 0);
    EXPECT_EQ(c->cellState(), kCellStateCenter);
}

TEST_F(SwipeTableViewCellTest, ShowAndHideReportOnlyEffectiveCalls) {
    open();
    auto c = cell(4);
    c->hideUtilityButtonsAnimated(true);
    EXPECT_TRUE(list->scrollingTo.empty());
    c->showRightUtilityButtonsAnimated(true);
    EXPECT_EQ(c->cellState(), kCellStateCenter);  // only once the content arrives
    host.advance(1);
    EXPECT_EQ(c->cellState(), kCellStateRight);
    c->showRightUtilityButtonsAnimated(true);
    c->hideUtilityButtonsAnimated(true);
    host.advance(1);
    EXPECT_EQ(c->cellState(), kCellStateCenter);
    EXPECT_EQ(list->scrollingTo,
              (std::vector<std::pair<long, SwipeCellState>>{{4, kCellStateRight}, {4, kCellStateCenter}}));
}

TEST_F(SwipeTableViewCellTest, ButtonRowsRebuildOnlyWhenAskedOrDifferentAndNeverCoverAllContent) {
    open();
    auto c = cell(0);
    auto before = c->rightUtilityButtons();
    SwipeUtilityButtons same;
    swipe_addUtilityButtonWithColor(same, UIColor::colorWithWhite(0, 1), "R0");
    swipe_addUtilityButtonWithColor(same, UIColor::colorWithWhite(0.1, 1), "R1");
    c->setRightUtilityButtons(same);
    EXPECT_EQ(c->rightUtilityButtons(), before);

    c->setRightUtilityButtons(same, 60);
    EXPECT_EQ(c->rightUtilityButtons(), same);
    EXPECT_EQ(c->rightUtilityButtonsView()->subviews().size(), 2u);

    SwipeUtilityButtons many;
    for (int i = 0; i < 4; ++i) swipe_addUtilityButtonWithColor(many, UIColor::redColor(), "X");
    c->setRightUtilityButtons(many);
    EXPECT_EQ(c->rightUtilityButtonsWidth(), 375 - 90);

    // Handing the same buttons in again never makes one tap report twice.
    c->setRightUtilityButtons(same, 60);
    c->setRightUtilityButtons(same, 60);
    host.runUntilIdle();
    c->showRightUtilityButtonsAnimated(false);
    host.runUntilIdle();
    ASSERT_TRUE(host.tap(same[0]));
    EXPECT_EQ(list->triggered.size(), 1u);
}

TEST_F(SwipeTableViewCellTest, ReusedCellComesBackClosed) {
    open();
    swipe(0, -30, 1500);
    ASSERT_EQ(cell(0)->cellState(), kCellStateRight);
    auto first = cell(0);
    table->reloadData();
    host.runUntilIdle();
    EXPECT_EQ(first->cellState(), kCellStateCenter);
    EXPECT_EQ(cell(0)->cellState(), kCellStateCenter);
}

// Interface files give a cell its views after construction; they must ride on the scroller too.
TEST(SwipeTableViewCellSetUpTest, ContentGivenAfterConstructionMovesWithTheScroller) {
    auto c = std::make_shared<SwipeTableViewCell>();
    c->setFrame(CGRectMake(0, 0, 375, kRowHeight));
    auto label = UIView::create(CGRectMake(20, 10, 200, 20));
    c->addSubview(label);
    auto accessory = UIView::create(CGRectMake(0, 0, 20, 20));
    c->setAccessoryView(accessory);
    c->awakeFromNib();
    ASSERT_TRUE(c->cellScrollView());
    EXPECT_EQ(c->subviews().front(), c->cellScrollView());
    EXPECT_TRUE(label->isDescendantOfView(c->cellScrollView().get()));
    EXPECT_TRUE(c->contentView()->isDescendantOfView(c->cellScrollView().get()));
    EXPECT_EQ(accessory->superview(), c.get());
    EXPECT_EQ(label->frame(), CGRectMake(20, 10, 200, 20));
}

TEST(SwipeUtilityButtonsTest, EqualityComparesColoursTitlesAndImages) {
    SwipeUtilityButtons a, b;
    EXPECT_FALSE(swipe_isEqualToButtons(a, nullptr));
    EXPECT_TRUE(swipe_isEqualToButtons(a, &b));
    swipe_addUtilityButtonWithColor(a, UIColor::redColor(), "Delete");
    swipe_addUtilityButtonWithColor(b, UIColor::redColor(), "Delete");
    EXPECT_TRUE(swipe_isEqualToButtons(a, &b));
    EXPECT_EQ(*a[0]->titleColorForState(UIControlStateNormal), *UIColor::whiteColor());
    EXPECT_TRUE(a[0]->titleLabel()->adjustsFontSizeToFitWidth());

    b[0]->setTitle("Remove", UIControlStateNormal);
    EXPECT_FALSE(swipe_isEqualToButtons(a, &b));
    b[0]->setTitle("Delete", UIControlStateNormal);
    b[0]->setBackgroundColor(UIColor::blackColor());
    EXPECT_FALSE(swipe_isEqualToButtons(a, &b));
    EXPECT_FALSE(swipe_button(a[0], nullptr));

    SwipeUtilityButtons icons;
    auto icon = std::make_shared<UIImage>();
    swipe_addUtilityButtonWithColor(icons, UIColor::blueColor(), icon);
    EXPECT_EQ(icons[0]->imageForState(UIControlStateNormal), icon);
    EXPECT_FALSE(swipe_isEqualToButtons(icons, &a));
}

}  // namespace
}  // namespace fv
