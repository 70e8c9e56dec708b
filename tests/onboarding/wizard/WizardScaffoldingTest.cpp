#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleWizardScreen.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/NewCardProfile.h"
#include "onboarding/wizard/WizardProgress.h"
#include "platform/foundation/Log.h"
#include "platform/testing/MainBundleFixture.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIBarButtonItem.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

class WizardScaffoldingTest : public WizardTest {
  protected:
    std::shared_ptr<SampleWizardScreen> showSample(bool anyFieldEnables = false) {
        auto screen = SampleWizardScreen::make(anyFieldEnables);
        host.navigationController()->pushViewController(screen, true);
        settle();
        return screen;
    }
};

TEST_F(WizardScaffoldingTest, LoadingFormatsTheScreenThenMakesItsModelOnce) {
    auto screen = showSample();
    EXPECT_EQ(screen->calls, (std::vector<std::string>{"formatView", "initialzieViewModel"}));
    ASSERT_TRUE(screen->viewModel);
    EXPECT_EQ(screen->viewModel->delegate(), screen);
    EXPECT_EQ(screen->viewModel->rootView(), screen->view());

    const auto model = screen->viewModel;
    screen->initialzieViewModel();
    EXPECT_EQ(screen->viewModel, model) << "a model that exists already stays";
}

TEST_F(WizardScaffoldingTest, TheModelKeepsNeitherItsScreenNorItsViewAlive) {
    std::shared_ptr<SampleWizardModel> model;
    std::weak_ptr<SampleWizardScreen> gone;
    {
        auto screen = SampleWizardScreen::make(false);
        screen->loadViewIfNeeded();
        model = screen->viewModel;
        gone = screen;
    }
    ASSERT_TRUE(model);
    EXPECT_TRUE(gone.expired());
    EXPECT_EQ(model->delegate(), nullptr);
    EXPECT_EQ(model->rootView(), nullptr);
}

TEST_F(WizardScaffoldingTest, EveryAppearanceAsksForTheLightStatusBar) {
    auto screen = showSample();
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    UIApplication::sharedApplication()->setStatusBarStyle(UIStatusBarStyleDefault);
    host.navigationController()->pushViewController(SampleWizardScreen::make(false), true);
    settle();
    UIApplication::sharedApplication()->setStatusBarStyle(UIStatusBarStyleDefault);
    host.navigationController()->popViewControllerAnimated(true);
    settle();
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(WizardScaffoldingTest, TheHeaderAndTheProgressTakeTheThemeColours) {
    auto screen = showSample();
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), theme->header_text_color()));
    auto bar = screen->progress_bar.get();
    EXPECT_TRUE(colorsEqual(bar->trackTintColor(), theme->progressbar_bg_color()));
    EXPECT_TRUE(colorsEqual(bar->progressTintColor(), theme->progressbar_color()));
    EXPECT_FLOAT_EQ(bar->progress(), 0.68f);
}

TEST_F(WizardScaffoldingTest, TheLastStepAboveTheFullMarkShowsAFullBar) {
    auto screen = SampleWizardScreen::make(false);
    screen->progressValue = wizard_progress::kAccountCreation;
    host.navigationController()->pushViewController(screen, true);
    settle();
    EXPECT_GE(screen->progress_bar.get()->progress(), 1.0f);
    EXPECT_TRUE(host.snapshot("sample_wizard_full_progress", screen->progress_bar.get()));
}

TEST(WizardProgress, StepsOfSeventeenHundredthsAlongTheRoad) {
    const float steps[] = {wizard_progress::kPhoneEmail,     wizard_progress::kOneTimeCode,
                           wizard_progress::kLinkAppAccount, wizard_progress::kNameAddress,
                           wizard_progress::kDobSSN,         wizard_progress::kAccountCreation};
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(steps[i], 0.17f * static_cast<float>(i + 1)) << i;
}

// Typed texts for the two watched fields, and whether each rule holds then.
struct RuleCase {
    const char* first;
    const char* second;
    bool everyHolds;
    bool anyHolds;
};

class MainButtonRuleTest : public WizardScaffoldingTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(MainButtonRuleTest, FollowsTheWatchedFieldsOnEveryKeystroke) {
    const RuleCase c = GetParam();
    for (const bool any : {false, true}) {
        auto screen = showSample(any);
        EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false)) << "before any typing";
        if (*c.first) {
            ASSERT_TRUE(host.typeText(screen->tf_first.get(), c.first));
        }
        if (*c.second) {
            ASSERT_TRUE(host.typeText(screen->tf_second.get(), c.second));
        }
        EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), any ? c.anyHolds : c.everyHolds))
            << (any ? "any" : "every") << " field rule";
        host.navigationController()->popViewControllerAnimated(false);
        settle();
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, MainButtonRuleTest,
                         ::testing::Values(RuleCase{"", "", false, false}, RuleCase{"a", "", false, true},
                                           RuleCase{"", "b", false, true}, RuleCase{"a", "b", true, true},
                                           RuleCase{" ", " ", true, true}));

TEST_F(WizardScaffoldingTest, ClearingAWatchedFieldDisablesTheButtonOnTheSameKeystroke) {
    auto screen = showSample();
    ASSERT_TRUE(host.typeText(screen->tf_first.get(), "a"));
    ASSERT_TRUE(host.typeText(screen->tf_second.get(), "b"));
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), true));
    ASSERT_TRUE(host.deleteBackward(screen->tf_first.get()));
    EXPECT_TRUE(mainButtonIs(screen->Btn_next.get(), false));
}

TEST_F(WizardScaffoldingTest, BackTakesTheOverlayAwayThenPops) {
    auto screen = showSample();
    screen->ShowHUD("Verifying");
    ASSERT_TRUE(ProgressHUD::isVisible());
    screen->action_back(nullptr);
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

TEST_F(WizardScaffoldingTest, TheKeyboardToolbarCarriesTheHostsTitleAndEndsEditing) {
    test::MainBundleFixture bundle;
    bundle.setString("Done", "Fertig");
    auto screen = showSample();
    auto field = screen->tf_second.get();
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(field->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isFlexibleSpace());
    const auto done = toolbar->items()[1];
    EXPECT_EQ(done->title(), "Fertig");
    EXPECT_EQ(done->style(), UIBarButtonItemStyleDone);
    ASSERT_TRUE(host.typeText(field, "x"));
    EXPECT_TRUE(done->sendAction());
    EXPECT_FALSE(field->isFirstResponder());
}

TEST_F(WizardScaffoldingTest, AFailedCheckRaisesTheErrorBannerInTheHostsWords) {
    test::MainBundleFixture bundle;
    bundle.setString("Sample Not Valid", "Beispiel ungültig");
    auto screen = showSample();
    screen->failCheck();
    const auto shown = banner();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Beispiel ungültig");
    EXPECT_EQ(shown->message, "Your entered sample is not valid.");
    EXPECT_EQ(shown->type, BannerMessageTypeError);
}

TEST_F(WizardScaffoldingTest, TheApplicantsRecordsAreReachedThroughTheRequest) {
    auto profile = newCardProfileData();
    ASSERT_TRUE(profile);
    profile->firstName = "Ilse";
    ASSERT_TRUE(newCardAddress());
    newCardAddress()->address1 = "4 Kiln Row";
    ASSERT_TRUE(newCardKycData());
    newCardKycData()->ssn = "123456789";
    EXPECT_EQ(profileLeaf("first_name"), "Ilse");
    EXPECT_EQ(
        requestLeaf({"cardholder_data", "profile_data", "addresses", "address", "address1"}).stringValue(),
        "4 Kiln Row");
    EXPECT_EQ(requestLeaf({"cardholder_data", "profile_data", "kyc_data", "ssn"}).stringValue(), "123456789");
}

TEST_F(WizardScaffoldingTest, AMissingRecordOnTheWayIsNoneNotACrash) {
    auto api = ApiDataModel::sharedInstance();
    api->getNewCardRequest()->createCardHolder->cardHolder->profileData->addresses.reset();
    EXPECT_TRUE(newCardProfileData());
    EXPECT_EQ(newCardAddress(), nullptr);
    api->getNewCardRequest()->createCardHolder->cardHolder.reset();
    EXPECT_EQ(newCardProfileData(), nullptr);
    EXPECT_EQ(newCardKycData(), nullptr);
    api->resetForTesting();
    EXPECT_EQ(newCardProfileData(), nullptr);
}

}  // namespace
}  // namespace fv::wizard_test
