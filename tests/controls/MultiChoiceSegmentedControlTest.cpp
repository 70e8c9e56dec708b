#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "controls/MultiChoiceSegmentedControl.h"
#include "platform/foundation/NSIndexSet.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {
namespace {

using Call = std::tuple<MultiChoiceSegmentedControl*, bool, std::uint64_t>;

struct RecordingDelegate : MultiChoiceSegmentedControlDelegate {
    void multiChoiceDidChangeValue(MultiChoiceSegmentedControl* control, bool value,
                                   std::uint64_t index) override {
        calls.emplace_back(control, value, index);
    }
    std::vector<Call> calls;
};

std::vector<std::size_t> indexesOf(const NSIndexSet& set) {
    return {set.begin(), set.end()};
}

NSIndexSet indexes(std::initializer_list<std::size_t> list) {
    NSMutableIndexSet set;
    for (std::size_t i : list) set.addIndex(i);
    return set;
}

CGPoint centreOf(const UIViewPtr& view) {
    const CGRect b = view->bounds();
    return view->convertPointToView({CGRectGetMidX(b), CGRectGetMidY(b)}, nullptr);
}

class MultiChoiceSegmentedControlTest : public TestHostFixture {
  protected:
    // A control of `titles` on the host's root screen, drawn once, with the recording delegate.
    MultiChoiceSegmentedControlPtr show(const std::vector<std::string>& titles = {"ATM", "Branch",
                                                                                  "Partner"}) {
        auto control = MultiChoiceSegmentedControl::create(CGRectMake(20, 200, 335, 32));
        for (std::size_t i = 0; i < titles.size(); ++i) control->insertSegmentWithTitle(titles[i], i);
        control->setDelegate(delegate);
        host.rootScreen()->view()->addSubview(control);
        host.runUntilIdle();
        return control;
    }
    // Which segment views show as selected, left to right.
    static std::vector<std::size_t> shown(const MultiChoiceSegmentedControl& control) {
        std::vector<std::size_t> on;
        for (std::size_t i = 0; i < control.sortedSegments().size(); ++i) {
            if (control.sortedSegments()[i]->isSelected()) on.push_back(i);
        }
        return on;
    }
    bool tapSegment(const MultiChoiceSegmentedControlPtr& control, std::size_t i) {
        return host.tap(centreOf(control->segmentViews()[i]));
    }

    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
};

TEST_F(MultiChoiceSegmentedControlTest, TapsToggleButTheLastSelectedStays) {
    auto control = show();
    control->setSelectedSegmentIndexes(indexes({0, 2}));
    ASSERT_TRUE(tapSegment(control, 2));
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{0}));
    ASSERT_TRUE(tapSegment(control, 0));
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{0}));
    EXPECT_EQ(delegate->calls, (std::vector<Call>{{control.get(), false, 2}}));
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{0}));
    EXPECT_EQ(control->UISegmentedControl::selectedSegmentIndex(), UISegmentedControlNoSegment);
}

TEST_F(MultiChoiceSegmentedControlTest, TapOnNothingSelectedSelectsAndTells) {
    auto control = show();
    ASSERT_TRUE(tapSegment(control, 1));
    ASSERT_TRUE(tapSegment(control, 2));
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(delegate->calls, (std::vector<Call>{{control.get(), true, 1}, {control.get(), true, 2}}));
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(control->selectedSegmentTitles(), (std::vector<std::string>{"Branch", "Partner"}));
}

TEST_F(MultiChoiceSegmentedControlTest, TapWithoutDelegateStillToggles) {
    auto control = show();
    delegate.reset();
    ASSERT_TRUE(tapSegment(control, 0));
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{0}));
}

TEST_F(MultiChoiceSegmentedControlTest, SettingTheSelectionDropsIndexesBeyondTheSegmentsAndTellsNobody) {
    auto control = show();
    control->setSelectedSegmentIndexes(indexes({0, 5}));
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{0}));
    control->selectAllSegments(true);
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{0, 1, 2}));
    control->selectAllSegments(false);
    EXPECT_EQ(control->selectedSegmentIndexes().count(), 0u);
    EXPECT_TRUE(delegate->calls.empty());
}

TEST_F(MultiChoiceSegmentedControlTest, SelectedIndexIsTheLowestOrMinusOne) {
    auto control = show();
    control->setSelectedSegmentIndexes(indexes({1, 2}));
    EXPECT_EQ(control->selectedSegmentIndex(), 1);
    control->setSelectedSegmentIndexes(NSIndexSet());
    EXPECT_EQ(control->selectedSegmentIndex(), -1);
    control->setSelectedSegmentIndex(2);
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{2}));
    for (long none : {-1L, -7L}) {
        control->setSelectedSegmentIndex(none);
        EXPECT_EQ(control->selectedSegmentIndexes().count(), 0u);
    }
}

TEST_F(MultiChoiceSegmentedControlTest, InsertingShiftsTheSelectionUp) {
    auto control = show();
    control->setSelectedSegmentIndexes(indexes({0, 1}));
    control->insertSegmentWithTitle("Kiosk", 0);
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(control->selectedSegmentTitles(), (std::vector<std::string>{"ATM", "Branch"}));
    EXPECT_EQ(control->sortedSegments().size(), 4u);
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{1, 2}));
}

struct RemovalCase {
    std::vector<std::size_t> before;
    std::size_t removed;
    std::vector<std::size_t> after;
};

class MultiChoiceRemoval : public MultiChoiceSegmentedControlTest,
                           public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(MultiChoiceRemoval, KeepsTheIndexesBelowShiftsThoseAboveAndDropsTheRemoved) {
    const auto& c = GetParam();
    auto control = show({"A", "B", "C", "D"});
    NSMutableIndexSet before;
    for (std::size_t i : c.before) before.addIndex(i);
    control->setSelectedSegmentIndexes(before);
    control->removeSegmentAtIndex(c.removed);
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), c.after);
    EXPECT_EQ(shown(*control), c.after);
    EXPECT_EQ(control->sortedSegments().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Seams, MultiChoiceRemoval,
                         ::testing::Values(RemovalCase{{0, 1, 2, 3}, 1, {0, 1, 2}}, RemovalCase{{2}, 1, {1}},
                                           RemovalCase{{1}, 2, {1}}, RemovalCase{{2}, 2, {}},
                                           RemovalCase{{0, 3}, 0, {2}},
                                           RemovalCase{{0, 3}, 9, {0}}));  // clamped to the last

TEST_F(MultiChoiceSegmentedControlTest, AnimatedRemovalSortsAgainOnceSettled) {
    auto control = show({"A", "B", "C"});
    control->setSelectedSegmentIndexes(indexes({0, 2}));
    control->removeSegmentAtIndex(0, true);
    EXPECT_EQ(indexesOf(control->selectedSegmentIndexes()), (std::vector<std::size_t>{1}));
    host.advance(0.5);
    EXPECT_EQ(control->sortedSegments().size(), 2u);
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{1}));
    EXPECT_EQ(control->selectedSegmentTitles(), (std::vector<std::string>{"C"}));
}

TEST_F(MultiChoiceSegmentedControlTest, RemovingAllLeavesNothingSelectedAndNoneIsHarmless) {
    auto control = show();
    control->selectAllSegments(true);
    control->removeAllSegments();
    EXPECT_EQ(control->selectedSegmentIndexes().count(), 0u);
    EXPECT_TRUE(control->sortedSegments().empty());
    control->removeAllSegments();
    control->removeSegmentAtIndex(0);
    EXPECT_EQ(control->numberOfSegments(), 0u);
    control->insertSegmentWithTitle("ATM", 0);
    ASSERT_TRUE(tapSegment(control, 0));
    EXPECT_EQ(control->selectedSegmentTitles(), (std::vector<std::string>{"ATM"}));
}

TEST_F(MultiChoiceSegmentedControlTest, UntitledSegmentsAreSkippedInTitles) {
    auto control = show({"ATM"});
    control->insertSegmentWithImage(std::make_shared<UIImage>(), 1);
    control->insertSegmentWithTitle("Partner", 2);
    control->selectAllSegments(true);
    EXPECT_EQ(control->selectedSegmentTitles(), (std::vector<std::string>{"ATM", "Partner"}));
}

TEST_F(MultiChoiceSegmentedControlTest, OnlySegmentViewsAreSortedByTheirPosition) {
    auto control = show();
    control->addSubview(UIView::create(CGRectMake(0, 0, 4, 4)));
    control->insertSegmentWithTitle("Kiosk", 3);
    ASSERT_EQ(control->sortedSegments().size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_LT(control->sortedSegments()[i - 1]->frame().origin.x,
                  control->sortedSegments()[i]->frame().origin.x);
    }
}

TEST_F(MultiChoiceSegmentedControlTest, LayoutKeepsTheMultipleSelectionShown) {
    auto control = show();
    control->setSelectedSegmentIndexes(indexes({0, 2}));
    control->setFrame(CGRectMake(10, 200, 300, 32));
    control->setNeedsLayout();
    host.runUntilIdle();
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{0, 2}));
}

TEST_F(MultiChoiceSegmentedControlTest, FromAnInterfaceFileTapsSelectSeveral) {
    auto nib = UINib::nibWithXML(R"(<interface>
  <MultiChoiceSegmentedControl id="types" frame="20 200 335 32">
    <segment title="ATM"/><segment title="Branch"/><segment title="Partner"/>
  </MultiChoiceSegmentedControl>
</interface>)",
                                 "MultiChoiceSample");
    auto objects = nib->instantiateWithOwner(nullptr);
    ASSERT_TRUE(nib->errors().empty()) << nib->errors().front();
    ASSERT_EQ(objects.size(), 1u);
    auto control = std::dynamic_pointer_cast<MultiChoiceSegmentedControl>(objects.front());
    ASSERT_NE(control, nullptr);
    control->setDelegate(delegate);
    host.rootScreen()->view()->addSubview(control);
    host.runUntilIdle();
    ASSERT_TRUE(tapSegment(control, 0));
    ASSERT_TRUE(tapSegment(control, 2));
    EXPECT_EQ(control->selectedSegmentTitles(), (std::vector<std::string>{"ATM", "Partner"}));
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(delegate->calls.size(), 2u);
}

TEST_F(MultiChoiceSegmentedControlTest, IsNeverMomentary) {
    auto nib = UINib::nibWithXML(R"(<interface>
  <MultiChoiceSegmentedControl id="types" frame="20 200 335 32" momentary="YES">
    <segment title="ATM"/><segment title="Branch"/><segment title="Partner"/>
  </MultiChoiceSegmentedControl>
</interface>)",
                                 "MultiChoiceMomentary");
    auto objects = nib->instantiateWithOwner(nullptr);
    ASSERT_TRUE(nib->errors().empty()) << nib->errors().front();
    ASSERT_EQ(objects.size(), 1u);
    auto loaded = std::dynamic_pointer_cast<MultiChoiceSegmentedControl>(objects.front());
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->isMomentary());

    auto control = show();
    control->setMomentary(true);
    EXPECT_FALSE(control->isMomentary());
    static_cast<UISegmentedControl&>(*control).setMomentary(true);
    EXPECT_FALSE(control->isMomentary());
    EXPECT_TRUE(control->setValueForKey("momentary", Value(true)));
    EXPECT_FALSE(control->valueForKey("momentary").boolValue());
    ASSERT_TRUE(tapSegment(control, 0));
    ASSERT_TRUE(tapSegment(control, 2));
    EXPECT_EQ(shown(*control), (std::vector<std::size_t>{0, 2}));
}

TEST_F(MultiChoiceSegmentedControlTest, SnapshotTwoOfThreeSelected) {
    auto control = show();
    control->setSelectedSegmentIndexes(indexes({0, 2}));
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("MultiChoiceSegmentedTwoOfThree", control));
}

}  // namespace
}  // namespace fv
