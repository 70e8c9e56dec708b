#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/graphics/GeometryValue.h"
#include "platform/ui/UIButton.h"
#include "tests/platform/ui/controls/Support.h"

namespace fv::testing_controls {
namespace {

using Log = std::vector<std::string>;

class TextFieldTest : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        field = place(UITextField::create(), {{20, 100}, {300, 40}});
        delegate = std::make_shared<FieldDelegate>();
        field->setDelegate(delegate);
        recorder = std::make_shared<ActionRecorder>();
        recorder->log = &delegate->log;  // one log, so delegate calls and events interleave
        field->addTarget(recorder, "editingDidBegin:", UIControlEventEditingDidBegin);
        field->addTarget(recorder, "editingChanged:", UIControlEventEditingChanged);
        field->addTarget(recorder, "editingDidEnd:", UIControlEventEditingDidEnd);
    }
    UITextFieldPtr field;
    std::shared_ptr<FieldDelegate> delegate;
    std::shared_ptr<ActionRecorder> recorder;
};

TEST_F(TextFieldTest, FocusTypingReturnAndResignRunInThePlatformsOrder) {
    ASSERT_TRUE(host.typeText(field, "ab"));
    field->returnKey();
    EXPECT_TRUE(field->isFirstResponder());  // nothing listens for end-on-exit yet
    field->addTarget(recorder, "didEndOnExit:", UIControlEventEditingDidEndOnExit);
    ASSERT_TRUE(host.typeText(field, "\n"));
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(delegate->log, (Log{"shouldBegin", "didBegin", "editingDidBegin:",   //
                                  "shouldChange {0, 0} \"a\"", "editingChanged:",  //
                                  "shouldChange {1, 0} \"b\"", "editingChanged:",  //
                                  "shouldReturn",                                  //
                                  "shouldReturn", "didEndOnExit:",                 //
                                  "shouldEnd", "didEnd", "editingDidEnd:"}));
    EXPECT_EQ(field->text(), "ab");
    EXPECT_FALSE(field->isEditing());
}

TEST_F(TextFieldTest, ATapFocusesAndTheDelegateMayRefuseFocusOrEnd) {
    delegate->allowBegin = false;
    host.tap(field);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(delegate->log, (Log{"shouldBegin"}));

    delegate->allowBegin = true;
    ASSERT_TRUE(host.tap(field));
    EXPECT_TRUE(field->isFirstResponder());
    delegate->allowEnd = false;
    EXPECT_FALSE(field->resignFirstResponder());
    EXPECT_TRUE(field->isEditing());
}

TEST_F(TextFieldTest, ADelegateAnsweringNoLeavesTextAndCaretAsTheyWere) {
    field->setText("12");
    ASSERT_TRUE(field->becomeFirstResponder());
    delegate->allowChange = false;
    delegate->log.clear();
    field->insertText("3");
    field->deleteBackward();
    field->paste("99");
    EXPECT_EQ(field->text(), "12");
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(2, 0));
    EXPECT_EQ(std::count(delegate->log.begin(), delegate->log.end(), "editingChanged:"), 0);
}

TEST_F(TextFieldTest, PasteIsOneEditAndCutRemovesTheSelection) {
    field->setText("card ");
    ASSERT_TRUE(field->becomeFirstResponder());
    delegate->log.clear();
    field->paste("4111 1111");
    EXPECT_EQ(delegate->log, (Log{"shouldChange {5, 0} \"4111 1111\"", "editingChanged:"}));
    field->setSelectedTextRange({0, 5});
    EXPECT_EQ(field->cut(), "card ");
    EXPECT_EQ(field->text(), "4111 1111");
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(0, 0));
}

TEST_F(TextFieldTest, ProgrammaticTextSendsNothingAndLeavesTheCaretAtTheEnd) {
    field->setText("héllo");
    EXPECT_TRUE(delegate->log.empty());
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(5, 0));
    field->setText(std::nullopt);
    EXPECT_EQ(field->text(), "");  // never none
}

TEST_F(TextFieldTest, TextChangedByTheDelegateDuringTheQuestionIsNeverCorruptedByTheStaleRange) {
    field->setText("abc");
    ASSERT_TRUE(field->becomeFirstResponder());
    delegate->onChange = [](UITextField& f) { f.setText(""); };
    field->insertText("d");  // asked for {3, 0}, which no longer fits ""
    EXPECT_EQ(field->text(), "");
}

TEST_F(TextFieldTest, ClearButtonAsksShouldClearThenOffersTheWholeText) {
    field->setClearButtonMode(UITextFieldViewModeWhileEditing);
    ASSERT_TRUE(host.typeText(field, "é😀"));
    host.runUntilIdle();
    ASSERT_FALSE(field->clearButton()->isHidden());
    delegate->log.clear();
    ASSERT_TRUE(host.tap(field->clearButton()));
    EXPECT_EQ(delegate->log, (Log{"shouldClear", "shouldChange {0, 3} \"\"", "editingChanged:"}));
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(field->clearButton()->isHidden());
}

// ---- edit ranges over non-ASCII text ----

struct EditCase {
    const char* name;
    std::string text;
    NSRange selection;
    enum Op { Insert, Delete, Replace } op;
    NSRange replaceRange;  // for Replace
    std::string argument;
    std::optional<NSRange> asked;  // the range the delegate sees; none = not asked
    std::string result;
    std::size_t caret;
};

class TextFieldEditTest : public TextFieldTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(TextFieldEditTest, RangesAreUtf16AndInvalidOnesAreNeverApplied) {
    const auto& c = GetParam();
    field->setText(c.text);
    ASSERT_TRUE(field->becomeFirstResponder());
    field->setSelectedTextRange(c.selection);
    switch (c.op) {
        case EditCase::Insert:
            field->insertText(c.argument);
            break;
        case EditCase::Delete:
            field->deleteBackward();
            break;
        case EditCase::Replace:
            field->replaceRange(c.replaceRange, c.argument);
            break;
    }
    if (c.asked) {
        ASSERT_EQ(delegate->ranges.size(), 1u);
        EXPECT_EQ(delegate->ranges[0], *c.asked);
    } else {
        EXPECT_TRUE(delegate->ranges.empty());
    }
    EXPECT_EQ(field->text(), c.result);
    EXPECT_EQ(field->selectedTextRange(), NSMakeRange(c.caret, 0));
}

INSTANTIATE_TEST_SUITE_P(
    NonAscii, TextFieldEditTest,
    ::testing::Values(
        EditCase{"DeleteAccentedLetter", "café", {4, 0}, EditCase::Delete, {}, "", NSRange{3, 1}, "caf", 3},
        EditCase{"DeleteWholeEmoji", "a😀", {3, 0}, EditCase::Delete, {}, "", NSRange{1, 2}, "a", 1},
        EditCase{"TypeEmojiAfterAccent", "é", {1, 0}, EditCase::Insert, {}, "😀", NSRange{1, 0}, "é😀", 3},
        EditCase{"TypeOverSelection", "añb", {1, 1}, EditCase::Insert, {}, "n", NSRange{1, 1}, "anb", 2},
        EditCase{
            "ReplaceEmojiWithAccent", "a😀b", {4, 0}, EditCase::Replace, {1, 2}, "é", NSRange{1, 2}, "aéb", 2},
        EditCase{"RangeSplittingPairRefused",
                 "a😀b",
                 {4, 0},
                 EditCase::Replace,
                 {2, 1},
                 "x",
                 std::nullopt,
                 "a😀b",
                 4},
        EditCase{"RangeStartingInsidePairRefused",
                 "😀",
                 {2, 0},
                 EditCase::Replace,
                 {1, 1},
                 "",
                 std::nullopt,
                 "😀",
                 2},
        EditCase{
            "RangeBeyondTextRefused", "abc", {3, 0}, EditCase::Replace, {2, 5}, "", std::nullopt, "abc", 3},
        EditCase{"DeleteAtStartAsksNothing", "é", {0, 0}, EditCase::Delete, {}, "", std::nullopt, "é", 0},
        EditCase{"CaretInsidePairMovesToItsStart",
                 "😀x",
                 {1, 0},
                 EditCase::Insert,
                 {},
                 "y",
                 NSRange{0, 0},
                 "y😀x",
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- keyboard ----

TEST_F(TextFieldTest, FocusRaisesTheKeyboardAndResignLowersIt) {
    KeyboardWatcher watcher;
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(watcher.names, (Log{"WillShow", "WillChangeFrame"}));
    EXPECT_TRUE(Keyboard::isVisible());
    CGRect end = rectFromValue(watcher.lastInfo[UIKeyboardFrameEndUserInfoKey]);
    EXPECT_TRUE(CGRectEqualToRect(end, CGRectMake(0, 667 - 216, 375, 216)));
    EXPECT_EQ(watcher.lastInfo[UIKeyboardAnimationDurationUserInfoKey].doubleValue(), 0.25);

    watcher.names.clear();
    EXPECT_TRUE(screen()->endEditing(true));
    EXPECT_EQ(delegate->log.back(), "editingDidEnd:");  // synchronous
    EXPECT_EQ(watcher.names, (Log{"WillHide", "WillChangeFrame"}));
    EXPECT_EQ(rectFromValue(watcher.lastInfo[UIKeyboardFrameEndUserInfoKey]).origin.y, 667);
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST_F(TextFieldTest, ForcedEndEditingEndsEvenWhenTheDelegateRefuses) {
    ASSERT_TRUE(field->becomeFirstResponder());
    delegate->allowEnd = false;
    KeyboardWatcher watcher;
    EXPECT_FALSE(screen()->endEditing(false));
    EXPECT_TRUE(field->isEditing());
    EXPECT_TRUE(Keyboard::isVisible());

    delegate->log.clear();
    EXPECT_TRUE(screen()->endEditing(true));
    EXPECT_EQ(delegate->log, (Log{"shouldEnd", "didEnd", "editingDidEnd:"}));
    EXPECT_FALSE(field->isEditing());
    ASSERT_TRUE(field->window());
    EXPECT_EQ(field->window()->firstResponder(), nullptr);
    EXPECT_EQ(watcher.names, (Log{"WillHide", "WillChangeFrame"}));
    EXPECT_FALSE(Keyboard::isVisible());

    // Leaving the window forces the end too, asking the delegate once.
    ASSERT_TRUE(field->becomeFirstResponder());
    delegate->log.clear();
    field->removeFromSuperview();
    EXPECT_EQ(delegate->log, (Log{"shouldEnd", "didEnd", "editingDidEnd:"}));
    EXPECT_FALSE(field->isEditing());
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST_F(TextFieldTest, NoKeyboardWhenShouldBeginSaysNo) {
    KeyboardWatcher watcher;
    delegate->allowBegin = false;
    EXPECT_FALSE(field->becomeFirstResponder());
    // Nor does a tap on it: typing gets nowhere.
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.typeText(field, "x")), "UITextField takes no typing");
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(watcher.names.empty());
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST_F(TextFieldTest, FocusMovingBetweenFieldsKeepsTheKeyboardUp) {
    auto other = place(UITextField::create(), {{20, 160}, {300, 40}});
    ASSERT_TRUE(field->becomeFirstResponder());
    KeyboardWatcher watcher;
    ASSERT_TRUE(other->becomeFirstResponder());
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(watcher.names, (Log{"WillShow", "WillChangeFrame"}));
    EXPECT_TRUE(Keyboard::isVisible());

    // A field refusing focus does not take the keyboard down with the one that had it.
    auto refusing = place(UITextField::create(), {{20, 220}, {300, 40}});
    auto no = std::make_shared<FieldDelegate>();
    no->allowBegin = false;
    refusing->setDelegate(no);
    EXPECT_FALSE(refusing->becomeFirstResponder());
    EXPECT_TRUE(other->isFirstResponder());
    EXPECT_TRUE(Keyboard::isVisible());

    other->removeFromSuperview();
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST_F(TextFieldTest, SecureEntryStillHoldsTheRealText) {
    field->setSecureTextEntry(true);
    ASSERT_TRUE(host.typeText(field, "pw😀"));
    EXPECT_EQ(field->text(), "pw😀");
    EXPECT_EQ(field->valueForKey("text").stringValue(), "pw😀");
}

}  // namespace
}  // namespace fv::testing_controls
