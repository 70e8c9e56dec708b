#include <gtest/gtest.h>

#include <set>

#include "platform/foundation/Log.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINib.h"
#include "tests/platform/ui/support/TableSupport.h"

namespace fv {
namespace {

class TableReuseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CountingCell::resetCounts();
        UINib::clearLoadErrors();
        table = UITableView::create({{0, 0}, {320, 440}});
        source = std::make_shared<TableSource>();
        table->setDataSource(source);
        table->setDelegate(source);
    }
    void scrollTo(CGFloat y) {
        table->setContentOffset({0, y});
        table->layoutIfNeeded();
    }
    UITableViewPtr table;
    std::shared_ptr<TableSource> source;
};

TEST_F(TableReuseTest, DequeueGivesNoneUntilACellIsRegisteredOrQueued) {
    EXPECT_EQ(table->dequeueReusableCellWithIdentifier("Row"), nullptr);
    {
        LogCapture log;
        table->registerClass("NoSuchCell", "Row");
        EXPECT_TRUE(log.contains("NoSuchCell"));
    }
    EXPECT_EQ(table->dequeueReusableCellWithIdentifier("Row"), nullptr);

    table->registerClass<CountingCell>("Row");
    auto cell = table->dequeueReusableCellWithIdentifier("Row");
    ASSERT_TRUE(cell);
    EXPECT_TRUE(cell->isKindOfClass("CountingCell"));
    EXPECT_EQ(cell->reuseIdentifier(), "Row");
    EXPECT_EQ(table->dequeueReusableCellWithIdentifier("Other"), nullptr);
}

TEST_F(TableReuseTest, DequeueWithAnIndexPathNeverGivesNone) {
    LogCapture log;
    auto cell = table->dequeueReusableCellWithIdentifier("Missing", {0, 3});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->reuseIdentifier(), "Missing");
    EXPECT_TRUE(log.contains("no cell registered for identifier `Missing`"));
}

TEST_F(TableReuseTest, ADataSourceGivingNoCellGetsAnEmptyRowAndALogLine) {
    struct NoCells : TableSource {
        UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView&, const NSIndexPath&) override {
            return nullptr;
        }
    };
    auto none = std::make_shared<NoCells>();
    none->rows = {2};
    table->setDataSource(none);
    LogCapture log;
    EXPECT_EQ(table->visibleCells().size(), 2u);
    EXPECT_TRUE(log.contains("gave no cell for row {0, 1}"));
}

TEST_F(TableReuseTest, OnlyRowsIntersectingTheBoundsBecomeCells) {
    table->registerClass<CountingCell>("Row");
    table->layoutIfNeeded();
    EXPECT_EQ(table->visibleCells().size(), 10u);  // 440 / 44, edges touching excluded
    scrollTo(22);
    auto paths = table->indexPathsForVisibleRows();
    ASSERT_EQ(paths.size(), 11u);
    EXPECT_EQ(paths.front(), (NSIndexPath{0, 0}));
    EXPECT_EQ(paths.back(), (NSIndexPath{0, 10}));
    for (const auto& cell : table->visibleCells()) {
        auto indexPath = table->indexPathForCell(cell.get());
        ASSERT_TRUE(indexPath);
        EXPECT_EQ(cell->tag(), indexPath->row);
        EXPECT_TRUE(CGRectEqualToRect(cell->frame(), table->rectForRowAtIndexPath(*indexPath)));
        EXPECT_EQ(cell->superview(), table.get());
    }
}

TEST_F(TableReuseTest, ScrollingALongTableReusesCellsInsteadOfMakingNew) {
    source->rows = {3000};
    table->registerClass<CountingCell>("Row");
    table->reloadData();
    table->layoutIfNeeded();
    EXPECT_DOUBLE_EQ(table->contentSize().height, 3000 * 44.0);
    std::set<long> seenRows;
    for (CGFloat y = 0; y <= table->maximumContentOffset().y; y += 37) {
        scrollTo(y);
        for (const auto& cell : table->visibleCells()) seenRows.insert(cell->tag());
    }
    scrollTo(table->maximumContentOffset().y);
    for (const auto& cell : table->visibleCells()) seenRows.insert(cell->tag());

    EXPECT_EQ(seenRows.size(), 3000u);
    EXPECT_LE(CountingCell::created, 12);  // 11 rows can show at once, plus the one entering
    EXPECT_EQ(CountingCell::created + CountingCell::reuses, source->cellRequests);
    EXPECT_EQ(table->indexPathsForVisibleRows().back(), (NSIndexPath{0, 2999}));
}

TEST_F(TableReuseTest, CellsOnScreenAtAReloadComeBackWithTheirStateAfterPrepareForReuse) {
    table->registerClass<CountingCell>("Row");
    table->layoutIfNeeded();
    std::set<std::string> notes;
    for (const auto& cell : table->visibleCells()) {
        auto counting = std::static_pointer_cast<CountingCell>(cell);
        counting->note = "cell " + std::to_string(cell->tag());
        notes.insert(counting->note);
    }
    int created = CountingCell::created;

    table->reloadData();
    EXPECT_TRUE(table->subviews().empty());
    table->layoutIfNeeded();
    EXPECT_EQ(CountingCell::created, created);
    EXPECT_EQ(CountingCell::reuses, created);
    std::set<std::string> notesAfter;
    for (const auto& cell : table->visibleCells())
        notesAfter.insert(std::static_pointer_cast<CountingCell>(cell)->note);
    EXPECT_EQ(notesAfter, notes);
}

TEST_F(TableReuseTest, IndexPathForCellIsNoneOnceItsRowLeftTheScreen) {
    table->registerClass<CountingCell>("Row");
    auto first = table->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(first);
    EXPECT_EQ(table->indexPathForCell(first.get()), (NSIndexPath{0, 0}));

    // Row 0 leaves and its cell is handed out again for a row that came into view.
    scrollTo(300);
    EXPECT_EQ(table->cellForRowAtIndexPath({0, 0}), nullptr);
    auto now = table->indexPathForCell(first.get());
    ASSERT_TRUE(now);
    EXPECT_EQ(now->row, first->tag());
    EXPECT_GE(now->row, 10);

    // Past the content nothing is visible and the queued cell belongs to no row.
    scrollTo(5000);
    EXPECT_EQ(table->indexPathForCell(first.get()), std::nullopt);
    EXPECT_EQ(first->superview(), nullptr);
    EXPECT_TRUE(table->visibleCells().empty());
    EXPECT_EQ(table->indexPathForCell(nullptr), std::nullopt);
}

TEST_F(TableReuseTest, NibCellsAwakeOnCreationOnlyAndKeepTheirContentView) {
    auto nib = UINib::nibWithXML(R"(<interface>
        <CountingCell selectionStyle="none">
          <UITableViewCellContentView key="contentView">
            <UILabel id="title" frame="15 0 200 44" text="Row"/>
          </UITableViewCellContentView>
          <outlet name="lbl_title" to="@title"/>
        </CountingCell>
      </interface>)",
                                 "CountingCell");
    table->registerNib(nib, "Row");
    table->layoutIfNeeded();
    EXPECT_EQ(CountingCell::awakes, CountingCell::created);
    auto cell = table->cellForRowAtIndexPath({0, 0});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->selectionStyle(), UITableViewCellSelectionStyleNone);
    ASSERT_EQ(cell->subviews().front(), cell->contentView());
    EXPECT_EQ(cell->contentView()->className(), "UITableViewCellContentView");
    ASSERT_EQ(cell->contentView()->subviews().size(), 1u);
    EXPECT_TRUE(cell->contentView()->subviews()[0]->isKindOfClass("UILabel"));
    EXPECT_EQ(std::static_pointer_cast<CountingCell>(cell)->lbl_title.lock(),
              cell->contentView()->subviews()[0]);

    scrollTo(2000);
    source->rows = {100};
    table->reloadData();
    scrollTo(1000);
    EXPECT_GT(CountingCell::reuses, 0);
    EXPECT_EQ(CountingCell::awakes, CountingCell::created);
    EXPECT_TRUE(UINib::loadErrors().empty());
}

TEST_F(TableReuseTest, CellFilesNameTheirReuseIdentifierAndRegistrationReplacesIt) {
    for (std::string cellClass : {"CountingCell", "CountingItemCell"}) {
        auto nib = UINib::nibWithXML("<interface><" + cellClass + " reuseIdentifier=\"Loaded\"/></interface>",
                                     cellClass);
        auto objects = nib->instantiateWithOwner(nullptr);  // outside any table or collection
        ASSERT_EQ(objects.size(), 1u) << cellClass;
        EXPECT_TRUE(nib->errors().empty()) << nib->errors().front();
        EXPECT_EQ(objects[0]->valueForKey("reuseIdentifier").stringValue(), "Loaded") << cellClass;
        if (cellClass == "CountingCell") {
            table->registerNib(nib, "Row");
            auto cell = table->dequeueReusableCellWithIdentifier("Row");
            ASSERT_TRUE(cell);
            EXPECT_EQ(cell->reuseIdentifier(), "Row");
        }
    }
    EXPECT_TRUE(UINib::loadErrors().empty());
}

TEST_F(TableReuseTest, ContentViewStaysTheCellsAfterBeingMoved) {
    auto cell = UITableViewCell::create(UITableViewCellStyleSubtitle, "Row");
    auto content = cell->contentView();
    ASSERT_EQ(cell->subviews().front(), content);
    auto scroller = UIScrollView::create();
    cell->insertSubview(scroller, 0);
    scroller->addSubview(content);
    EXPECT_EQ(cell->contentView(), content);

    auto accessory = UIView::create({{0, 0}, {20, 20}});
    cell->setFrame({{0, 0}, {320, 60}});
    cell->setAccessoryView(accessory);
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->subviews().back(), accessory);
    EXPECT_DOUBLE_EQ(CGRectGetMaxX(content->frame()), CGRectGetMinX(accessory->frame()));
    EXPECT_DOUBLE_EQ(accessory->frame().origin.y, 20);
    EXPECT_EQ(UITableViewCell::create()->detailTextLabel(), nullptr);
    EXPECT_TRUE(cell->detailTextLabel());
}

TEST_F(TableReuseTest, EditingReportsTheNewStateMask) {
    struct Recorder : UITableViewCell {
        std::vector<unsigned> masks;
        void didTransitionToState(unsigned mask) override { masks.push_back(mask); }
    };
    auto cell = std::make_shared<Recorder>();
    cell->setEditing(true, true);
    cell->setEditing(true, false);
    cell->setEditing(false);
    EXPECT_EQ(cell->masks, (std::vector<unsigned>{UITableViewCellStateShowingEditControlMask,
                                                  UITableViewCellStateDefaultMask}));
}

}  // namespace
}  // namespace fv
