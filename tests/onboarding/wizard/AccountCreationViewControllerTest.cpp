#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/DataModel.h"
#include "onboarding/wizard/AccountCreationViewController.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Text.h"
#include "platform/kits/ThemedAlertView.h"
#include "platform/testing/LoopbackServer.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = AccountCreationViewController;

const BannerInfo kEmailBanner{"Email Not Valid",
                              "Your entered email is not valid. Please try with correct email address again!",
                              BannerMessageTypeError};
const BannerInfo kPasswordBanner{"Password Not Matched", "Your entered password is not matched.",
                                 BannerMessageTypeError};

class AccountCreationTest : public WizardTest {
  protected:
    void SetUp() override {
        WizardTest::SetUp();
        DataModel::sharedInstance()->setVerificationEmail("ada@example.org");
    }
    void TearDown() override {
        DataModel::sharedInstance()->setVerificationEmail("");
        WizardTest::TearDown();
    }

    // The step as the date-of-birth screen opens it, told whether there is an SSN (none: not told).
    std::shared_ptr<Screen> openStep(std::optional<bool> haveSSN) {
        auto screen = std::dynamic_pointer_cast<Screen>(
            ScreenRegistry::screenNamed(screen::AccountCreationViewController));
        if (!screen) return nullptr;
        if (haveSSN) screen->setValueForKey("do_Have_SSN", Value(*haveSSN));
        host.navigationController()->pushViewController(screen, true);
        settle();
        return screen;
    }

    void typePasswords(const std::shared_ptr<Screen>& s, const std::string& first,
                       const std::string& second) {
        ASSERT_TRUE(host.typeText(s->tf_password.get(), first));
        ASSERT_TRUE(host.typeText(s->tf_retype_password.get(), second));
    }
    void finish(const std::shared_ptr<Screen>& s) {
        s->view()->endEditing(true);
        ASSERT_TRUE(host.tap(s->Btn_finish.get()));
    }
    void clearBanner() {
        BannerMessages::dismissCurrent();
        settle();
    }
    static std::string requestJSON() {
        return JSON::serialize(ApiDataModel::sharedInstance()->getNewCardRequest()->toDictionary())
            .value_or("");
    }
};

TEST_F(AccountCreationTest, PrefillsTheFirstStepsAddressWithFinishStillDisabledAndAFullBar) {
    auto screen = openStep(true);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->tf_emailAddress.get()->text(), "ada@example.org");
    EXPECT_TRUE(mainButtonIs(screen->Btn_finish.get(), false));
    EXPECT_FLOAT_EQ(screen->progress_bar.get()->progress(), 1.0f) << "1.02 shows a full bar";
    EXPECT_TRUE(screen->tf_password.get()->isSecureTextEntry());
    EXPECT_TRUE(screen->tf_retype_password.get()->isSecureTextEntry());

    typePasswords(screen, "s3cret", "s3cre");
    EXPECT_TRUE(mainButtonIs(screen->Btn_finish.get(), true));
    ASSERT_TRUE(host.deleteBackward(screen->tf_password.get(), 6));
    EXPECT_TRUE(mainButtonIs(screen->Btn_finish.get(), false));
    ASSERT_TRUE(host.typeText(screen->tf_password.get(), "s3cret"));
    screen->view()->endEditing(true);
    EXPECT_TRUE(host.snapshot("account_creation_filled"));
}

TEST_F(AccountCreationTest, TermsAndPrivacyPolicyAreLinksInTheMainColourThatOpenNothing) {
    auto screen = openStep(false);
    ASSERT_TRUE(screen);
    auto label = screen->lbl_titleTwo.get();
    const auto sentence = label->text().value_or("");
    const auto links = label->links();
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].url, "TermsPressed");
    EXPECT_EQ(text::substringWithRange(sentence, links[0].range), "Terms");
    EXPECT_EQ(links[1].url, "PrivacyPolicyPressed");
    EXPECT_EQ(text::substringWithRange(sentence, links[1].range), "Privacy Policy");
    const NSAttributes coloured{
        {kCTForegroundColorAttributeName, ThemeManager::sharedInstance()->main_color()}};
    EXPECT_TRUE(attributesEqual(label->linkAttributes(), coloured));
    EXPECT_TRUE(attributesEqual(label->activeLinkAttributes(), coloured));
    EXPECT_TRUE(attributesEqual(label->inactiveLinkAttributes(), coloured));
    EXPECT_EQ(label->delegate().get(), static_cast<LinkLabelDelegate*>(screen.get()));

    const auto stack = host.navigationStack();
    for (const auto& link : links) screen->attributedLabelDidSelectLinkWithURL(label.get(), link.url);
    settle();
    EXPECT_EQ(host.navigationStack(), stack);
    EXPECT_FALSE(banner());
    EXPECT_TRUE(UIApplication::sharedApplication()->openedURLs().empty());
}

TEST_F(AccountCreationTest, ASentenceWithoutTheWordsGetsNoLinks) {
    std::ifstream in(std::string(getenv("FERNVAULT_BUNDLE_PATH")) + "/AccountCreationViewController.xml");
    std::stringstream xml;
    xml << in.rdbuf();
    std::string file = xml.str();
    const std::string sentence = "By tapping Finish you agree to our Terms and Privacy Policy.";
    file.replace(file.find(sentence), sentence.size(), "By tapping Finish you agree to our conditions.");
    const auto dir = std::filesystem::temp_directory_path() / ("fv-account-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "AccountCreationViewController.xml") << file;

    auto screen = std::make_shared<Screen>();
    screen->initWithNibName("", std::make_shared<NSBundle>(dir.string()));
    host.show(screen);
    EXPECT_TRUE(screen->lbl_titleTwo.get()->links().empty());
    std::filesystem::remove_all(dir);
}

TEST_F(AccountCreationTest, OneMessagePerTapTheAddressFirstAndNothingWrittenOnAFailure) {
    auto screen = openStep(true);
    ASSERT_TRUE(screen);
    screen->tf_emailAddress.get()->setText("ada@example");
    typePasswords(screen, "Secret", "secret");
    finish(screen);
    EXPECT_EQ(banner(), kEmailBanner);
    EXPECT_EQ(BannerMessages::waitingCount(), 0u);
    clearBanner();

    screen->tf_emailAddress.get()->setText("   ");
    finish(screen);
    EXPECT_EQ(banner(), kEmailBanner) << "blanks fill the field but are no address";
    clearBanner();

    screen->tf_emailAddress.get()->setText("ada@example.org");
    finish(screen);
    EXPECT_EQ(banner(), kPasswordBanner) << "letter case counts";
    EXPECT_EQ(screen->tf_password.get()->text(), "Secret");
    EXPECT_EQ(profileLeaf("email"), "");
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(AccountCreationTest, EqualPasswordsOfOneCharacterOrCanonicallyEqualPass) {
    for (const auto& [first, second] :
         {std::pair<std::string, std::string>{"x", "x"}, {"caf\u00e9", "cafe\u0301"}}) {
        AVCaptureDevice::provider()->setAuthorizationStatus(AVAuthorizationStatusDenied);
        auto screen = openStep(true);
        ASSERT_TRUE(screen);
        screen->tf_password.get()->setText(first);
        screen->tf_retype_password.get()->setText(second);
        screen->action_finish(nullptr);
        EXPECT_FALSE(banner()) << first;
        ASSERT_TRUE(ThemedAlertView::visibleAlert());
        ASSERT_TRUE(ThemedAlertView::visibleAlert()->tapButton("Not now"));
        host.navigationController()->popToRootViewControllerAnimated(false);
        settle();
    }
}

TEST_F(AccountCreationTest, WithAnSSNTheAddressIsWrittenAndTheGateOpensTheSelfieCamera) {
    AVCaptureDevice::provider()->setAuthorizationStatus(AVAuthorizationStatusAuthorized);
    auto screen = openStep(true);
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(screen->tf_emailAddress.get(), ".uk"));
    typePasswords(screen, "correct horse", "correct horse");
    LogCapture console;
    screen->ShowHUD("Please wait!");
    screen->view()->endEditing(true);
    screen->action_finish(nullptr);
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(profileLeaf("email"), "ada@example.org.uk");
    EXPECT_TRUE(opened(screen::UserPictureCaptureViewController, screen));
    if (ScreenRegistry::isRegistered(screen::UserPictureCaptureViewController)) {
        EXPECT_EQ(host.topViewController()->valueForKey("cameFromProfile"), Value(false));
    }
    EXPECT_EQ(requestJSON().find("correct horse"), std::string::npos) << "the password goes nowhere";
    EXPECT_EQ(requestJSON().find("password"), std::string::npos);
    for (const auto& line : console.lines()) EXPECT_EQ(line.find("correct horse"), std::string::npos) << line;
}

TEST_F(AccountCreationTest, ARefusedCameraShowsTheAlertAfterWritingAndAgainOnTheNextTap) {
    AVCaptureDevice::provider()->setAuthorizationStatus(AVAuthorizationStatusRestricted);
    auto screen = openStep(true);
    ASSERT_TRUE(screen);
    typePasswords(screen, "pw", "pw");
    finish(screen);
    EXPECT_EQ(profileLeaf("email"), "ada@example.org");
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Camera unavailable");
    EXPECT_TRUE(host.snapshot("account_creation_camera_unavailable", std::make_shared<WholeScreenView>()));
    ASSERT_TRUE(alert->tapButton("Not now"));
    settle();
    EXPECT_EQ(host.topViewController(), screen);

    screen->tf_emailAddress.get()->setText("ada.l@example.org");
    finish(screen);
    EXPECT_EQ(profileLeaf("email"), "ada.l@example.org");
    EXPECT_TRUE(ThemedAlertView::visibleAlert());
}

class WithoutSSN : public AccountCreationTest, public ::testing::WithParamInterface<std::optional<bool>> {};

TEST_P(WithoutSSN, TheIDCheckStartOpensAfterTheTapWithoutAskingForTheCamera) {
    auto screen = openStep(GetParam());
    ASSERT_TRUE(screen);
    typePasswords(screen, "pw", "pw");
    screen->action_finish(nullptr);
    EXPECT_EQ(host.topViewController(), screen) << "queued, not pushed inside the tap";
    EXPECT_TRUE(opened(screen::VerifyIDCardStartViewController, screen));
    EXPECT_EQ(AVCaptureDevice::provider()->promptCount(), 0);
    EXPECT_FALSE(ThemedAlertView::visibleAlert());
}

INSTANTIATE_TEST_SUITE_P(NotToldOrFalse, WithoutSSN, ::testing::Values(std::nullopt, false));

TEST_F(AccountCreationTest, BackHidesTheOverlayAndWritesNothing) {
    auto screen = openStep(true);
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.typeText(screen->tf_emailAddress.get(), "x"));
    screen->ShowHUD("Please wait!");
    screen->action_back(nullptr);
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_EQ(profileLeaf("email"), "");
}

}  // namespace
}  // namespace fv::wizard_test
