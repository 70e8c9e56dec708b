#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "banking/AccountAddedSuccessfullyViewController.h"
#include "banking/UnVerifiedAccountAddedViewController.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "platform/testing/UserDriver.h"

namespace fv {
namespace {

struct ResultScreen {
    ScreenName name;
    const char* action;    // the one action of its button
    const char* snapshot;  // the reference picture's name
};

void PrintTo(const ResultScreen& screen, std::ostream* os) {
    *os << screen.name.className;
}

class AccountResultScreensTest : public TestHostFixture, public ::testing::WithParamInterface<ResultScreen> {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    // The result on top of the screens of an add-account flow: a list, the form, the confirmation.
    std::shared_ptr<AccountResultBase> openAfterFlow() {
        for (int i = 0; i < 3; ++i) host.show(UIViewController::create());
        auto screen =
            std::dynamic_pointer_cast<AccountResultBase>(ScreenRegistry::screenNamed(GetParam().name));
        if (screen) host.show(screen);
        return screen;
    }
};

TEST_P(AccountResultScreensTest, ThemesTheHeaderAndTheButton) {
    auto screen = openAfterFlow();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), UIColor::whiteColor()));
    EXPECT_TRUE(colorsEqual(screen->btn_continue.get()->backgroundColor(), UIColor::clearColor()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_TRUE(host.snapshot(GetParam().snapshot));
}

TEST_P(AccountResultScreensTest, TheButtonReturnsToTheFirstScreenAndDiscardsTheFlow) {
    auto screen = openAfterFlow();
    ASSERT_TRUE(screen);
    std::weak_ptr<AccountResultBase> gone = screen;
    auto button = screen->btn_continue.get();
    EXPECT_EQ(UserDriver::controlWiredTo(screen->view(), screen.get(), GetParam().action), button);
    screen.reset();
    ASSERT_TRUE(host.tap(button));
    host.advance(0.5);
    ASSERT_EQ(host.navigationStack().size(), 1u);
    EXPECT_EQ(host.topViewController(), host.rootScreen());
    EXPECT_TRUE(gone.expired());
}

TEST_P(AccountResultScreensTest, OffAnyStackTheButtonDoesNothing) {
    auto screen = ScreenRegistry::screenNamed(GetParam().name);
    ASSERT_TRUE(screen);
    screen->view()->layoutIfNeeded();
    EXPECT_TRUE(screen->performSelector(GetParam().action));
    EXPECT_EQ(host.navigationStack().size(), 1u);
}

TEST_P(AccountResultScreensTest, HasNoBackAction) {
    auto screen = ScreenRegistry::screenNamed(GetParam().name);
    ASSERT_TRUE(screen);
    EXPECT_FALSE(screen->respondsToSelector("backPressed:"));
    EXPECT_FALSE(screen->respondsToSelector(
        GetParam().action == std::string("donePressed:") ? "continuePressed:" : "donePressed:"));
}

INSTANTIATE_TEST_SUITE_P(Both, AccountResultScreensTest,
                         ::testing::Values(ResultScreen{screen::AccountAddedSuccessfullyViewController,
                                                        "continuePressed:", "account_added"},
                                           ResultScreen{screen::UnVerifiedAccountAddedViewController,
                                                        "donePressed:", "unverified_account_added"}),
                         [](const auto& info) { return std::string(info.param.name.className); });

}  // namespace
}  // namespace fv
