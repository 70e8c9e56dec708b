#include <gtest/gtest.h>

#include "platform/ui/UINib.h"
#include "tests/platform/ui/support/TableSupport.h"

namespace fv {
namespace {

struct FlowCase {
    const char* name;
    UICollectionViewScrollDirection direction;
    CGSize bounds;
    CGSize item;
    UIEdgeInsets inset;
    CGFloat lineSpacing;
    CGFloat itemSpacing;
    long items;
    CGSize expectedContent;
    std::vector<CGPoint> expectedOrigins;  // of the first items
};

class FlowLayoutGeometryTest : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowLayoutGeometryTest, PlacesItemsAndSizesTheContent) {
    const auto& c = GetParam();
    auto layout = UICollectionViewFlowLayout::create();
    layout->setScrollDirection(c.direction);
    layout->setItemSize(c.item);
    layout->setSectionInset(c.inset);
    layout->setMinimumLineSpacing(c.lineSpacing);
    layout->setMinimumInteritemSpacing(c.itemSpacing);
    auto view = UICollectionView::create({{0, 0}, c.bounds}, layout);
    view->registerClass<CountingItemCell>("Item");
    auto source = std::make_shared<ItemSource>();
    source->items = c.items;
    view->setDataSource(source);
    view->layoutIfNeeded();

    EXPECT_DOUBLE_EQ(view->contentSize().width, c.expectedContent.width);
    EXPECT_DOUBLE_EQ(view->contentSize().height, c.expectedContent.height);
    for (std::size_t i = 0; i < c.expectedOrigins.size(); ++i) {
        auto attributes = view->layoutAttributesForItemAtIndexPath({0, static_cast<long>(i)});
        ASSERT_TRUE(attributes) << i;
        EXPECT_DOUBLE_EQ(attributes->frame.origin.x, c.expectedOrigins[i].x) << "item " << i;
        EXPECT_DOUBLE_EQ(attributes->frame.origin.y, c.expectedOrigins[i].y) << "item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FlowLayoutGeometryTest,
                         ::testing::Values(
                             // A carousel: pitch 320 (item 300 + spacing 20), centred by its side insets.
                             FlowCase{"carousel",
                                      UICollectionViewScrollDirectionHorizontal,
                                      {375, 210},
                                      {300, 200},
                                      {0, 37.5, 0, 37.5},
                                      20,
                                      10,
                                      5,
                                      {37.5 + 5 * 300 + 4 * 20 + 37.5, 210},
                                      {{37.5, 0}, {357.5, 0}, {677.5, 0}}},
                             FlowCase{"negativeInsets",
                                      UICollectionViewScrollDirectionHorizontal,
                                      {375, 210},
                                      {300, 200},
                                      {0, -10, 0, -10},
                                      20,
                                      10,
                                      3,
                                      {-10 + 3 * 300 + 2 * 20 - 10, 210},
                                      {{-10, 0}, {310, 0}}},
                             // Two items per line in 300 points of room; three lines.
                             FlowCase{"verticalWrap",
                                      UICollectionViewScrollDirectionVertical,
                                      {320, 400},
                                      {100, 50},
                                      {10, 10, 10, 10},
                                      10,
                                      10,
                                      5,
                                      {320, 10 + 3 * 50 + 2 * 10 + 10},
                                      {{10, 10}, {120, 10}, {10, 70}, {120, 70}, {10, 130}}},
                             // Columns of two when scrolling sideways.
                             FlowCase{"horizontalColumns",
                                      UICollectionViewScrollDirectionHorizontal,
                                      {200, 100},
                                      {40, 40},
                                      {0, 0, 0, 0},
                                      5,
                                      10,
                                      3,
                                      {40 + 5 + 40, 100},
                                      {{0, 0}, {0, 50}, {45, 0}}},
                             // An item wider than the line still gets a line of its own.
                             FlowCase{"oversized",
                                      UICollectionViewScrollDirectionVertical,
                                      {100, 100},
                                      {150, 30},
                                      {0, 0, 0, 0},
                                      4,
                                      4,
                                      2,
                                      {100, 64},
                                      {{0, 0}, {0, 34}}},
                             FlowCase{"empty",
                                      UICollectionViewScrollDirectionHorizontal,
                                      {100, 100},
                                      {50, 50},
                                      {0, 5, 0, 5},
                                      10,
                                      10,
                                      0,
                                      {10, 100},
                                      {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FlowLayoutDelegateTest, DelegateAnswersOverrideTheLayoutsValues) {
    auto view = UICollectionView::create({{0, 0}, {375, 210}});
    view->registerClass<CountingItemCell>("Item");
    static_cast<UICollectionViewFlowLayout&>(view->collectionViewLayout())
        .setScrollDirection(UICollectionViewScrollDirectionHorizontal);
    auto source = std::make_shared<ItemSource>();
    source->items = 4;
    source->itemSize = CGSize{300, 200};
    source->inset = UIEdgeInsets{0, (375 - 300) * 0.5, 0, (375 - 300) * 0.5};
    source->lineSpacing = 20;
    view->setDataSource(source);
    view->setDelegate(source);
    view->layoutIfNeeded();
    for (long i = 0; i < 4; ++i) {
        auto frame = view->layoutAttributesForItemAtIndexPath({0, i})->frame;
        // Card i is centred at content offset 320 * i.
        EXPECT_DOUBLE_EQ(CGRectGetMidX(frame) - 320 * i, 375 / 2.0);
    }
    EXPECT_DOUBLE_EQ(view->contentSize().width, 37.5 * 2 + 4 * 300 + 3 * 20);

    view->scrollToItemAtIndexPath({0, 2}, UICollectionViewScrollPositionCenteredHorizontally, false);
    EXPECT_DOUBLE_EQ(view->contentOffset().x, 640);
    view->scrollToItemAtIndexPath({0, 3}, UICollectionViewScrollPositionLeft, false);
    EXPECT_DOUBLE_EQ(view->contentOffset().x, view->maximumContentOffset().x);
}

TEST(FlowLayoutNibTest, InterfaceFilesSetTheLayout) {
    UINib::clearLoadErrors();
    auto nib = UINib::nibWithXML(R"(<interface>
        <UICollectionView id="carousel" frame="0 0 375 210">
          <UICollectionViewFlowLayout key="collectionViewLayout" scrollDirection="horizontal" itemSize="300 200"
                                      sectionInset="0 37.5 0 37.5" minimumLineSpacing="20"
                                      minimumInteritemSpacing="5"/>
        </UICollectionView>
      </interface>)",
                                 "Carousel");
    auto objects = nib->instantiateWithOwner(nullptr);
    ASSERT_EQ(objects.size(), 1u);
    auto view = std::dynamic_pointer_cast<UICollectionView>(objects[0]);
    ASSERT_TRUE(view);
    auto* layout = dynamic_cast<UICollectionViewFlowLayout*>(&view->collectionViewLayout());
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->collectionView(), view.get());
    EXPECT_EQ(layout->scrollDirection(), UICollectionViewScrollDirectionHorizontal);
    EXPECT_DOUBLE_EQ(layout->itemSize().width, 300);
    EXPECT_DOUBLE_EQ(layout->itemSize().height, 200);
    EXPECT_DOUBLE_EQ(layout->sectionInset().left, 37.5);
    EXPECT_DOUBLE_EQ(layout->sectionInset().right, 37.5);
    EXPECT_DOUBLE_EQ(layout->minimumLineSpacing(), 20);
    EXPECT_DOUBLE_EQ(layout->minimumInteritemSpacing(), 5);
    EXPECT_TRUE(UINib::loadErrors().empty()) << UINib::loadErrors().front();
}

}  // namespace
}  // namespace fv
