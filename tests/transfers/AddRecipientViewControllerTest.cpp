#include <gtest/gtest.h>

#include <string>

#include "core/CommonUtils.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIToolbar.h"
#include "transfers/AddRecipientViewController.h"

namespace fv {
namespace {

class AddRecipientTest : public TestHostFixture {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        form = std::dynamic_pointer_cast<AddRecipientViewController>(
            ScreenRegistry::screenNamed(screen::AddRecipientViewController));
        ASSERT_TRUE(form);
        host.show(form);
        card = form->tf_Cardnumber.get();
        ASSERT_TRUE(card->becomeFirstResponder());
    }

    // The field's text and caret, the caret written as "|".
    std::string shown() const {
        std::string text = card->text().value_or("");
        const NSRange caret = card->selectedTextRange();
        EXPECT_EQ(caret.length, 0u);
        return text.insert(std::min(caret.location, text.size()), "|");
    }

    // Puts the text and caret as written with "|" (ASCII only).
    void put(const std::string& withCaret) {
        std::string text = withCaret;
        const auto at = text.find('|');
        text.erase(at, 1);
        card->setText(text);
        card->setSelectedTextRange(NSMakeRange(at, 0));
    }

    std::shared_ptr<AddRecipientViewController> form;
    UITextFieldPtr card;
};

TEST_F(AddRecipientTest, TypedDigitsAreGroupedInFoursWithTheCaretKept) {
    ASSERT_TRUE(host.typeText(card, "41111"));
    EXPECT_EQ(shown(), "4111 1|");
    ASSERT_TRUE(host.deleteBackward(card));
    EXPECT_EQ(shown(), "4111|") << "no blank is left at the end";

    ASSERT_TRUE(host.typeText(card, "111122223333"));
    EXPECT_EQ(shown(), "4111 1111 2222 3333|");
    ASSERT_TRUE(host.typeText(card, "4"));
    EXPECT_EQ(shown(), "4111 1111 2222 3333|") << "a 17th digit is undone";
}

TEST_F(AddRecipientTest, EditsInsideTheNumberRegroupAroundTheCaret) {
    put("4111 1|111");
    ASSERT_TRUE(host.typeText(card, "9"));
    EXPECT_EQ(shown(), "4111 19|11 1");

    put("4111 |1111");
    ASSERT_TRUE(host.deleteBackward(card));
    EXPECT_EQ(shown(), "4111| 1111") << "the deleted blank comes back, no digit is lost";

    put("41|11");
    ASSERT_TRUE(host.typeText(card, "a"));
    EXPECT_EQ(shown(), "41|11");
    ASSERT_TRUE(host.typeText(card, " "));
    EXPECT_EQ(shown(), "41|11");
}

TEST_F(AddRecipientTest, PastedTextIsRegroupedOrUndoneWhole) {
    card->paste("4111-1111-1111-1111");
    host.runUntilIdle();
    EXPECT_EQ(shown(), "4111 1111 1111 1111|");

    put("|");
    card->paste("41111111111111112");
    host.runUntilIdle();
    EXPECT_EQ(shown(), "|") << "seventeen digits pasted into an empty field leave it empty";

    put("4111 |");
    card->paste("22");
    host.runUntilIdle();
    EXPECT_EQ(shown(), "4111 22|");
}

TEST_F(AddRecipientTest, TheCardNumberHasADoneBarAndTheUserNameTakesAnyText) {
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(card->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isFlexibleSpace());
    EXPECT_EQ(toolbar->items()[1]->title(), "Done");
    ASSERT_TRUE(host.typeText(card, "12"));
    EXPECT_TRUE(toolbar->items()[1]->sendAction());
    EXPECT_FALSE(card->isFirstResponder());
    EXPECT_EQ(card->text(), "12");

    auto user = form->tf_Username.get();
    EXPECT_EQ(user->inputAccessoryView(), nullptr);
    ASSERT_TRUE(host.typeText(user, "Ana b.12 "));
    EXPECT_EQ(user->text(), "Ana b.12 ");
    EXPECT_EQ(CommonUtils::sharedInstance()->previousTextFieldContent(), "1")
        << "the text before the last card-number change; the user name writes none";
    ASSERT_TRUE(host.typeText(user, "\n"));
    EXPECT_FALSE(user->isFirstResponder()) << "its return key closes the keyboard";
    EXPECT_EQ(user->text(), "Ana b.12 ");
}

TEST_F(AddRecipientTest, ThemesItsHeaderCaptionsAndLines) {
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(form->view_navbar.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(form->lbl_headerTitle.get()->textColor(), UIColor::whiteColor()));
    EXPECT_TRUE(colorsEqual(form->lbl_Or.get()->textColor(), theme->light_font_color()));
    for (const auto& label : {form->lbl_username, form->lbl_cardNumber, form->lbl_titleRecepient,
                              form->lbl_receipientName, form->lbl_nickName})
        EXPECT_TRUE(colorsEqual(label.get()->textColor(), theme->main_font_color()));
    for (const auto& line : {form->view_FirstField, form->view_SecondField, form->view_ThirdField})
        EXPECT_TRUE(colorsEqual(line.get()->backgroundColor(), theme->border_color()));
    card->resignFirstResponder();
    host.typeText(form->tf_Username.get(), "mateo.ruiz");
    put("4111 2222 3333 4444|");
    form->view()->endEditing(true);
    EXPECT_TRUE(host.snapshot("add_recipient"));
}

}  // namespace
}  // namespace fv
