#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ServiceManager.h"
#include "examples/host/DemoBackend.h"
#include "onboarding/application/CardholderAgreementViewController.h"
#include "platform/foundation/JSON.h"
#include "platform/testing/LoopbackServer.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = CardholderAgreementViewController;

class AgreementTest : public WizardTest {
  protected:
    void SetUp() override {
        WizardTest::SetUp();
        ASSERT_TRUE(backend.setCardLastFour("7305"));
        ASSERT_TRUE(backend.start());
        auto profile =
            ApiDataModel::sharedInstance()->getNewCardRequest()->createCardHolder->cardHolder->profileData;
        profile->firstName = "Ada";
        profile->lastName = "Lovelace";
        profile->kycData->ssn = "219099999";
    }
    void TearDown() override {
        ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(30.0);
        backend.stop();
        WizardTest::TearDown();
    }

    std::shared_ptr<Screen> openAgreement() {
        return open<Screen>(screen::CardholderAgreementViewController);
    }

    // Continue as the user presses it; waits until the reply has been handled and the overlay is gone.
    void pressContinue(const std::shared_ptr<Screen>& screen) {
        const auto before = backend.receivedBodies().size();
        ASSERT_TRUE(host.tap(screen->Btn_continue.get()));
        EXPECT_TRUE(test::waitFor([&] { return !ProgressHUD::isVisible(); }, 10.0));
        host.advance(0.5);
        EXPECT_EQ(backend.receivedBodies().size(), before + 1) << "one post per press";
    }

    static UIViewPtr backButton(const std::shared_ptr<Screen>& screen) {
        return screen->view_navbar.get()->subviews().front();
    }

    DemoBackend backend;
};

TEST_F(AgreementTest, ShowsTheAgreementInTheThemeFromItsFirstLine) {
    auto screen = openAgreement();
    ASSERT_TRUE(screen);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), theme->header_text_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleOne.get()->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->txtView_agreement.get()->textColor(), theme->light_font_color()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);

    auto agreement = screen->txtView_agreement.get();
    agreement->setContentOffset(CGPointMake(0, 120));
    screen->view()->setNeedsLayout();
    screen->view()->layoutIfNeeded();
    host.advance(0.5);
    EXPECT_EQ(agreement->contentOffset(), CGPointMake(0, 0)) << "each layout goes back to the first line";
    EXPECT_TRUE(host.snapshot("agreement"));
}

TEST_F(AgreementTest, ACreatedCardOpensTheSuccessScreenWithTheOverlayGone) {
    auto screen = openAgreement();
    ASSERT_TRUE(screen);
    const auto parsedOnMain = JSON::bytesParsedOnThisThread();
    pressContinue(screen);
    EXPECT_EQ(JSON::bytesParsedOnThisThread(), parsedOnMain) << "the reply is parsed once, on the worker";
    EXPECT_TRUE(opened(screen::SuccessAndVerifiedViewController, screen));
    EXPECT_FALSE(banner());
    const auto& cards =
        ApiDataModel::sharedInstance()->getNewCardResponse()->createCardHolderResponse->cardsDataList;
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0]->cardLastFour, "7305");
    const auto stack = host.navigationStack();
    if (ScreenRegistry::isRegistered(screen::SuccessAndVerifiedViewController)) {
        ASSERT_GE(stack.size(), 2u);
        EXPECT_EQ(stack[stack.size() - 2], screen) << "the agreement stays beneath";
    }
}

struct FailureCase {
    const char* name;
    DemoBackend::Outcome outcome;
    BannerInfo banner;
};

class AgreementFailure : public AgreementTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AgreementFailure, ShowsItsBannerStaysAndPostsTheSameRequestAgain) {
    const auto& c = GetParam();
    backend.setOutcome(c.outcome);
    backend.setTimeOutHold(5);
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(0.5);
    auto screen = openAgreement();
    ASSERT_TRUE(screen);
    pressContinue(screen);
    EXPECT_EQ(banner(), c.banner);
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_TRUE(host.snapshot(std::string("agreement_") + c.name, std::make_shared<WholeScreenView>()));

    backend.setOutcome(DemoBackend::Outcome::Created);
    pressContinue(screen);
    const auto bodies = backend.receivedBodies();
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_EQ(bodies[0], bodies[1]);
    EXPECT_EQ(JSON::parse(bodies[0]), ApiDataModel::sharedInstance()->getNewCardRequest()->toDictionary());
    EXPECT_TRUE(opened(screen::SuccessAndVerifiedViewController, screen));
}

INSTANTIATE_TEST_SUITE_P(
    DemoBackend, AgreementFailure,
    ::testing::Values(FailureCase{"declined",
                                  DemoBackend::Outcome::Declined,
                                  {"Unable To Get Card", "Something went wrong. Please try again!",
                                   BannerMessageTypeError}},
                      FailureCase{"server_error",
                                  DemoBackend::Outcome::ServerError,
                                  {"Get Card Service Failed", "", BannerMessageTypeError}},
                      FailureCase{"time_out",
                                  DemoBackend::Outcome::TimeOut,
                                  {"Get Card Service Failed", "", BannerMessageTypeError}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AgreementTest, WhileThePostIsInFlightTheOverlayTakesEveryTouch) {
    // A reply held back longer than the client waits: the overlay stays until the client gives up.
    backend.setOutcome(DemoBackend::Outcome::TimeOut);
    backend.setTimeOutHold(10);
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(4.0);
    auto screen = openAgreement();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->Btn_continue.get()));
    EXPECT_TRUE(ProgressHUD::isVisible());
    EXPECT_EQ(ProgressHUD::status(), "Please wait!");
    EXPECT_TRUE(host.snapshot("agreement_waiting", std::make_shared<WholeScreenView>()));
    EXPECT_NE(host.tapMissing(screen->Btn_continue.get()), "");
    EXPECT_NE(host.tapMissing(backButton(screen)), "");
    EXPECT_TRUE(test::waitFor([&] { return !ProgressHUD::isVisible(); }, 10.0));
    host.advance(0.5);
    EXPECT_EQ(backend.receivedBodies().size(), 1u) << "the touches meanwhile posted nothing";
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(banner(), (BannerInfo{"Get Card Service Failed", "", BannerMessageTypeError}));
}

TEST_F(AgreementTest, WithoutARequestNothingIsPostedAndTheErrorBannerShows) {
    ApiDataModel::sharedInstance()->resetForTesting();
    auto screen = openAgreement();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->Btn_continue.get()));
    host.advance(0.5);
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(banner(), (BannerInfo{"Unable To Get Card", "Something went wrong. Please try again!",
                                    BannerMessageTypeError}));
    EXPECT_TRUE(backend.receivedBodies().empty());
}

TEST_F(AgreementTest, BackHidesTheOverlayAndPopsToTheScreenBeneath) {
    auto screen = openAgreement();
    ASSERT_TRUE(screen);
    screen->ShowHUD("Please wait!");
    screen->action_back(nullptr);
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_TRUE(backend.receivedBodies().empty());
}

}  // namespace
}  // namespace fv::wizard_test
