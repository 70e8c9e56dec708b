#include <gtest/gtest.h>

#include "controls/AvoidingInsetCalculator.h"
#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/UITextField.h"

namespace fv {
namespace {

struct InsetCase {
    const char* name;
    CGRect keyboard;
    CGRect scrollView;
    UIEdgeInsets inset;
    UIEdgeInsets expected;
};

class AvoidingInsetCalculatorTest : public ::testing::TestWithParam<InsetCase> {};

TEST_P(AvoidingInsetCalculatorTest, GivesTheCoveredHeightBeyondTheInset) {
    const InsetCase& c = GetParam();
    AvoidingInsetCalculator calculator;
    calculator.keyboardFrame = c.keyboard;
    calculator.scrollViewFrame = c.scrollView;
    calculator.scrollViewInset = c.inset;
    EXPECT_EQ(calculator.calculateAvoidingInset(), c.expected);
}

const CGRect kFullScreen = CGRectMake(0, 0, 375, 667);
const CGRect kBottomKeyboard = CGRectMake(0, 451, 375, 216);

INSTANTIATE_TEST_SUITE_P(
    Cases, AvoidingInsetCalculatorTest,
    ::testing::Values(
        InsetCase{"BottomKeyboard", kBottomKeyboard, kFullScreen, {}, {0, 0, 216, 0}},
        InsetCase{"BaseBottomInsetCounts", kBottomKeyboard, kFullScreen, {0, 0, 50, 0}, {0, 0, 166, 0}},
        InsetCase{"InsetLargerThanKeyboard", kBottomKeyboard, kFullScreen, {0, 0, 300, 0}, {}},
        InsetCase{"TopKeyboard",
                  CGRectMake(0, -100, 375, 200),
                  CGRectMake(0, 20, 375, 600),
                  {10, 0, 0, 0},
                  {70, 0, 0, 0}},
        InsetCase{"CoversEverything", CGRectMake(0, 0, 375, 700), CGRectMake(0, 100, 375, 300), {}, {}},
        InsetCase{"SameHeight", CGRectMake(0, 200, 375, 300), CGRectMake(0, 100, 375, 300), {}, {}},
        InsetCase{"NoOverlap", CGRectMake(0, 667, 375, 216), kFullScreen, {}, {}},
        InsetCase{"ZeroRectIsNoKeyboard", CGRectZero, kFullScreen, {}, {}},
        InsetCase{"InsideTheSpan", CGRectMake(0, 200, 375, 100), kFullScreen, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class KeyboardAvoidingTest : public TestHostFixture {
  protected:
    void SetUp() override {
        // The shared listener outlives tests; start each from a lowered keyboard.
        post(Keyboard::hiddenFrame());
        scroll = UIScrollView::create(CGRectMake(0, 0, 375, 667));
        scroll->setContentSize(CGSizeMake(375, 1000));
        field = UITextField::create(CGRectMake(20, 600, 300, 40));
        scroll->addSubview(field);
        host.window()->addSubview(scroll);
        host.runUntilIdle();
    }

    static void post(CGRect end, double duration = 0.25) {
        Value info = Keyboard::userInfo(end, end);
        info.set(UIKeyboardAnimationDurationUserInfoKey, duration);
        NSNotificationCenter::defaultCenter().postNotificationName(UIKeyboardWillChangeFrameNotification,
                                                                   nullptr, info);
    }

    UIScrollViewPtr scroll;
    UITextFieldPtr field;
};

TEST_F(KeyboardAvoidingTest, FocusedFieldMovesAboveTheKeyboardAndInsetsReturnOnHide) {
    setKeyboardAvoidingEnabled(*scroll, true);
    EXPECT_TRUE(keyboardAvoidingEnabled(*scroll));

    ASSERT_TRUE(host.typeText(field, "1"));
    host.runUntilIdle();
    EXPECT_EQ(scroll->contentInset(), UIEdgeInsetsMake(0, 0, Keyboard::kHeight, 0));
    EXPECT_EQ(scroll->scrollIndicatorInsets(), scroll->contentInset());
    CGRect onScreen = field->convertRectToView(field->bounds(), nullptr);
    EXPECT_LE(CGRectGetMaxY(onScreen), CGRectGetMinY(Keyboard::shownFrame()));
    EXPECT_GE(CGRectGetMinY(onScreen), 0);

    field->resignFirstResponder();
    host.advance(1);
    EXPECT_EQ(scroll->contentInset(), UIEdgeInsetsZero);
    EXPECT_EQ(scroll->scrollIndicatorInsets(), UIEdgeInsetsZero);
    EXPECT_LE(scroll->contentOffset().y, 1000 - 667);
}

TEST_F(KeyboardAvoidingTest, OnlyTheStoredExtraIsTakenBackAndRepeatsChangeNothing) {
    scroll->setContentInset(UIEdgeInsetsMake(0, 0, 50, 0));
    setKeyboardAvoidingEnabled(*scroll, true);
    post(kBottomKeyboard);
    EXPECT_EQ(scroll->contentInset().bottom, 216);
    EXPECT_EQ(keyboardAvoidingListener(*scroll)->extraContentInset().bottom, 166);

    // Other code's changes made while the keyboard is up survive it.
    scroll->setContentInset(UIEdgeInsetsMake(5, 7, 226, 9));
    post(kBottomKeyboard);
    EXPECT_EQ(scroll->contentInset(), UIEdgeInsetsMake(5, 7, 226, 9));

    post(Keyboard::hiddenFrame());
    EXPECT_EQ(scroll->contentInset(), UIEdgeInsetsMake(5, 7, 60, 9));
}

TEST_F(KeyboardAvoidingTest, DisablingOrReplacingTakesTheExtraBackOverTheKeyboardDuration) {
    setKeyboardAvoidingEnabled(*scroll, true);
    post(kBottomKeyboard);
    EXPECT_EQ(scroll->contentInset().bottom, 216);

    // A second switch-on releases the first provider, which takes its inset back out.
    setKeyboardAvoidingEnabled(*scroll, true);
    EXPECT_EQ(scroll->contentInset().bottom, 0);
    post(CGRectMake(0, 367, 375, 300), 0.4);
    EXPECT_EQ(scroll->contentInset().bottom, 300);

    AnimationLog::clear();
    setKeyboardAvoidingEnabled(*scroll, false);
    EXPECT_FALSE(keyboardAvoidingEnabled(*scroll));
    EXPECT_EQ(scroll->contentInset().bottom, 0);
    ASSERT_NE(AnimationLog::last(), nullptr);
    EXPECT_DOUBLE_EQ(AnimationLog::last()->duration, 0.4);

    post(kBottomKeyboard);
    EXPECT_EQ(scroll->contentInset().bottom, 0);
}

TEST_F(KeyboardAvoidingTest, ProviderOfAGoneScrollViewReachesNothing) {
    setKeyboardAvoidingEnabled(*scroll, true);
    auto provider = keyboardAvoidingListener(*scroll);
    scroll->removeFromSuperview();
    scroll.reset();
    field.reset();
    post(kBottomKeyboard);
    EXPECT_EQ(provider->scrollView(), nullptr);
    provider->stopAvoiding();
    EXPECT_FALSE(provider->avoidingStarted());
}

}  // namespace
}  // namespace fv
