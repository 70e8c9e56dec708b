#include <gtest/gtest.h>

#include "platform/testing/TestHost.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITextView.h"
#include "tests/platform/ui/support/TableSupport.h"

namespace fv {
namespace {

class TableSelectionTest : public TestHostFixture {
  protected:
    void SetUp() override {
        table = UITableView::create({{0, 0}, {375, 440}});
        table->registerClass<CountingCell>("Row");
        source = std::make_shared<TableSource>();
        table->setDataSource(source);
        table->setDelegate(source);
        host.rootScreen()->view()->addSubview(table);
        host.runUntilIdle();
        source->calls.clear();
    }
    bool tapRow(long row) { return host.tap(table->cellForRowAtIndexPath({0, row})); }

    UITableViewPtr table;
    std::shared_ptr<TableSource> source;
};

TEST_F(TableSelectionTest, ATapHighlightsThenSelectsThroughTheDelegate) {
    ASSERT_TRUE(tapRow(2));
    EXPECT_EQ(source->calls,
              (std::vector<std::string>{"shouldHighlight 0.2", "willSelect 0.2", "didSelect 0.2"}));
    EXPECT_EQ(table->indexPathForSelectedRow(), (NSIndexPath{0, 2}));
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 2})->isSelected());
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 2})->isHighlighted());

    source->calls.clear();
    ASSERT_TRUE(tapRow(4));
    EXPECT_EQ(source->calls,
              (std::vector<std::string>{"shouldHighlight 0.4", "willSelect 0.4", "willDeselect 0.2",
                                        "didDeselect 0.2", "didSelect 0.4"}));
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 2})->isSelected());
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 4})->isSelected());
}

TEST_F(TableSelectionTest, WillSelectMayRedirectOrRefuse) {
    source->redirect = [](const NSIndexPath&) { return NSIndexPath{0, 5}; };
    tapRow(1);
    EXPECT_EQ(table->indexPathForSelectedRow(), (NSIndexPath{0, 5}));
    EXPECT_EQ(source->calls.back(), "didSelect 0.5");

    source->calls.clear();
    source->redirect = [](const NSIndexPath&) { return std::nullopt; };
    tapRow(3);
    EXPECT_EQ(source->calls, (std::vector<std::string>{"shouldHighlight 0.3", "willSelect 0.3"}));
    EXPECT_EQ(table->indexPathForSelectedRow(), (NSIndexPath{0, 5}));
}

TEST_F(TableSelectionTest, NoHighlightMeansNoSelection) {
    source->highlight = false;
    tapRow(1);
    EXPECT_EQ(source->calls, (std::vector<std::string>{"shouldHighlight 0.1"}));
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);

    source->calls.clear();
    source->highlight = true;
    table->setAllowsSelection(false);
    tapRow(1);
    EXPECT_TRUE(source->calls.empty());
}

TEST_F(TableSelectionTest, ADragAcrossRowsSelectsNothing) {
    table->setContentOffset({0, 0});
    host.drag(table, {100, 300}, {100, 100});
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    for (const auto& call : source->calls) EXPECT_EQ(call.find("didSelect"), std::string::npos) << call;
    for (const auto& cell : table->visibleCells()) EXPECT_FALSE(cell->isHighlighted());
}

TEST_F(TableSelectionTest, ADragOnATableShorterThanItsBoundsStillBegins) {
    // Pull-to-refresh needs the drag although the rows do not fill the table.
    struct DragWatch : TableSource {
        void scrollViewWillBeginDragging(UIScrollView&) override { ++drags; }
        int drags = 0;
    };
    auto watch = std::make_shared<DragWatch>();
    watch->rows = {2};
    table->setDataSource(watch);
    table->setDelegate(watch);
    host.runUntilIdle();
    EXPECT_LE(table->contentSize().height, table->bounds().size.height);
    host.drag(table, {100, 300}, {100, 400});
    EXPECT_EQ(watch->drags, 1);
}

TEST_F(TableSelectionTest, SelectionFromCodeCallsNoDelegateAndFollowsTheRowThroughReuse) {
    table->selectRowAtIndexPath(NSIndexPath{0, 1}, false, UITableViewScrollPositionNone);
    EXPECT_TRUE(source->calls.empty());
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 1})->isSelected());

    table->setContentOffset({0, 400});
    host.runUntilIdle();
    for (const auto& cell : table->visibleCells()) EXPECT_FALSE(cell->isSelected()) << cell->tag();
    table->selectRowAtIndexPath(NSIndexPath{0, 1}, true, UITableViewScrollPositionTop);
    host.advance(1);
    EXPECT_DOUBLE_EQ(table->contentOffset().y, 44);
    EXPECT_TRUE(table->cellForRowAtIndexPath({0, 1})->isSelected());

    table->deselectRowAtIndexPath({0, 1}, true);
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
    EXPECT_FALSE(table->cellForRowAtIndexPath({0, 1})->isSelected());
    EXPECT_TRUE(source->calls.empty());

    table->selectRowAtIndexPath(NSIndexPath{0, 2}, false, UITableViewScrollPositionNone);
    table->reloadData();
    EXPECT_EQ(table->indexPathForSelectedRow(), std::nullopt);
}

}  // namespace
}  // namespace fv

namespace fv {
namespace {

class TextSource : public TableSource {
  public:
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& table,
                                                      const NSIndexPath& indexPath) override {
        auto cell = table.dequeueReusableCellWithIdentifier("Text");
        if (!cell) cell = UITableViewCell::create(UITableViewCellStyleSubtitle, "Text");
        cell->textLabel()->setText("Row " + std::to_string(indexPath.row));
        cell->detailTextLabel()->setText("Section " + std::to_string(indexPath.section));
        return cell;
    }
};

TEST_F(TableSelectionTest, RendersRowsSeparatorsTitledHeadersAndTheSelection) {
    auto text = std::make_shared<TextSource>();
    text->rows = {3, 4};
    text->headerTitles = {{0, "Cards"}, {1, "Accounts"}};
    table->setDataSource(text);
    table->setDelegate(text);
    table->selectRowAtIndexPath(NSIndexPath{0, 1}, false, UITableViewScrollPositionNone);
    host.runUntilIdle();
    EXPECT_TRUE(host.findViewWithText("Accounts"));
    EXPECT_TRUE(host.snapshot("table_rows", table));
}

}  // namespace
}  // namespace fv

namespace fv {
namespace {

// A screen is often a table delegate and a text-view delegate at once, so it reaches
// UIScrollViewDelegate along two paths; naming it as the table's delegate by key must still work.
struct TwoRoleDelegate : NSObject, UITableViewDelegate, UITextViewDelegate {};

TEST(TableDelegateByKeyTest, AnObjectWithSeveralScrollViewRolesBecomesTheDelegate) {
    auto table = UITableView::create({{0, 0}, {320, 200}});
    auto owner = std::make_shared<TwoRoleDelegate>();
    EXPECT_TRUE(table->setObjectForKey("delegate", owner));
    EXPECT_EQ(table->tableDelegate().get(), static_cast<UITableViewDelegate*>(owner.get()));
    EXPECT_FALSE(table->setObjectForKey("delegate", std::make_shared<NSObject>()));
}

}  // namespace
}  // namespace fv
