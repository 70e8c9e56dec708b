#include "cards/CardControlSettings.h"
#include "core/SDKManager.h"
#include "examples/host/roads/MyCardsControlsSteps.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using MyCardsControlsSteps = HostTest;

// The steps start from whatever screen is on top; here the host's own, with the framework prepared as
// on an entry.
TEST_F(MyCardsControlsSteps, SaveReadBackRevealAndBalanceThenBackWhereTheyStarted) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    SDKManager::sharedInstance()->initAllView();
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walk.run(myCardsControlsSteps(walk))) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // What was saved is in the store.
    const auto saved = CardControlSettings::load();
    ASSERT_GT(saved.count(), 0u);
    EXPECT_TRUE(saved.settings(0).isBlocked(CardControlOption::BlockInternational));
    EXPECT_EQ(saved.settings(0).transactionLimit(), "750");

    // Neither the card number nor a PIN reached the console.
    expectConsoleNeverShows(console, {"0093", "2468", "1357"});

    expectPicturesOfSteps(
        walk, console, out,
        {"controls", "block", "limit", "saved", "reentry", "pin-popup", "pin-changed", "controls-left",
         "virtual", "virtual-revealed", "virtual-masked", "virtual-back", "balance", "balance-left"});
}

}  // namespace
}  // namespace fv
