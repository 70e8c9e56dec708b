#include "core/ApiDataModel.h"
#include "core/DataModel.h"
#include "examples/host/roads/NewCardRoad.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using NewCardRoad = HostTest;

TEST_F(NewCardRoad, FillsTheFirstStepsOfTheWizardAndComesBackToTheHost) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkNewCard(walk)) << ::testing::PrintToString(console.lines());

    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // What the first step's Next wrote.
    const auto profile =
        ApiDataModel::sharedInstance()->getNewCardRequest()->createCardHolder->cardHolder->profileData;
    EXPECT_EQ(profile->mobile, "+15558675309");
    EXPECT_EQ(profile->phone, "+15558675309");
    EXPECT_EQ(profile->email, "ada.lovelace@example.org");
    EXPECT_EQ(DataModel::sharedInstance()->verificationEmail(), "ada.lovelace@example.org");

    expectPicturesOfSteps(walk, console, out,
                          {"newcard", "phone", "email", "code", "boxes", "back-phone", "back-host"});
}

}  // namespace
}  // namespace fv
