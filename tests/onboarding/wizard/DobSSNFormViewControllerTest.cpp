#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "onboarding/wizard/DobSSNFormViewController.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/RunLoop.h"
#include "platform/kits/DatePickerPopup.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIToolbar.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = DobSSNFormViewController;

const BannerInfo kSSNBanner{
    "SSN Not Valid",
    "Your entered Social security number is not valid. Please try with correct social "
    "security number again!",
    BannerMessageTypeError};
const BannerInfo kDateBanner{"Date Of Birth Not Selected", "You have not select your date of birth!",
                             BannerMessageTypeError};

// Noon in the process's time zone, so that the day is the same wherever the test runs.
Date localNoon(const std::string& isoDay) {
    NSDateFormatter f;
    f.setDateFormat("yyyy-MM-dd HH:mm");
    return *f.dateFromString(isoDay + " 12:00");
}

class DobSSNTest : public WizardTest {
  protected:
    std::shared_ptr<Screen> openForm() { return open<Screen>(screen::DobSSNFormViewController); }

    // The SSN field's text after `keys` are typed one by one.
    std::string typed(const std::shared_ptr<Screen>& s, const std::string& keys) {
        EXPECT_TRUE(host.typeText(s->tf_ssn.get(), keys));
        return s->tf_ssn.get()->text().value_or("");
    }

    // Taps the date field and picks `day` in the dialog.
    void pickDate(const std::shared_ptr<Screen>& s, const std::string& day) {
        ASSERT_TRUE(host.tap(s->tf_dob.get()));
        auto popup = DatePickerPopup::visiblePopup();
        ASSERT_TRUE(popup);
        ASSERT_TRUE(popup->pick(localNoon(day)));
        settle();
    }

    // The screen the wizard moved on to: the e-mail and password step, and what it was told.
    ::testing::AssertionResult movedOnWithSSN(const std::shared_ptr<Screen>& s, bool haveSSN) {
        auto result = opened(screen::AccountCreationViewController, s);
        if (!result || !ScreenRegistry::isRegistered(screen::AccountCreationViewController)) return result;
        const Value told = host.topViewController()->valueForKey("do_Have_SSN");
        if (told == Value(haveSSN)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "do_Have_SSN is " << told.description();
    }
};

TEST_F(DobSSNTest, StartsDisabledAtItsProgressWithTheDoneToolbarOnTheSSNOnly) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
    EXPECT_FLOAT_EQ(screen->progress_bar.get()->progress(), 0.85f);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->lbl_dontHaveSSN.get()->textColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->view_underline.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->view_border_SSN.get()->backgroundColor(), theme->border_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleOne.get()->textColor(), theme->light_font_color()));
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(screen->tf_ssn.get()->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame().size.height, 50);
    EXPECT_FALSE(screen->tf_dob.get()->inputAccessoryView());
}

TEST_F(DobSSNTest, TheSSNShowsOnlyItsLastFourAsItIsTypedAndStopsAtNine) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    EXPECT_EQ(typed(screen, "1"), "✱");
    EXPECT_EQ(typed(screen, "23"), "✱✱✱");
    EXPECT_EQ(typed(screen, "4"), "✱✱✱  -  ✱");
    EXPECT_EQ(typed(screen, "5"), "✱✱✱  -  ✱✱");
    EXPECT_EQ(typed(screen, "6"), "✱✱✱  -  ✱✱  -  6");
    EXPECT_EQ(typed(screen, "789"), "✱✱✱  -  ✱✱  -  6789");
    EXPECT_EQ(typed(screen, "0"), "✱✱✱  -  ✱✱  -  6789") << "a tenth digit is not taken";
    EXPECT_EQ(screen->enteredSSN, "123456789");
}

TEST_F(DobSSNTest, DeletionTakesTheLastDigitWhereverTheCaretIsAndEmptyDisables) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    pickDate(screen, "1988-03-09");
    typed(screen, "12345678");
    EXPECT_EQ(screen->tf_ssn.get()->text(), "✱✱✱  -  ✱✱  -  678");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), true));
    auto field = screen->tf_ssn.get();
    field->setSelectedTextRange(NSMakeRange(2, 0));
    ASSERT_TRUE(host.deleteBackward(field));
    EXPECT_EQ(screen->enteredSSN, "1234567");
    EXPECT_EQ(field->text(), "✱✱✱  -  ✱✱  -  67");
    ASSERT_TRUE(host.deleteBackward(field, 7));
    EXPECT_EQ(screen->enteredSSN, "");
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
    ASSERT_TRUE(host.deleteBackward(field));
    EXPECT_EQ(field->text(), "") << "deleting from nothing leaves nothing";
}

TEST_F(DobSSNTest, APasteKeepsItsDigitsOnlyAndNeverGoesPastNine) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    auto field = screen->tf_ssn.get();
    ASSERT_TRUE(field->becomeFirstResponder());
    field->paste("219-09 9999");
    EXPECT_EQ(screen->enteredSSN, "219099999");
    EXPECT_EQ(field->text(), "✱✱✱  -  ✱✱  -  9999");
    ASSERT_TRUE(host.deleteBackward(field, 5));
    field->paste("4x5-6789-0");
    EXPECT_EQ(screen->enteredSSN, "219045678") << "appended, letters and the overflow dropped";
    EXPECT_EQ(field->text(), "✱✱✱  -  ✱✱  -  5678");
}

TEST_F(DobSSNTest, TheDateDialogOpensOnTodayWithNothingLaterAndNoFocusOnTheField) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->tf_dob.get()));
    auto popup = DatePickerPopup::visiblePopup();
    ASSERT_TRUE(popup);
    EXPECT_FALSE(screen->tf_dob.get()->isFirstResponder());
    const auto& shown = *popup->lastShow();
    const Date today{RunLoop::main().wallTime()};
    EXPECT_EQ(shown.title, "Select Date of Birth");
    EXPECT_EQ(shown.doneButtonTitle, "Done");
    EXPECT_EQ(shown.cancelButtonTitle, "Cancel");
    EXPECT_EQ(shown.defaultDate, today);
    EXPECT_EQ(shown.maximumDate, today);
    EXPECT_FALSE(shown.minimumDate);
    EXPECT_EQ(shown.datePickerMode, DatePickerPopup::Mode::date);
    EXPECT_TRUE(host.snapshot("dob_ssn_date_dialog", std::make_shared<WholeScreenView>()));
    ASSERT_TRUE(popup->pick(Date{today.secondsSince1970 + 86400 * 3}));
    settle();
    EXPECT_EQ(screen->selectDOB, today) << "a day after today is brought back to today";

    ASSERT_TRUE(host.tap(screen->tf_dob.get()));
    ASSERT_TRUE(DatePickerPopup::visiblePopup()->cancel());
    settle();
    EXPECT_EQ(screen->selectDOB, today) << "cancel changes nothing";
}

TEST_F(DobSSNTest, TheDateShowsInTheUsersLocaleAndTheRequestGetsItInTheFixedForm) {
    for (const auto& [locale, shown] : {std::pair<std::string, std::string>{"en_US", "March/09/1988"},
                                        {"de_DE", "März/09/1988"},
                                        {"th_TH", "มีนาคม/09/2531"}}) {
        NSLocale::setCurrentLocaleIdentifier(locale);
        auto screen = openForm();
        ASSERT_TRUE(screen);
        pickDate(screen, "1988-03-09");
        EXPECT_EQ(screen->tf_dob.get()->text(), shown) << locale;
        typed(screen, "219099999");
        screen->action_next(nullptr);
        EXPECT_TRUE(movedOnWithSSN(screen, true));
        EXPECT_EQ(profileLeaf("date_of_birth"), "03/09/1988") << locale;
        host.navigationController()->popToRootViewControllerAnimated(false);
        settle();
    }
}

TEST_F(DobSSNTest, TheSSNIsCheckedBeforeTheDateAndOnlyAValidPairMovesOn) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    typed(screen, "12345678");
    screen->action_next(nullptr);
    EXPECT_EQ(banner(), kSSNBanner) << "with neither valid, only the SSN banner";
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(profileLeaf("date_of_birth"), "");
    BannerMessages::dismissCurrent();
    settle();

    typed(screen, "9");
    screen->action_next(nullptr);
    EXPECT_EQ(banner(), kDateBanner);
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(requestLeaf({"cardholder_data", "profile_data", "kyc_data", "ssn"}).stringValue(), "");
    BannerMessages::dismissCurrent();
    settle();

    pickDate(screen, "1990-12-31");
    EXPECT_TRUE(host.snapshot("dob_ssn_filled"));
    ASSERT_TRUE(host.tap(screen->Btn_next.get()));
    EXPECT_TRUE(movedOnWithSSN(screen, true));
    EXPECT_EQ(profileLeaf("date_of_birth"), "12/31/1990");
    EXPECT_EQ(requestLeaf({"cardholder_data", "profile_data", "kyc_data", "ssn"}).stringValue(), "123456789");
}

TEST_F(DobSSNTest, WithoutAnSSNNothingIsCheckedAndEmptyTextsAreWritten) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    typed(screen, "12");
    screen->view()->endEditing(true);
    ASSERT_TRUE(host.findViewWithText("I don't have an SSN"));
    ASSERT_TRUE(
        host.tap(UserDriver::controlWiredTo(screen->view(), screen.get(), "action_do_not_have_ssn:")));
    EXPECT_TRUE(movedOnWithSSN(screen, false));
    EXPECT_FALSE(banner());
    EXPECT_EQ(profileLeaf("date_of_birth"), "") << "no date picked: the empty text";
    EXPECT_EQ(requestLeaf({"cardholder_data", "profile_data", "kyc_data", "ssn"}).stringValue(), "12");
}

TEST_F(DobSSNTest, DoneAndReturnOnlyCloseTheKeyboardAndBackWritesNothing) {
    auto screen = openForm();
    ASSERT_TRUE(screen);
    typed(screen, "123");
    EXPECT_TRUE(screen->textFieldShouldReturn(nullptr));
    EXPECT_FALSE(screen->tf_ssn.get()->isFirstResponder());
    EXPECT_EQ(screen->enteredSSN, "123");
    screen->ShowHUD("Verifying");
    screen->action_back(nullptr);
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_EQ(requestLeaf({"cardholder_data", "profile_data", "kyc_data", "ssn"}).stringValue(), "");
}

}  // namespace
}  // namespace fv::wizard_test
