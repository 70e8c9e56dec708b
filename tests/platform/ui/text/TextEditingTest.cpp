#include "platform/ui/TextEditing.h"

#include <gtest/gtest.h>

#include "platform/testing/TestHost.h"
#include "platform/ui/UITextField.h"

namespace fv {
namespace {

// A letter with its accent, a thumbs-up with a skin tone, a Hangul syllable from jamo, a family.
const std::string kThumbs = "\U0001F44D\U0001F3FD";
const std::string kFamily = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
const std::string kText = "ae\u0301" + kThumbs + "\u1112\u1161\u11AB" + kFamily;
// UTF-16 offsets of the sequence edges: a|e◌́|👍🏽|한|👨‍👩‍👧
// 0 1   3    7  10  18

struct DeletionCase {
    NSRange selection;
    std::optional<NSRange> removed;
};

class BackspaceTest : public ::testing::TestWithParam<DeletionCase> {};

TEST_P(BackspaceTest, RemovesTheComposedCharacterBeforeTheCaret) {
    EXPECT_EQ(textedit::backwardDeletionRange(kText, GetParam().selection), GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(Sequences, BackspaceTest,
                         ::testing::Values(DeletionCase{{0, 0}, std::nullopt},     // at the start
                                           DeletionCase{{1, 0}, NSRange{0, 1}},    // plain letter
                                           DeletionCase{{3, 0}, NSRange{1, 2}},    // e + accent
                                           DeletionCase{{7, 0}, NSRange{3, 4}},    // emoji + modifier
                                           DeletionCase{{10, 0}, NSRange{7, 3}},   // jamo syllable
                                           DeletionCase{{18, 0}, NSRange{10, 8}},  // ZWJ family
                                           DeletionCase{{19, 0}, std::nullopt},    // past the end
                                           DeletionCase{{2, 5}, NSRange{2, 5}}));  // a selection as is

struct ClampCase {
    NSRange asked, clamped;
};

class CaretTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(CaretTest, NeverRestsInsideAComposedCharacter) {
    EXPECT_EQ(textedit::clampedSelection(kText, GetParam().asked), GetParam().clamped);
}

INSTANTIATE_TEST_SUITE_P(Ranges, CaretTest,
                         ::testing::Values(ClampCase{{0, 0}, {0, 0}}, ClampCase{{3, 0}, {3, 0}},
                                           ClampCase{{2, 0}, {1, 0}},    // inside e + accent
                                           ClampCase{{5, 0}, {3, 0}},    // between emoji and its tone
                                           ClampCase{{5, 1}, {3, 4}},    // within the emoji
                                           ClampCase{{8, 5}, {7, 11}},   // jamo into the family
                                           ClampCase{{40, 2}, {18, 0}},  // beyond the text
                                           ClampCase{{17, 9}, {10, 8}}));

TEST(SecureEntryTest, ShowsOneBulletPerComposedCharacter) {
    EXPECT_EQ(textedit::bullets(""), "");
    EXPECT_EQ(textedit::bullets("ab"), "\u2022\u2022");
    EXPECT_EQ(textedit::bullets(kText), "\u2022\u2022\u2022\u2022\u2022");
}

class TextFieldComposedEditingTest : public TestHostFixture {
  protected:
    void SetUp() override {
        field = UITextField::create();
        field->setFrame({{20, 100}, {300, 40}});
        host.rootScreen()->view()->addSubview(field);
    }
    UITextFieldPtr field;
};

TEST_F(TextFieldComposedEditingTest, BackspaceRemovesWholeEmojiAndAccentedLetters) {
    ASSERT_TRUE(host.typeText(field, "x" + kThumbs + "e\u0301"));
    EXPECT_EQ(field->selectedTextRange(), (NSRange{7, 0}));
    ASSERT_TRUE(host.deleteBackward(field));
    EXPECT_EQ(field->text(), "x" + kThumbs);
    ASSERT_TRUE(host.deleteBackward(field));
    EXPECT_EQ(field->text(), "x");
    EXPECT_EQ(field->selectedTextRange(), (NSRange{1, 0}));
}

TEST_F(TextFieldComposedEditingTest, TheCaretNeverRestsInsideAComposedCharacter) {
    field->setText("\uD55C" + kFamily + "e\u0301");
    ASSERT_TRUE(field->becomeFirstResponder());
    field->setSelectedTextRange({4, 0});  // inside the family
    EXPECT_EQ(field->selectedTextRange(), (NSRange{1, 0}));
    field->insertText("!");
    EXPECT_EQ(field->text(), "\uD55C!" + kFamily + "e\u0301");
}

}  // namespace
}  // namespace fv
