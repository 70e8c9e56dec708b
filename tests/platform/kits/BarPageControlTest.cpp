#include "platform/kits/BarPageControl.h"

#include <gtest/gtest.h>

#include <cmath>

#include "KitTestSupport.h"

namespace fv {
namespace {

struct ProgressCase {
    long pages;
    double asked, kept;
};

class BarPageControlProgressTest : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(BarPageControlProgressTest, KeepsProgressWithinThePages) {
    auto control = BarPageControl::create({{0, 0}, {200, 20}});
    control->setNumberOfPages(GetParam().pages);
    control->setProgress(GetParam().asked);
    EXPECT_DOUBLE_EQ(control->progress(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, BarPageControlProgressTest,
                         ::testing::Values(ProgressCase{4, 0, 0}, ProgressCase{4, 2.5, 2.5},
                                           ProgressCase{4, 3, 3}, ProgressCase{4, 7, 3},
                                           ProgressCase{4, -1, 0}, ProgressCase{0, 2, 0},
                                           ProgressCase{-3, 2, 0}, ProgressCase{4, std::nan(""), 0}));

class BarPageControlTest : public KitTest {};

TEST_F(BarPageControlTest, HighlightSlidesBetweenBarsWithFractionalProgress) {
    auto control = BarPageControl::create({{0, 0}, {200, 20}});
    control->setNumberOfPages(3);
    EXPECT_EQ(control->activeBarFrame(), control->barFrame(0));
    control->setProgress(2);
    EXPECT_EQ(control->activeBarFrame(), control->barFrame(2));
    control->setProgress(1.5);
    const CGFloat between = (control->barFrame(1).origin.x + control->barFrame(2).origin.x) / 2;
    EXPECT_DOUBLE_EQ(control->activeBarFrame().origin.x, between);
    // Fewer pages pull the progress back onto the last one.
    control->setNumberOfPages(2);
    EXPECT_EQ(control->activeBarFrame(), control->barFrame(1));
    EXPECT_EQ(control->barFrame(2), CGRectZero);
}

TEST_F(BarPageControlTest, InterfaceFilesSetItsMembersByName) {
    auto control = BarPageControl::create();
    EXPECT_TRUE(control->setValueForKey("numberOfPages", Value(5)));
    EXPECT_TRUE(control->setValueForKey("progress", Value(3.0)));
    EXPECT_EQ(control->numberOfPages(), 5);
    EXPECT_DOUBLE_EQ(control->progress(), 3.0);
}

TEST_F(BarPageControlTest, Snapshot) {
    auto backdrop = UIView::create({{0, 0}, {200, 40}});
    backdrop->setBackgroundColor(UIColor::colorWithRed(0.1, 0.2, 0.35, 1));
    auto control = BarPageControl::create({{0, 10}, {200, 20}});
    control->setNumberOfPages(5);
    control->setProgress(1.5);
    control->setIndicatorColor(UIColor::colorWithRed(1, 0.8, 0.2, 1));
    backdrop->addSubview(control);
    EXPECT_TRUE(host.snapshot("bar_page_control", backdrop));
}

}  // namespace
}  // namespace fv
