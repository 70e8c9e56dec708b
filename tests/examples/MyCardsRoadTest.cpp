#include "cards/CardControlSettings.h"
#include "examples/host/roads/MyCardsRoad.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using MyCardsRoad = HostTest;

TEST_F(MyCardsRoad, WalksTheCardsTheirWalletsADetailTheHistoryAndTheCardControlsAndComesBack) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkMyCards(walk)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // The change saved on the card controls stays until the next entry.
    const auto saved = CardControlSettings::load();
    ASSERT_GT(saved.count(), 0u);
    EXPECT_TRUE(saved.settings(0).isBlocked(CardControlOption::BlockInternational));

    // No card number of the demonstration cards reached the console.
    expectConsoleNeverShows(console, {"4111", "0093"});

    expectPicturesOfSteps(
        walk, console, out,
        {"mycards",        "second-card",  "wallets",     "first-card",    "detail",  "detail-closed",
         "history",        "history-back", "controls",    "block",         "limit",   "saved",
         "reentry",        "pin-popup",    "pin-changed", "controls-left", "virtual", "virtual-revealed",
         "virtual-masked", "virtual-back", "balance",     "balance-left",  "back"});
}

}  // namespace
}  // namespace fv
