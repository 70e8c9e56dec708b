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
    // One vendor verification ran to its end; the cancelled link asked the vendor nothing.
    EXPECT_EQ(app.demoVendor().exchangesAnswered(), 1);
    EXPECT_EQ(app.demoVendor().authsAnswered(), 1);
    expectConsoleNeverShows(console, {"access-demo-", "public-sandbox-"});

    expectPicturesOfSteps(
        walk, console, out,
        {"accounts",   "swipe",     "swipe-closed",   "verify",       "deposits",   "verified",
         "home",       "form",      "details",        "method",       "micro",      "unverified",
         "home-again", "link-form", "link-method",    "link",         "linked",     "home-linked",
         "exit-link",  "exited",    "direct-deposit", "load-centers", "load-check", "back"});
}

TEST_F(BankAccountsRoad, TheHostsButtonShowsTheBankAccountsOnItsOwnStack) {
    HostApplication app(fast());
    auto button = app.rootScreen()->buttonForRoad("bankaccounts");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->currentTitle(), "Bank accounts");
}

}  // namespace
}  // namespace fv
