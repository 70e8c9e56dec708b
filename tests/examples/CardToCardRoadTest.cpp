#include "core/DataModel.h"
#include "examples/host/roads/CardToCardRoad.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using CardToCardRoad = HostTest;

TEST_F(CardToCardRoad, SendsToTheSearchedRecipientAndComesBackToTheHost) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkCardToCard(walk, "okafor", "12.50")) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());
    const auto chosen = DataModel::sharedInstance()->selectedRecipient();
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Recipient(), "Samuel Okafor");
    EXPECT_TRUE(console.contains("   chose Samuel Okafor (Roommate)"));

    expectPicturesOfSteps(walk, console, out,
                          {"cardtocard", "recipients", "search", "recipient", "amount", "confirmation",
                           "slide", "success", "back"});
}

TEST_F(CardToCardRoad, StopsWhenTheSearchFindsNoOne) {
    HostApplication app(fast());
    Walkthrough walk(app, "");
    LogCapture console;
    EXPECT_FALSE(walkCardToCard(walk, "nobody by that name"));
    EXPECT_TRUE(console.contains(
        "04 search: FAILED: the search for \"nobody by that name\" does not show one recipient"))
        << ::testing::PrintToString(console.lines());
}

}  // namespace
}  // namespace fv
