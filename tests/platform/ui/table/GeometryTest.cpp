#include <gtest/gtest.h>

#include "platform/ui/UILabel.h"
#include "tests/platform/ui/support/TableSupport.h"

namespace fv {
namespace {

void expectRect(CGRect actual, CGRect expected) {
    EXPECT_TRUE(CGRectEqualToRect(actual, expected))
        << NSStringFromCGRect(actual) << " != " << NSStringFromCGRect(expected);
}

class TableGeometryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table = UITableView::create({{0, 0}, {320, 200}});
        table->registerClass<CountingCell>("Row");
        source = std::make_shared<TableSource>();
        table->setDelegate(source);
    }
    UITableViewPtr table;
    std::shared_ptr<TableSource> source;
};

TEST_F(TableGeometryTest, ContentSizeAddsUpHeadersRowsFootersAndTableViews) {
    EXPECT_DOUBLE_EQ(table->rowHeight(), 44);
    table->setRowHeight(50);
    source->rows = {3, 2};
    source->headerHeights = {{0, 30}, {1, 0}};
    source->footerHeights = {{0, 10}, {1, 20}};
    source->rowHeights = {{{1, 1}, 100}};
    table->setTableHeaderView(UIView::create({{0, 0}, {10, 40}}));
    table->setTableFooterView(UIView::create({{0, 0}, {10, 15}}));
    table->setDataSource(source);
    table->reloadData();

    EXPECT_DOUBLE_EQ(table->contentSize().height, 415);
    EXPECT_DOUBLE_EQ(table->contentSize().width, 320);
    expectRect(table->rectForHeaderInSection(0), {{0, 40}, {320, 30}});
    expectRect(table->rectForRowAtIndexPath({0, 0}), {{0, 70}, {320, 50}});
    expectRect(table->rectForFooterInSection(0), {{0, 220}, {320, 10}});
    expectRect(table->rectForRowAtIndexPath({1, 1}), {{0, 280}, {320, 100}});
    expectRect(table->rectForFooterInSection(1), {{0, 380}, {320, 20}});
    expectRect(table->rectForRowAtIndexPath({1, 2}), CGRectZero);
    EXPECT_EQ(table->indexPathForRowAtPoint({5, 300}), (NSIndexPath{1, 1}));
    EXPECT_EQ(table->indexPathForRowAtPoint({5, 225}), std::nullopt);  // a footer

    table->layoutIfNeeded();
    expectRect(table->tableHeaderView()->frame(), {{0, 0}, {320, 40}});
    expectRect(table->tableFooterView()->frame(), {{0, 400}, {320, 15}});
}

TEST_F(TableGeometryTest, AnEmptyFooterViewAddsNothingAndRowsStillShow) {
    table->setDataSource(source);
    table->setTableFooterView(UIView::create());
    table->reloadData();
    EXPECT_DOUBLE_EQ(table->contentSize().height, 20 * 44.0);
    EXPECT_EQ(table->visibleCells().size(), 5u);
}

TEST_F(TableGeometryTest, SectionHeadersAreAskedForWhenTheyComeIntoView) {
    source->rows = {5, 5, 5};
    source->headerHeights = {{0, 20}, {1, 20}, {2, 20}};
    source->headerView = [](long section) { return section == 1 ? nullptr : UIView::create(); };
    source->headerTitles = {{1, "Second"}};
    table->setDataSource(source);
    table->layoutIfNeeded();
    EXPECT_EQ(source->calls, (std::vector<std::string>{"viewForHeader 0"}));
    auto first = table->headerViewForSection(0);
    ASSERT_TRUE(first);
    expectRect(first->frame(), {{0, 0}, {320, 20}});

    // Section 1 starts at 240: its titled header becomes a label; section 0's leaves.
    table->setContentOffset({0, 150});
    table->layoutIfNeeded();
    EXPECT_EQ(table->headerViewForSection(0), nullptr);
    EXPECT_EQ(first->superview(), nullptr);
    auto second = table->headerViewForSection(1);
    ASSERT_TRUE(second);
    ASSERT_EQ(second->subviews().size(), 1u);
    auto label = std::dynamic_pointer_cast<UILabel>(second->subviews()[0]);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), "Second");
}

TEST_F(TableGeometryTest, AnUnansweredTitledHeaderIsTwentyEightPointsHigh) {
    struct TitleSource : TableSource {};
    auto titled = std::make_shared<TitleSource>();
    titled->headerTitles = {{0, "First"}};
    table->setDelegate(nullptr);
    table->setDataSource(titled);
    EXPECT_DOUBLE_EQ(table->rectForHeaderInSection(0).size.height, 28);
    EXPECT_DOUBLE_EQ(table->contentSize().height, 28 + 20 * 44.0);
}

struct ScrollCase {
    UITableViewScrollPosition position;
    long row;
    CGFloat startOffset;
    CGFloat expectedOffset;
};

class TableScrollToRowTest : public TableGeometryTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(TableScrollToRowTest, PutsTheRowWhereAskedWithinTheValidRange) {
    const auto& c = GetParam();
    table->setDataSource(source);  // 20 rows of 44 in 200 points: offsets 0 ... 680
    table->setContentOffset({0, c.startOffset});
    table->scrollToRowAtIndexPath({0, c.row}, c.position, false);
    EXPECT_DOUBLE_EQ(table->contentOffset().y, c.expectedOffset);
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, c.row}));
}

INSTANTIATE_TEST_SUITE_P(Positions, TableScrollToRowTest,
                         ::testing::Values(ScrollCase{UITableViewScrollPositionTop, 5, 0, 220},
                                           ScrollCase{UITableViewScrollPositionMiddle, 5, 0, 142},
                                           ScrollCase{UITableViewScrollPositionBottom, 5, 0, 64},
                                           ScrollCase{UITableViewScrollPositionNone, 2, 0, 0},
                                           ScrollCase{UITableViewScrollPositionNone, 5, 0, 64},
                                           ScrollCase{UITableViewScrollPositionNone, 5, 400, 220},
                                           ScrollCase{UITableViewScrollPositionTop, 19, 0, 680},
                                           ScrollCase{UITableViewScrollPositionBottom, 0, 300, 0}));

}  // namespace
}  // namespace fv
