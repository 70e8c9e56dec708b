#include <gtest/gtest.h>

#include "platform/ui/UIPageControl.h"
#include "platform/ui/UITextView.h"
#include "tests/platform/ui/controls/Support.h"

namespace fv::testing_controls {
namespace {

class NotesDelegate : public NSObject, public UITextViewDelegate {
    FV_CLASS(NotesDelegate, NSObject)
    bool textViewShouldChangeTextInRange(UITextView*, NSRange range, const std::string& text) override {
        ranges.push_back(range);
        return text != "!";
    }
    void textViewDidChange(UITextView* view) override { seen.push_back(view->text().value_or("")); }
    bool textViewShouldEndEditing(UITextView*) override { return allowEnd; }
    void textViewDidEndEditing(UITextView*) override { ended = true; }
    std::vector<NSRange> ranges;
    std::vector<std::string> seen;
    bool ended = false;
    bool allowEnd = true;
};

using TextViewTest = ControlsTest;

TEST_F(TextViewTest, EditsTakeTheDelegatePathAndNewlinesAreText) {
    auto notes = place(UITextView::create(), {{20, 100}, {300, 120}});
    auto delegate = std::make_shared<NotesDelegate>();
    notes->setDelegate(delegate);
    ASSERT_TRUE(host.typeText(notes, "é\n!😀"));
    EXPECT_EQ(notes->text(), "é\n😀");
    EXPECT_EQ(delegate->seen, (std::vector<std::string>{"é", "é\n", "é\n😀"}));
    EXPECT_EQ(delegate->ranges.back(), NSMakeRange(2, 0));
    EXPECT_TRUE(Keyboard::isVisible());

    EXPECT_FALSE(notes->replaceRange({3, 1}, ""));  // half of the emoji
    notes->deleteBackward();
    EXPECT_EQ(notes->text(), "é\n");

    notes->setText("set by code");
    EXPECT_EQ(delegate->seen.size(), 4u);
    delegate->allowEnd = false;
    EXPECT_FALSE(notes->endEditing(false));
    EXPECT_FALSE(delegate->ended);
    EXPECT_TRUE(notes->endEditing(true));  // forced: ends although the delegate refuses
    EXPECT_FALSE(notes->isEditing());
    EXPECT_TRUE(delegate->ended);
    EXPECT_FALSE(Keyboard::isVisible());

    notes->setEditable(false);
    EXPECT_FALSE(notes->becomeFirstResponder());
}

using PageControlTest = ControlsTest;

TEST_F(PageControlTest, TapsStepOnePageWithinRange) {
    auto pages = place(UIPageControl::create(), {{0, 300}, {200, 30}});
    pages->setNumberOfPages(2);
    auto recorder = std::make_shared<ActionRecorder>();
    pages->addTarget(recorder, "changed:", UIControlEventValueChanged);
    ASSERT_TRUE(host.tap(CGPoint{150, 315}));
    ASSERT_TRUE(host.tap(CGPoint{150, 315}));  // already on the last page
    EXPECT_EQ(pages->currentPage(), 1);
    EXPECT_EQ(recorder->calls.size(), 1u);
    pages->setNumberOfPages(1);
    EXPECT_EQ(pages->currentPage(), 0);
}

}  // namespace
}  // namespace fv::testing_controls
