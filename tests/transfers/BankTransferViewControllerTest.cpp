#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/DataModel.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UITextField.h"
#include "transfers/BankTransferViewController.h"

namespace fv {
namespace {

// The menu button of the title bar, in window coordinates.
constexpr CGPoint kMenuButton{32, 42};

class BankTransferScreenTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    std::shared_ptr<BankTransferViewController> openScreen() {
        auto screen = std::dynamic_pointer_cast<BankTransferViewController>(
            ScreenRegistry::screenNamed(screen::BankTransferViewController));
        if (screen) host.show(screen);
        return screen;
    }
};

TEST_F(BankTransferScreenTest, EveryEntryRootsAFreshScreenInItsStack) {
    auto model = DataModel::sharedInstance();
    model->initAllViews();
    auto first = model->bankTransferNavView();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isNavigationBarHidden());
    ASSERT_EQ(first->viewControllers().size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<BankTransferViewController>(first->viewControllers()[0]));
    model->initAllViews();
    EXPECT_NE(model->bankTransferNavView(), first);
}

TEST_F(BankTransferScreenTest, ThemesTheTitleBarAndShowsOnlyThePageItsFileNames) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), theme->header_text_color()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    host.advance(1);
    EXPECT_EQ(screen->webview.get()->requestedURLs(),
              std::vector<std::string>{"https://fernvault.example/bank-transfer"});
    EXPECT_TRUE(host.snapshot("bank_transfer"));
}

TEST_F(BankTransferScreenTest, TheMenuButtonEndsEditingAndLeavesTheScreenInPlace) {
    auto screen = openScreen();
    ASSERT_TRUE(screen);
    auto field = UITextField::create({{20, 100}, {200, 30}});
    screen->view()->addSubview(field);
    ASSERT_TRUE(field->becomeFirstResponder());
    const auto stack = host.navigationStack();
    ASSERT_TRUE(host.tap(kMenuButton));
    host.advance(0.5);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(host.navigationStack(), stack);
}

}  // namespace
}  // namespace fv
