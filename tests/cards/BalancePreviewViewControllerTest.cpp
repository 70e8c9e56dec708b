#include "cards/BalancePreviewViewController.h"

#include <gtest/gtest.h>

#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/AttributedString.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIApplication.h"

namespace fv {
namespace {

class BalancePreviewTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    std::shared_ptr<BalancePreviewViewController> open() {
        auto screen = std::dynamic_pointer_cast<BalancePreviewViewController>(
            ScreenRegistry::screenNamed(screen::BalancePreviewViewController));
        if (screen) host.show(screen);
        return screen;
    }
};

TEST_F(BalancePreviewTest, ShowsTheDemonstrationBalanceWithASmallRaisedFraction) {
    auto screen = open();
    ASSERT_TRUE(screen);
    const auto balance = screen->lbl_TotalAmount->attributedText();
    ASSERT_TRUE(balance);
    EXPECT_EQ(balance->string(), "$ 9500.75");
    const UIFontPtr large = fontAttribute(balance->attributesAtIndex(0));
    const auto fraction = balance->attributesAtIndex(6);
    ASSERT_TRUE(large && fontAttribute(fraction));
    EXPECT_EQ(large->pointSize(), 26);
    EXPECT_EQ(fontAttribute(fraction)->pointSize(), 14);
    EXPECT_GT(numberAttribute(fraction, NSBaselineOffsetAttributeName).value_or(0), 0);
    EXPECT_TRUE(
        colorsEqual(screen->lbl_TotalAmount->textColor(), ThemeManager::sharedInstance()->main_color()));
}

TEST_F(BalancePreviewTest, ThePictureIsACircleAndThePasswordBoxHasTheCommonFrame) {
    auto screen = open();
    ASSERT_TRUE(screen);
    auto picture = screen->img_UserImage.get();
    EXPECT_TRUE(picture->clipsToBounds());
    EXPECT_EQ(picture->layer()->cornerRadius, picture->frame().size.width * 0.5);
    EXPECT_TRUE(picture->image());
    auto box = screen->view_PasswordField->layer();
    EXPECT_EQ(box->borderWidth, 1.5);
    EXPECT_EQ(box->cornerRadius, 5.0);
    EXPECT_TRUE(colorsEqual(box->borderColor, ThemeManager::sharedInstance()->border_color()));
    EXPECT_TRUE(colorsEqual(screen->btn_login->backgroundColor(), UIColor::clearColor()));
    EXPECT_TRUE(screen->tfPassword->isSecureTextEntry());
}

TEST_F(BalancePreviewTest, TypingAPasswordAndLoggingInChangeNothing) {
    auto screen = open();
    ASSERT_TRUE(screen);
    LogCapture log;
    ASSERT_TRUE(host.typeText(screen->tfPassword.get(), "hunter22"));
    ASSERT_TRUE(host.tap(screen->btn_login.get()));
    host.advance(1.0);
    EXPECT_EQ(host.topViewController(), screen);
    EXPECT_EQ(screen->lbl_TotalAmount->attributedText()->string(), "$ 9500.75");
    EXPECT_TRUE(log.lines().empty());
}

// The preview has no status bar style of its own: on every appearance, the first included, the bar
// stays as the screen before it left it. The styles are the screens' default and another one, neither
// of them the platform's default.
class BalancePreviewStatusBarTest : public BalancePreviewTest,
                                    public ::testing::WithParamInterface<UIStatusBarStyle> {
  protected:
    // A screen that sets `style` on each appearance.
    static std::shared_ptr<BaseViewController> screenWithStyle(UIStatusBarStyle style) {
        auto screen = std::dynamic_pointer_cast<BaseViewController>(
            ScreenRegistry::screenNamed(screen::VirtualCardViewController));
        if (screen) screen->setStatusBarStyle(style);
        return screen;
    }
    void settle() { host.advance(UIViewControllerTransitionDuration + 0.1); }
};

TEST_P(BalancePreviewStatusBarTest, EveryAppearanceLeavesTheBarAsTheScreenBeforeLeftIt) {
    const UIStatusBarStyle before = GetParam();
    const UIStatusBarStyle other =
        before == UIStatusBarStyleLightContent ? UIStatusBarStyleDarkContent : UIStatusBarStyleLightContent;
    auto app = UIApplication::sharedApplication();
    auto previous = screenWithStyle(before);
    ASSERT_TRUE(previous);
    host.show(previous);
    ASSERT_EQ(app->statusBarStyle(), before);

    auto preview = previous->pushScreen(screen::BalancePreviewViewController);
    ASSERT_TRUE(preview);
    settle();
    ASSERT_EQ(host.topViewController(), preview);
    EXPECT_EQ(app->statusBarStyle(), before);

    // A later appearance, back from a screen with the other style.
    auto over = screenWithStyle(other);
    ASSERT_TRUE(over);
    host.navigationController()->pushViewController(over, true);
    settle();
    ASSERT_EQ(app->statusBarStyle(), other);
    host.navigationController()->popViewControllerAnimated(true);
    settle();
    ASSERT_EQ(host.topViewController(), preview);
    EXPECT_EQ(app->statusBarStyle(), other);
}

INSTANTIATE_TEST_SUITE_P(StylesBefore, BalancePreviewStatusBarTest,
                         ::testing::Values(UIStatusBarStyleLightContent, UIStatusBarStyleDarkContent),
                         [](const auto& info) {
                             return info.param == UIStatusBarStyleLightContent ? "Light" : "Dark";
                         });

TEST_F(BalancePreviewTest, LooksAsDesigned) {
    ASSERT_TRUE(open());
    EXPECT_TRUE(host.snapshot("balance_preview"));
}

}  // namespace
}  // namespace fv
