#include <gtest/gtest.h>

#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"
#include "tests/platform/ui/support/TableSupport.h"

namespace fv {
namespace {

class CollectionTest : public TestHostFixture {
  protected:
    void SetUp() override {
        CountingItemCell::resetCounts();
        layout = UICollectionViewFlowLayout::create();
        layout->setScrollDirection(UICollectionViewScrollDirectionHorizontal);
        layout->setItemSize({300, 200});
        layout->setMinimumLineSpacing(20);
        view = UICollectionView::create({{0, 0}, {375, 210}}, layout);
        view->registerClass<CountingItemCell>("Item");
        source = std::make_shared<ItemSource>();
        view->setDataSource(source);
        view->setDelegate(source);
        host.rootScreen()->view()->addSubview(view);
    }
    UICollectionViewFlowLayoutPtr layout;
    UICollectionViewPtr view;
    std::shared_ptr<ItemSource> source;
};

TEST_F(CollectionTest, CellsComeAtTheLayoutPassAfterAReloadNeverInsideIt) {
    EXPECT_EQ(source->cellRequests, 0);
    host.runUntilIdle();
    EXPECT_EQ(source->cellRequests, 2);  // 0 - 300 and 320 - 620 meet the 375-point bounds
    auto before = view->visibleCells();

    source->items = 1;
    view->reloadData();
    EXPECT_EQ(source->cellRequests, 2);
    EXPECT_EQ(view->visibleCells(), before);

    host.runUntilIdle();
    EXPECT_EQ(source->cellRequests, 3);
    ASSERT_EQ(view->indexPathsForVisibleItems(), (std::vector<NSIndexPath>{{0, 0}}));
    EXPECT_EQ(CountingItemCell::created, 2);
    EXPECT_EQ(CountingItemCell::reuses, 1);
}

TEST_F(CollectionTest, InvalidatingFromTheLayoutsOwnPassIsDroppedNotRepeated) {
    source->onNumberOfSections = [](UICollectionView& v) { v.collectionViewLayout().invalidateLayout(); };
    host.runUntilIdle();
    int prepared = layout->prepareCount();
    EXPECT_EQ(prepared, 1);

    view->reloadData();
    host.runUntilIdle();
    EXPECT_EQ(layout->prepareCount(), prepared + 1);

    // From outside the pass it counts: one more preparation, then quiet again.
    view->collectionViewLayout().invalidateLayout();
    host.runUntilIdle();
    host.runUntilIdle();
    EXPECT_EQ(layout->prepareCount(), prepared + 2);
}

TEST_F(CollectionTest, InvalidatingAfterEveryControllerLayoutSettles) {
    struct Controller : UIResponder, ViewControllerHooks {
        UICollectionView* view = nullptr;
        int passes = 0;
        void viewDidLayoutSubviews() override {
            ++passes;
            view->collectionViewLayout().invalidateLayout();
        }
    };
    auto controller = std::make_shared<Controller>();
    controller->view = view.get();
    auto root = host.rootScreen()->view();
    root->setViewDelegate(controller);
    source->onNumberOfSections = [](UICollectionView& v) { v.collectionViewLayout().invalidateLayout(); };
    root->setNeedsLayout();
    host.runUntilIdle();
    EXPECT_EQ(controller->passes, 1);
    EXPECT_EQ(layout->prepareCount(), 1);
    EXPECT_EQ(view->visibleCells().size(), 2u);
    root->setViewDelegate({});
}

TEST_F(CollectionTest, ScrollingAcrossManyItemsReusesCells) {
    source->items = 200;
    host.runUntilIdle();
    for (CGFloat x = 0; x <= view->maximumContentOffset().x; x += 45) {
        view->setContentOffset({x, 0});
        host.runUntilIdle();
        for (const auto& cell : view->visibleCells())
            EXPECT_EQ(cell->tag(), view->indexPathForCell(cell.get())->item());
    }
    EXPECT_LE(CountingItemCell::created, 3);
    EXPECT_EQ(CountingItemCell::created + CountingItemCell::reuses, source->cellRequests);
    EXPECT_EQ(view->indexPathsForVisibleItems().back(), (NSIndexPath{0, 199}));
    EXPECT_EQ(view->cellForItemAtIndexPath({0, 0}), nullptr);
}

TEST_F(CollectionTest, ALaterRegistrationReplacesTheEarlierAndNibCellsAwakeOnce) {
    auto nib = UINib::nibWithXML(
        R"(<interface><CountingItemCell><UIView frame="0 0 10 10"/></CountingItemCell></interface>)",
        "CountingItemCell");
    view->registerClass<UICollectionViewCell>("Item");
    view->registerNib(nib, "Item");
    source->items = 40;
    host.runUntilIdle();
    for (const auto& cell : view->visibleCells()) EXPECT_TRUE(cell->isKindOfClass("CountingItemCell"));
    view->setContentOffset({3000, 0});
    host.runUntilIdle();
    view->setContentOffset({6000, 0});
    host.runUntilIdle();
    EXPECT_GT(CountingItemCell::reuses, 0);
    EXPECT_EQ(CountingItemCell::awakes, CountingItemCell::created);
}

TEST_F(CollectionTest, AnUnregisteredIdentifierGivesAPlainCellAndALogLine) {
    LogCapture log;
    source->identifier = "Nobody";
    host.runUntilIdle();
    EXPECT_EQ(view->visibleCells().size(), 2u);
    EXPECT_TRUE(log.contains("no cell registered for identifier `Nobody`"));
}

TEST_F(CollectionTest, ATapSelectsTheItem) {
    host.runUntilIdle();
    auto second = view->cellForItemAtIndexPath({0, 1});
    ASSERT_TRUE(second);
    ASSERT_TRUE(host.tap(CGPoint{340, 100}));
    EXPECT_EQ(source->selected, (std::vector<NSIndexPath>{{0, 1}}));
    EXPECT_TRUE(second->isSelected());
    EXPECT_FALSE(second->isHighlighted());
    ASSERT_TRUE(host.tap(CGPoint{100, 100}));
    EXPECT_FALSE(second->isSelected());
    EXPECT_EQ(view->indexPathForSelectedItem(), (NSIndexPath{0, 0}));
}

}  // namespace
}  // namespace fv
