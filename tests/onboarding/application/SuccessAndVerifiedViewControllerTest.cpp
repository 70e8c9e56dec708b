#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "cards/VirtualCardViewController.h"
#include "onboarding/application/SuccessAndVerifiedViewController.h"
#include "platform/kits/DeviceInfo.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = SuccessAndVerifiedViewController;

// The interface file's constants: the icon, the space above it, the space below it.
constexpr CGFloat kIcon = 120, kAbove = 184, kBelow = 40;

class SuccessTest : public WizardTest {
  protected:
    void SetUp() override {
        WizardTest::SetUp();
        ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseInstance(
            R"({"create_cardholder_response": {"responseInfo": {"responseCode": "0", "acquirerRefNo": "A1",
                "responseDesc": "Approved", "transactionId": "T1"},
              "cardsData": [{"accountBalances": [], "cardholderId": "CH1", "cardLastFour": "7305",
                "cardNo": "2211330000007305", "cardRefNo": "R1", "cardStatus": "ACTIVE",
                "createdOn": "2026-12-07"}]}})");
    }
    std::shared_ptr<Screen> openSuccess() { return open<Screen>(screen::SuccessAndVerifiedViewController); }
};

TEST_F(SuccessTest, ShowsTheThemedConfirmationAndHasNoWayBack) {
    auto screen = openSuccess();
    ASSERT_TRUE(screen);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleOne.get()->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleThree.get()->textColor(), theme->light_font_color()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_FALSE(screen->respondsToSelector("action_back:"));
    auto pop = host.navigationController()->interactivePopGestureRecognizer();
    EXPECT_TRUE(!pop || !pop->isEnabled()) << "no swipe back either";
    EXPECT_TRUE(host.snapshot("success"));
}

TEST_F(SuccessTest, CardManagementLeavesEverythingAsItWas) {
    auto screen = openSuccess();
    ASSERT_TRUE(screen);
    const auto before = host.navigationStack();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(host.tap(screen->Btn_card_management.get()));
    settle();
    EXPECT_EQ(host.navigationStack(), before);
    EXPECT_FALSE(banner());
}

TEST_F(SuccessTest, EachTapOpensANewVirtualCardShowingTheIssuedCard) {
    auto screen = openSuccess();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(host.tap(screen->Btn_view_virtual_card.get()));
    ASSERT_TRUE(opened(screen::VirtualCardViewController, screen));
    const auto first = host.topViewController();
    auto card = std::dynamic_pointer_cast<VirtualCardViewController>(first);
    ASSERT_TRUE(card && card->viewModel());
    EXPECT_EQ(card->viewModel()->getCardNumber(0), "2211330000007305");
    EXPECT_TRUE(host.snapshot("success_virtual_card"));

    host.navigationController()->popViewControllerAnimated(true);
    settle();
    EXPECT_EQ(host.topViewController(), screen) << "back from the card returns here";
    ASSERT_TRUE(host.tap(screen->Btn_view_virtual_card.get()));
    ASSERT_TRUE(opened(screen::VirtualCardViewController, screen));
    EXPECT_NE(host.topViewController(), first);
}

struct DeviceCase {
    int sizeCode;
    CGFloat icon, above, below;
};

class SuccessOnDevice : public SuccessTest, public ::testing::WithParamInterface<DeviceCase> {};

TEST_P(SuccessOnDevice, FitsTheIconAndItsSpacingOnce) {
    const auto& c = GetParam();
    DeviceInfo::setDeviceSize(c.sizeCode);
    auto screen = openSuccess();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->constraint_img_thumbIcon.get()->constant(), c.icon);
    EXPECT_EQ(screen->constraint_top_img_thumbIcon.get()->constant(), c.above);
    EXPECT_EQ(screen->constraint_bottom_img_thumbIcon.get()->constant(), c.below);
    screen->viewWillAppear(false);
    screen->view()->layoutIfNeeded();
    EXPECT_EQ(screen->constraint_top_img_thumbIcon.get()->constant(), c.above)
        << "appearing again changes nothing";
    EXPECT_EQ(screen->img_thumbIcon.get()->frame().size.height, c.icon);
    EXPECT_EQ(screen->img_thumbIcon.get()->frame().origin.y, c.above);
}

INSTANTIATE_TEST_SUITE_P(SizeCodes, SuccessOnDevice,
                         ::testing::Values(DeviceCase{1, 60, kAbove - 70, kBelow - 30},
                                           DeviceCase{2, 130, kAbove - 60, kBelow - 20},
                                           DeviceCase{3, 170, kAbove - 20, kBelow - 20},
                                           DeviceCase{4, 200, kAbove, kBelow},
                                           DeviceCase{0, kIcon, kAbove, kBelow},
                                           DeviceCase{5, kIcon, kAbove, kBelow}));

}  // namespace
}  // namespace fv::wizard_test
