#include "examples/host/roads/HistoryRoad.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using HistoryRoad = HostTest;

TEST_F(HistoryRoad, FiltersByEachSegmentOpensADetailAndComesBackToTheHost) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkHistory(walk)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());
    // The shipped history: five card-to-card transfers on four days, four card-to-bank on three,
    // and every day of the file (one without transfers) under "all".
    EXPECT_TRUE(console.contains("   shows 4 days, 5 transfers"));
    EXPECT_TRUE(console.contains("   shows 3 days, 4 transfers"));
    EXPECT_TRUE(console.contains("   shows 6 days, 9 transfers"));

    expectPicturesOfSteps(walk, console, out,
                          {"history", "cardtocard", "cardtobank", "all", "detail", "closed", "back"});
}

}  // namespace
}  // namespace fv
