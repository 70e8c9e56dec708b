#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIProgressView.h"
#include "platform/ui/UISearchBar.h"
#include "platform/ui/UISegmentedControl.h"
#include "tests/platform/ui/controls/Support.h"

namespace fv::testing_controls {
namespace {

// Segments take no touches themselves: the control does, at the segment's place.
CGPoint centreOf(const UIViewPtr& view) {
    const CGRect b = view->bounds();
    return view->convertPointToView({CGRectGetMidX(b), CGRectGetMidY(b)}, nullptr);
}

using Texts = std::vector<std::string>;
using ValueControlsTest = ControlsTest;

TEST_F(ValueControlsTest, SegmentedIndexRules) {
    auto seg = UISegmentedControl::create({"A", "B"});
    EXPECT_EQ(seg->selectedSegmentIndex(), UISegmentedControlNoSegment);
    seg->insertSegmentWithTitle("Z", 99);  // clamped: appended
    seg->insertSegmentWithTitle("0", 0);
    EXPECT_EQ(seg->segmentTitles(), (Texts{"0", "A", "B", "Z"}));

    seg->setSelectedSegmentIndex(2);
    for (long outOfRange : {4L, 17L, -2L}) seg->setSelectedSegmentIndex(outOfRange);
    EXPECT_EQ(seg->selectedSegmentIndex(), 2);
    seg->removeSegmentAtIndex(0);  // the selection stays with "B"
    EXPECT_EQ(seg->selectedSegmentIndex(), 1);
    seg->removeSegmentAtIndex(9);
    EXPECT_EQ(seg->numberOfSegments(), 3u);
    seg->removeSegmentAtIndex(1);  // the selected one
    EXPECT_EQ(seg->selectedSegmentIndex(), UISegmentedControlNoSegment);
    seg->removeAllSegments();
    EXPECT_EQ(seg->numberOfSegments(), 0u);
    EXPECT_TRUE(seg->subviews().empty());
}

TEST_F(ValueControlsTest, SegmentSubviewsAreTheSegmentsAndUserTapsSendValueChanged) {
    auto seg = place(UISegmentedControl::create({"Day", "Week", "Month"}), {{15, 100}, {300, 30}});
    ASSERT_EQ(seg->subviews().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(seg->subviews()[i], seg->segmentViews()[i]);
        EXPECT_DOUBLE_EQ(seg->subviews()[i]->frame().origin.x, 100.0 * static_cast<double>(i));
    }
    auto recorder = std::make_shared<ActionRecorder>();
    seg->addTarget(recorder, "changed:", UIControlEventValueChanged);
    ASSERT_TRUE(host.tap(centreOf(seg->segmentViews()[2])));
    EXPECT_EQ(seg->selectedSegmentIndex(), 2);
    EXPECT_TRUE(seg->segmentViews()[2]->isSelected());
    ASSERT_TRUE(host.tap(centreOf(seg->segmentViews()[2])));  // no change, no event
    EXPECT_EQ(recorder->calls.size(), 1u);
    EXPECT_GT(seg->drawCount(), 0);

    seg->setMomentary(true);
    ASSERT_TRUE(host.tap(centreOf(seg->segmentViews()[0])));
    EXPECT_EQ(recorder->calls.size(), 2u);
    EXPECT_EQ(seg->selectedSegmentIndex(), UISegmentedControlNoSegment);
}

class ProgressClampTest : public ::testing::TestWithParam<std::pair<float, float>> {};

TEST_P(ProgressClampTest, ProgressReadsPinnedToTheUnitRange) {
    auto bar = UIProgressView::create();
    bar->setProgress(GetParam().first, true);
    EXPECT_FLOAT_EQ(bar->progress(), GetParam().second);
    EXPECT_TRUE(bar->setValueForKey("progress", Value(static_cast<double>(GetParam().first))));
    EXPECT_FLOAT_EQ(static_cast<float>(bar->valueForKey("progress").doubleValue()), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, ProgressClampTest,
                         ::testing::Values(std::pair{1.02f, 1.0f}, std::pair{-0.5f, 0.0f},
                                           std::pair{0.3f, 0.3f}, std::pair{NAN, 0.0f}));

class SearchRecorder : public NSObject, public UISearchBarDelegate {
    FV_CLASS(SearchRecorder, NSObject)
    void searchBarTextDidChange(UISearchBar*, const std::string& text) override {
        log.push_back("change:" + text);
    }
    void searchBarSearchButtonClicked(UISearchBar*) override { log.push_back("search"); }
    void searchBarCancelButtonClicked(UISearchBar*) override { log.push_back("cancel"); }
    bool searchBarShouldBeginEditing(UISearchBar*) override {
        log.push_back("shouldBegin");
        return true;
    }
    Texts log;
};

TEST_F(ValueControlsTest, SearchBarReportsEveryUserChangeClearAndDeletingToEmptyIncluded) {
    auto bar = place(UISearchBar::create(), {{0, 60}, {375, 56}});
    auto delegate = std::make_shared<SearchRecorder>();
    EXPECT_TRUE(bar->setObjectForKey("delegate", delegate));
    auto field = std::dynamic_pointer_cast<UITextField>(bar->objectForKey("searchField"));
    auto clear = std::dynamic_pointer_cast<UIButton>(bar->objectForKey("clearButton"));
    ASSERT_TRUE(field && clear);
    EXPECT_TRUE(field->setValueForKey("font", Value("system 13")));
    EXPECT_EQ(field->font()->pointSize(), 13);

    ASSERT_TRUE(host.typeText(field, "ab"));
    ASSERT_TRUE(host.deleteBackward(field, 2));
    ASSERT_TRUE(host.typeText(field, "c"));
    ASSERT_TRUE(host.tap(clear));
    field->returnKey();
    bar->setText("by code");  // programmatic: no report
    EXPECT_EQ(delegate->log, (Texts{"shouldBegin", "change:a", "change:ab", "change:a", "change:", "change:c",
                                    "change:", "search"}));
    EXPECT_TRUE(bar->isFirstResponder());

    bar->setShowsCancelButton(true);
    ASSERT_TRUE(host.tap(bar->cancelButton()));
    EXPECT_EQ(delegate->log.back(), "cancel");
}

TEST_F(ValueControlsTest, LabelTextIsNoneUntilSetAndNoneDiffersFromEmpty) {
    auto label = UILabel::create();
    EXPECT_EQ(label->text(), std::nullopt);
    EXPECT_TRUE(label->valueForKey("text").isNull());
    label->setText("");
    EXPECT_EQ(label->text(), std::string());
    EXPECT_TRUE(label->valueForKey("text").isString());
    EXPECT_EQ(label->font()->pointSize(), 17);
    label->setFont(nullptr);
    EXPECT_EQ(label->font()->pointSize(), 17);
    label->setAttributedText(NSAttributedString("Balance"));
    EXPECT_EQ(label->text(), "Balance");
    label->setText(std::nullopt);
    EXPECT_FALSE(label->attributedText());
}

TEST_F(ValueControlsTest, LabelShrinksItsFontToFitWhenAsked) {
    auto label = UILabel::create({{0, 0}, {60, 20}});
    label->setText("A rather long account name");
    EXPECT_EQ(label->effectiveFont()->pointSize(), 17);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumScaleFactor(0.1);
    auto shrunk = label->effectiveFont();
    EXPECT_LT(shrunk->pointSize(), 17);
    EXPECT_LE(TextLayout::widthOfText(*label->text(), shrunk), 60);
}

TEST_F(ValueControlsTest, ButtonStatesFallBackToNormal) {
    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setTitle("Send", UIControlStateNormal);
    button->setTitle("Sent", UIControlStateSelected);
    EXPECT_EQ(button->titleForState(UIControlStateHighlighted), "Send");
    EXPECT_EQ(button->titleForState(UIControlStateSelected | UIControlStateHighlighted), "Sent");
    button->setSelected(true);
    EXPECT_EQ(button->currentTitle(), "Sent");
    EXPECT_EQ(button->titleLabel()->text(), "Sent");
    EXPECT_EQ(button->valueForKey("currentTitle").stringValue(), "Sent");
    EXPECT_EQ(button->imageForState(UIControlStateNormal), nullptr);
    EXPECT_TRUE(button->objectForKey("imageView"));
}

TEST_F(ValueControlsTest, ActivityIndicatorHidesWhenStopped) {
    auto spinner = UIActivityIndicatorView::create(UIActivityIndicatorViewStyleWhiteLarge);
    EXPECT_EQ(spinner->frame().size.width, 37);
    EXPECT_TRUE(spinner->isHidden());
    spinner->startAnimating();
    EXPECT_TRUE(spinner->isAnimating());
    EXPECT_FALSE(spinner->isHidden());
    spinner->setHidesWhenStopped(false);
    spinner->stopAnimating();
    EXPECT_FALSE(spinner->isHidden());
    EXPECT_FALSE(spinner->isAnimating());
}

struct ModeCase {
    UIViewContentMode mode;
    CGRect expected;
};

class ContentModeTest : public ::testing::TestWithParam<ModeCase> {};

// A 40 x 20 image in a 100 x 100 view.
TEST_P(ContentModeTest, EveryContentModePlacesTheImage) {
    CGRect r = imageRectForContentMode({{0, 0}, {100, 100}}, {40, 20}, GetParam().mode);
    EXPECT_TRUE(CGRectEqualToRect(r, GetParam().expected))
        << r.origin.x << " " << r.origin.y << " " << r.size.width << " " << r.size.height;
}

INSTANTIATE_TEST_SUITE_P(AllModes, ContentModeTest,
                         ::testing::Values(ModeCase{UIViewContentModeScaleToFill, {{0, 0}, {100, 100}}},
                                           ModeCase{UIViewContentModeScaleAspectFit, {{0, 25}, {100, 50}}},
                                           ModeCase{UIViewContentModeScaleAspectFill, {{-50, 0}, {200, 100}}},
                                           ModeCase{UIViewContentModeRedraw, {{0, 0}, {100, 100}}},
                                           ModeCase{UIViewContentModeCenter, {{30, 40}, {40, 20}}},
                                           ModeCase{UIViewContentModeTop, {{30, 0}, {40, 20}}},
                                           ModeCase{UIViewContentModeBottom, {{30, 80}, {40, 20}}},
                                           ModeCase{UIViewContentModeLeft, {{0, 40}, {40, 20}}},
                                           ModeCase{UIViewContentModeRight, {{60, 40}, {40, 20}}},
                                           ModeCase{UIViewContentModeTopLeft, {{0, 0}, {40, 20}}},
                                           ModeCase{UIViewContentModeTopRight, {{60, 0}, {40, 20}}},
                                           ModeCase{UIViewContentModeBottomLeft, {{0, 80}, {40, 20}}},
                                           ModeCase{UIViewContentModeBottomRight, {{60, 80}, {40, 20}}}));

}  // namespace
}  // namespace fv::testing_controls
