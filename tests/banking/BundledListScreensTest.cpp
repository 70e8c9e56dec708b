#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banking/DirectDepositViewController.h"
#include "core/ScreenRegistry.h"
#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"
#include "tests/banking/BundleWithFile.h"

namespace fv {
namespace {

class BundledListScreensTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }
};

// A deposit record grown far past any real one (a damaged or tampered bundle) is refused before it
// is parsed: the screen keeps its placeholders instead of stalling on it.
TEST_F(BundledListScreensTest, AnOversizedDepositRecordIsRefusedAndThePlaceholdersStay) {
    test::BundleWithFile bundle("directDeposit.plist",
                                Value(Value::Dictionary{{"Direct Deposit Account", "7730 0415 9982"},
                                                        {"Bank Routing", "123456780"},
                                                        {"Notes", std::string(2u << 20, 'x')}}));
    LogCapture console;
    auto screen = std::dynamic_pointer_cast<DirectDepositViewController>(
        ScreenRegistry::screenNamed(screen::DirectDepositViewController));
    ASSERT_TRUE(screen);
    host.show(screen);
    EXPECT_EQ(screen->lbl_directDeposit.get()->text(), "\u2014");
    EXPECT_EQ(screen->lbl_routingNumber.get()->text(), "\u2014");
    EXPECT_TRUE(screen->depositContent.empty());
    EXPECT_TRUE(console.contains("directDeposit.plist: ")) << testing::PrintToString(console.lines());
    EXPECT_TRUE(console.contains("it is not read"));
}

}  // namespace
}  // namespace fv
