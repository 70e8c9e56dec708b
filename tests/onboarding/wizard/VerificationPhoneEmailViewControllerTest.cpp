#include <gtest/gtest.h>

#include <string>

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/OTPVerificationViewController.h"
#include "onboarding/wizard/PhoneNumberText.h"
#include "onboarding/wizard/VerificationPhoneEmailViewController.h"
#include "platform/testing/MainBundleFixture.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIBarButtonItem.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = VerificationPhoneEmailViewController;

class PhoneEmailTest : public WizardTest {
  protected:
    // GetNewCard as a host calls it; the one first screen, its fields emptied of an earlier test's
    // texts, as a first visit finds them.
    std::shared_ptr<Screen> openFirstScreen() {
        SDKManager::sharedInstance()->GetNewCard(host.navigationController());
        settle();
        auto screen = top<Screen>();
        if (!screen) return nullptr;
        screen->tf_phoneNumber.get()->setText("");
        screen->tf_emailAddress.get()->setText("");
        screen->enableNextBtn();
        DataModel::sharedInstance()->setVerificationEmail("");
        return screen;
    }

    UITextFieldPtr phone(const std::shared_ptr<Screen>& s) { return s->tf_phoneNumber.get(); }
    UITextFieldPtr email(const std::shared_ptr<Screen>& s) { return s->tf_emailAddress.get(); }

    // The phone field's text after typing `keys` one by one into it, from empty.
    std::string typedPhone(const std::shared_ptr<Screen>& s, const std::string& keys) {
        phone(s)->setText("");
        EXPECT_TRUE(host.typeText(phone(s), keys));
        return phone(s)->text().value_or("");
    }

    void tapNext(const std::shared_ptr<Screen>& s) { ASSERT_TRUE(host.tap(s->Btn_next.get())); }
};

TEST_F(PhoneEmailTest, GetNewCardShowsTheFirstStepWithNextDisabledAndTheKeyboardOnThePhone) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen, DataModel::sharedInstance()->getCardViews());
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
    EXPECT_TRUE(phone(screen)->isFirstResponder());
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_FLOAT_EQ(screen->progress_bar.get()->progress(), 0.17f);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->lbl_OR.get()->textColor(), theme->light_font_color()));
    EXPECT_TRUE(colorsEqual(screen->view_border_phoneNumber.get()->backgroundColor(), theme->border_color()));
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(phone(screen)->tintColor(), theme->main_color()));
    ASSERT_TRUE(host.typeText(phone(screen), "5558675309"));
    ASSERT_TRUE(host.typeText(email(screen), "ada@example.org"));
    EXPECT_TRUE(host.snapshot("phone_email_filled"));
}

TEST_F(PhoneEmailTest, OnlyThePhoneFieldCarriesTheDoneToolbar) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(phone(screen)->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    EXPECT_EQ(toolbar->items().back()->title(), "Done");
    EXPECT_EQ(email(screen)->inputAccessoryView(), nullptr);
    EXPECT_TRUE(toolbar->items().back()->sendAction());
    EXPECT_FALSE(phone(screen)->isFirstResponder());
}

// The text shown after each digit typed, from the first to the tenth.
TEST_F(PhoneEmailTest, DigitsTypedOneByOneFillTheMask) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    const char* shown[] = {"(5",        "(55",         "(555",         "(555) 8",       "(555) 86",
                           "(555) 867", "(555) 867-5", "(555) 867-53", "(555) 867-530", "(555) 867-5309"};
    const std::string digits = "5558675309";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        ASSERT_TRUE(host.typeText(phone(screen), digits.substr(i, 1)));
        EXPECT_EQ(phone(screen)->text(), shown[i]) << i + 1 << " digits";
        EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), true));
    }
    ASSERT_TRUE(host.typeText(phone(screen), "1"));
    EXPECT_EQ(phone(screen)->text(), "(555) 867-5309") << "an eleventh digit changes nothing";
}

TEST_F(PhoneEmailTest, BackspaceTakesTheMaskCharactersBeforeTheDigitWithIt) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(typedPhone(screen, "5558"), "(555) 8");
    ASSERT_TRUE(host.deleteBackward(phone(screen)));
    EXPECT_EQ(phone(screen)->text(), "(555");
    EXPECT_EQ(typedPhone(screen, "5"), "(5");
    ASSERT_TRUE(host.deleteBackward(phone(screen)));
    EXPECT_EQ(phone(screen)->text(), "");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false)) << "both fields are empty again";
}

TEST_F(PhoneEmailTest, DeletingOnlyAMaskCharacterBringsTheSameTextBack) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(typedPhone(screen, "555867"), "(555) 867");
    EXPECT_FALSE(screen->textFieldShouldChangeCharactersInRange(phone(screen).get(), NSMakeRange(4, 1), ""));
    EXPECT_EQ(phone(screen)->text(), "(555) 867");
}

TEST_F(PhoneEmailTest, LettersAndBlanksNeverReachThePhoneField) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(typedPhone(screen, "55a5 x8"), "(555) 8");
    EXPECT_EQ(typedPhone(screen, "a "), "");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
}

TEST_F(PhoneEmailTest, APastedNumberWithACountryDigitKeepsItsFirstTenDigits) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(phone(screen)->becomeFirstResponder());
    phone(screen)->insertText("1-555-867-5309");
    EXPECT_EQ(phone(screen)->text(), "(155) 586-7530");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), true));
}

TEST(PhoneNumberText, DigitsOfAnyScriptAreKeptInOrder) {
    EXPECT_EQ(decimalDigitsOf("(555) 867-5309"), "5558675309");
    EXPECT_EQ(decimalDigitsOf("abc"), "");
    EXPECT_EQ(decimalDigitsOf("٣4"), "٣4");
    EXPECT_EQ(maskedPhoneNumber(""), "");
    EXPECT_EQ(maskedPhoneNumber("12345678901234"), "(123) 456-7890");
}

// A check that fails: the banner, nothing written, the screen stays.
struct Refusal {
    const char* phone;
    const char* email;
    const char* title;
};

class PhoneEmailRefusalTest : public PhoneEmailTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(PhoneEmailRefusalTest, ShowsOnlyTheFirstFailedChecksBannerAndWritesNothing) {
    const Refusal r = GetParam();
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    if (*r.phone) {
        ASSERT_TRUE(host.typeText(phone(screen), r.phone));
    }
    if (*r.email) {
        ASSERT_TRUE(host.typeText(email(screen), r.email));
    }
    tapNext(screen);
    settle();
    const auto shown = banner();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, r.title);
    EXPECT_EQ(shown->type, BannerMessageTypeError);
    EXPECT_EQ(BannerMessages::waitingCount(), 0u) << "one banner only";
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(profileLeaf("email"), "");
    EXPECT_EQ(profileLeaf("mobile"), "");
    EXPECT_EQ(DataModel::sharedInstance()->verificationEmail(), "");
}

INSTANTIATE_TEST_SUITE_P(Checks, PhoneEmailRefusalTest,
                         ::testing::Values(Refusal{"555867530", "", "Phone Number Not Valid"},
                                           Refusal{"555867530", "ada@example.org", "Phone Number Not Valid"},
                                           Refusal{"555867530", "not an address", "Phone Number Not Valid"},
                                           Refusal{"5558675309", "ada@example", "Email Not Valid"},
                                           Refusal{"", "ada@example.museum", "Email Not Valid"},
                                           Refusal{"", " ada@example.org", "Email Not Valid"}));

TEST_F(PhoneEmailTest, TheBannerBodyIsTheHostsTranslation) {
    test::MainBundleFixture bundle;
    bundle.setString("Email Not Valid", "Adresse ungültig");
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(email(screen), "nobody"));
    tapNext(screen);
    const auto shown = banner();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Adresse ungültig");
    EXPECT_EQ(shown->message,
              "Your entered email is not valid. Please try with correct email address again!");
}

TEST_F(PhoneEmailTest, AnEmailAloneGoesOnWithPlusOneAsTheNumber) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(email(screen), "ada@example.org"));
    tapNext(screen);
    ASSERT_TRUE(opened(screen::OTPVerificationViewController, screen));
    auto next = top<OTPVerificationViewController>();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->isSentOnMessage, false);
    EXPECT_EQ(next->isSentOnEmail, true);
    EXPECT_EQ(next->numberText, "");
    EXPECT_EQ(next->emailText, "ada@example.org");
    EXPECT_EQ(profileLeaf("email"), "ada@example.org");
    EXPECT_EQ(profileLeaf("mobile"), "+1");
    EXPECT_EQ(profileLeaf("phone"), "+1");
    EXPECT_EQ(DataModel::sharedInstance()->verificationEmail(), "ada@example.org");
}

TEST_F(PhoneEmailTest, APhoneAloneGoesOnWithItsDigitsAndAnEmptyEmail) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    DataModel::sharedInstance()->setVerificationEmail("old@example.org");
    ASSERT_TRUE(host.typeText(phone(screen), "5558675309"));
    tapNext(screen);
    settle();
    auto next = top<OTPVerificationViewController>();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->isSentOnMessage, true);
    EXPECT_EQ(next->isSentOnEmail, false);
    EXPECT_EQ(next->numberText, "(555) 867-5309");
    EXPECT_EQ(profileLeaf("email"), "");
    EXPECT_EQ(profileLeaf("mobile"), "+15558675309");
    EXPECT_EQ(profileLeaf("phone"), "+15558675309");
    EXPECT_EQ(DataModel::sharedInstance()->verificationEmail(), "");
}

TEST_F(PhoneEmailTest, NextWithBothFieldsEmptyDoesNothing) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    screen->action_next(nullptr);
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_FALSE(banner());
    EXPECT_EQ(profileLeaf("mobile"), "");
}

TEST_F(PhoneEmailTest, ASecondEntryFindsTheTextsOfTheFirstAndNeverStacksTheScreenTwice) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(phone(screen), "555"));
    screen->action_back(nullptr);
    settle();
    EXPECT_EQ(host.topViewController(), host.rootScreen());

    SDKManager::sharedInstance()->GetNewCard(host.navigationController());
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(phone(screen)->text(), "(555");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), true));
    SDKManager::sharedInstance()->GetNewCard(host.navigationController());
    settle();
    EXPECT_EQ(host.navigationStack().size(), 2u);
}

TEST_F(PhoneEmailTest, BackTakesTheOverlayAwayAndReturnsToTheHost) {
    auto screen = openFirstScreen();
    ASSERT_TRUE(screen);
    screen->ShowHUD("Verifying");
    screen->action_back(nullptr);
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

}  // namespace
}  // namespace fv::wizard_test
