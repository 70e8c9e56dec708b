#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banking/DirectDepositViewController.h"
#include "banking/LoadCenterViewController.h"
#include "banking/LoadCheckViewController.h"
#include "core/DataModel.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"
#include "tests/banking/BundleWithFile.h"

namespace fv {
namespace {

constexpr CGPoint kMenuButton{32, 42};

class FundingInfoTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    template <class Screen>
    std::shared_ptr<Screen> open(ScreenName name) {
        auto screen = std::dynamic_pointer_cast<Screen>(ScreenRegistry::screenNamed(name));
        if (screen) host.show(screen);
        return screen;
    }
};

TEST_F(FundingInfoTest, DirectDepositShowsTheAccountAndRoutingNumbers) {
    auto screen = open<DirectDepositViewController>(screen::DirectDepositViewController);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->lbl_directDeposit.get()->text(), "7730 0415 9982");
    EXPECT_EQ(screen->lbl_routingNumber.get()->text(), "123456780");
    EXPECT_EQ(screen->depositContent.size(), 2u);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), theme->header_text_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_directDeposit.get()->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->btn_downloadForm.get()->backgroundColor(), UIColor::clearColor()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_TRUE(host.snapshot("direct_deposit"));
}

TEST_F(FundingInfoTest, ANumericRoutingShowsAsDecimalText) {
    test::BundleWithFile bundle(
        "directDeposit.plist",
        Value(Value::Dictionary{{"Direct Deposit Account", "1"}, {"Bank Routing", Value(123456780)}}));
    auto screen = open<DirectDepositViewController>(screen::DirectDepositViewController);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->lbl_routingNumber.get()->text(), "123456780");
}

TEST_F(FundingInfoTest, WithoutTheRecordTheLabelsKeepTheirPlaceholdersAndOneLineSaysWhy) {
    test::BundleWithFile bundle("directDeposit.plist", std::nullopt);
    LogCapture console;
    auto screen = open<DirectDepositViewController>(screen::DirectDepositViewController);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->lbl_directDeposit.get()->text(), "\u2014");
    EXPECT_EQ(screen->lbl_routingNumber.get()->text(), "\u2014");
    EXPECT_EQ(console.lines().size(), 1u);
}

TEST_F(FundingInfoTest, AMissingKeyLeavesOnlyItsLabel) {
    test::BundleWithFile bundle("directDeposit.plist", Value(Value::Dictionary{{"Bank Routing", "5"}}));
    auto screen = open<DirectDepositViewController>(screen::DirectDepositViewController);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->lbl_directDeposit.get()->text(), "\u2014");
    EXPECT_EQ(screen->lbl_routingNumber.get()->text(), "5");
}

struct WebScreen {
    ScreenName name;
    const char* snapshot;
};

class FundingWebScreenTest : public FundingInfoTest, public ::testing::WithParamInterface<WebScreen> {};

TEST_P(FundingWebScreenTest, ThemesTheHeaderAndLoadsNoPageOfItsOwn) {
    auto screen = open<TitleBarBase>(GetParam().name);
    ASSERT_TRUE(screen);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), theme->header_text_color()));
    EXPECT_TRUE(host.outlet(screen, "webview"));
    EXPECT_TRUE(host.snapshot(GetParam().snapshot));
}

INSTANTIATE_TEST_SUITE_P(Both, FundingWebScreenTest,
                         ::testing::Values(WebScreen{screen::LoadCenterViewController, "load_center"},
                                           WebScreen{screen::LoadCheckViewController, "load_check"}),
                         [](const auto& info) { return std::string(info.param.name.className); });

// Every funding screen is the root of its own stack, so back only puts the keyboard away.
TEST_F(FundingInfoTest, BackOnlyPutsTheKeyboardAway) {
    DataModel::sharedInstance()->initAllViews();
    for (const auto& stack : {DataModel::sharedInstance()->directDepositNavView(),
                              DataModel::sharedInstance()->loadCenterNavView(),
                              DataModel::sharedInstance()->loadCheckNavView()}) {
        ASSERT_TRUE(stack);
        auto screen = stack->viewControllers().front();
        host.window()->setRootViewController(stack);
        host.advance(0.5);
        auto field = UITextField::create(CGRectMake(20, 500, 200, 40));
        screen->view()->addSubview(field);
        ASSERT_TRUE(field->becomeFirstResponder());
        ASSERT_TRUE(host.tap(kMenuButton));
        host.advance(0.5);
        EXPECT_FALSE(field->isFirstResponder());
        EXPECT_EQ(stack->viewControllers().size(), 1u);
        EXPECT_EQ(stack->topViewController(), screen);
    }
}

}  // namespace
}  // namespace fv
