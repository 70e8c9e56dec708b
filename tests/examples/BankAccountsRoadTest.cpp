#include <algorithm>
#include <iterator>

#include "core/DataModel.h"
#include "core/ScreenNames.h"
#include "core/ServiceAddresses.h"
#include "examples/host/roads/BankAccountsRoad.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using BankAccountsRoad = HostTest;

TEST_F(BankAccountsRoad, VerifiesAddsAndLinksAccountsThenShowsTheFundingScreens) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    ASSERT_TRUE(app.demoVendor().isRunning());
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::BankLink), app.demoVendor().baseURL());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkBankAccounts(walk)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());
    EXPECT_FALSE(app.navigationController()->presentedViewController());
    // Two vendor checks ran to their end, one agreeing and one not; the cancelled link asked nothing.
    EXPECT_EQ(app.demoVendor().exchangesAnswered(), 2);
    EXPECT_EQ(app.demoVendor().authsAnswered(), 2);
    expectConsoleNeverShows(console, {"access-demo-", "public-sandbox-", "1111222233339999"});

    const std::vector<std::string> steps = {"accounts",
                                            "swipe",
                                            "swipe-closed",
                                            "verify",
                                            "deposits",
                                            "verified",
                                            "verified-done",
                                            "form",
                                            "details",
                                            "method",
                                            "micro",
                                            "unverified",
                                            "unverified-done",
                                            "link-form",
                                            "link-method",
                                            "link",
                                            "linked",
                                            "linked-done",
                                            "link-failed",
                                            "exit-link",
                                            "exited",
                                            "direct-deposit",
                                            "load-centers",
                                            "load-check",
                                            "back"};
    expectPicturesOfSteps(walk, console, out, steps);

    // Each result screen's button lands on the bank accounts, not on the host's first screen.
    const auto lines = console.lines();
    for (const char* result : {"verified-done", "unverified-done", "linked-done"}) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.find(std::string(" ") + result + ":") != std::string::npos;
        });
        ASSERT_NE(line, lines.begin()) << result;
        EXPECT_EQ(*std::prev(line), "   shows My Bank Accounts") << result;
    }

    // The failed vendor check's picture shows its banner; the step before it shows none.
    EXPECT_TRUE(console.contains(
        "   banner: Verification Failed / Your entered bank account details are not correct"));
    const auto failed = std::find(steps.begin(), steps.end(), "link-failed") - steps.begin() + 1;
    EXPECT_GT(errorBannerShare(walk.pictures()[failed]), 0.5);
    EXPECT_LT(errorBannerShare(walk.pictures()[failed - 1]), 0.05);
    EXPECT_LT(errorBannerShare(walk.pictures()[failed + 1]), 0.05) << "the banner was tapped away";
}

TEST_F(BankAccountsRoad, TheHostsButtonPresentsTheFrameworksOwnStackOverItsOwn) {
    HostApplication app(fast());
    Walkthrough walk(app, "");
    auto button = app.rootScreen()->buttonForRoad("bankaccounts");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->currentTitle(), "Bank accounts");
    ASSERT_EQ(walk.openRoad("bankaccounts", screen::MyBankAccountsViewController), "");

    const auto stack = DataModel::sharedInstance()->myBankAccountsNavView();
    ASSERT_TRUE(stack);
    EXPECT_EQ(app.navigationController()->presentedViewController(), stack);
    EXPECT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_EQ(walk.topScreen(), stack->topViewController());
    EXPECT_EQ(app.navigationController()->viewControllers().size(), 1u);
    // The host's first screen waits underneath; it is not showing.
    EXPECT_NE(walk.awaitHost(), "");
}

}  // namespace
}  // namespace fv
