#include "core/DataModel.h"
#include "examples/host/roads/TransferRoad.h"
#include "platform/foundation/PropertyList.h"
#include "tests/examples/HostTestFixture.h"

namespace fv {
namespace {

using TransferRoad = HostTest;

TEST_F(TransferRoad, TransfersToTheFirstVerifiedAccountAndComesBackToTheHost) {
    const auto out = dir_ / "out";
    HostApplication app(fast());
    Walkthrough walk(app, out.string());
    LogCapture console;
    ASSERT_TRUE(walkTransfer(walk, "125.5")) << ::testing::PrintToString(console.lines());

    // Back on the host's own screen, nothing of the framework left above it.
    ASSERT_EQ(app.navigationController()->viewControllers().size(), 1u);
    EXPECT_EQ(app.navigationController()->topViewController(), app.rootScreen());

    // The account chosen is the file's first verified one.
    const auto records = PropertyList::readArray(FV_SOURCE_DIR "/resources/bankAccounts.plist");
    ASSERT_TRUE(records.has_value());
    std::string firstVerified;
    for (const Value& record : *records->asArray()) {
        if (record["STATUS"].stringValue() == "Verified") {
            firstVerified = record["ACCOUNT_NUMBER"].stringValue();
            break;
        }
    }
    const auto chosen = DataModel::sharedInstance()->selectedBankAccount();
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->accountNumber(), firstVerified);

    expectPicturesOfSteps(
        walk, console, out,
        {"transfer", "picker", "account", "amount", "confirmation", "slide", "success", "back"});
}

}  // namespace
}  // namespace fv
