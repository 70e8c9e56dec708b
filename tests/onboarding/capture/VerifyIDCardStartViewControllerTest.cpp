#include <gtest/gtest.h>

#include "core/ThemeManager.h"
#include "onboarding/capture/VerifyIDCardStartViewController.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/camera/CaptureQueue.h"
#include "platform/kits/DeviceInfo.h"
#include "platform/kits/ThemedAlertView.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv::wizard_test {
namespace {

using Screen = VerifyIDCardStartViewController;

constexpr const char* kAlertTitle = "Camera unavailable";
constexpr const char* kAlertText =
    "Please go to phone settings and set Camera swtich ON in the application setting";

class IDCheckStartTest : public WizardTest {
  protected:
    std::shared_ptr<Screen> openStart() { return open<Screen>(screen::VerifyIDCardStartViewController); }

    static CameraProvider& camera() { return *AVCaptureDevice::provider(); }

    // Continue, then whatever the camera's queue answers, played out on the main queue.
    void tapContinue(const std::shared_ptr<Screen>& s) {
        ASSERT_TRUE(host.tap(s->Btn_continue.get()));
        CaptureQueue::shared().waitUntilIdle();
        host.runUntilIdle();
    }

    static bool alertShown() {
        auto alert = ThemedAlertView::visibleAlert();
        return alert && alert->title() == kAlertTitle && alert->subtitle() == kAlertText;
    }
};

TEST_F(IDCheckStartTest, TakesTheThemeAndHasNoWayBack) {
    auto s = openStart();
    ASSERT_TRUE(s);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(s->view_navbar->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(s->lbl_headerTitle->textColor(), theme->header_text_color()));
    EXPECT_TRUE(colorsEqual(s->lbl_titleOne->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(s->lbl_titleTwo->textColor(), theme->light_font_color()));
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_FALSE(s->respondsToSelector("action_back:"));
    EXPECT_TRUE(host.snapshot("id_check_start"));
}

struct IconSize {
    std::optional<int> deviceSize;
    CGFloat constant;
};

class IDCheckStartIconTest : public IDCheckStartTest, public ::testing::WithParamInterface<IconSize> {};

TEST_P(IDCheckStartIconTest, SizesTheIconByDevice) {
    DeviceInfo::setDeviceSize(GetParam().deviceSize);
    auto s = openStart();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->constraint_img_verifyIcon->constant(), GetParam().constant);
    s->view()->layoutIfNeeded();
    EXPECT_EQ(s->img_verifyIcon->frame().size.width, GetParam().constant);
}

INSTANTIATE_TEST_SUITE_P(DeviceSizes, IDCheckStartIconTest,
                         ::testing::Values(IconSize{1, Screen::kIconSizeCode1},
                                           IconSize{2, Screen::kIconSizeCode2}, IconSize{3, 120},
                                           IconSize{0, 120}, IconSize{5, 120}));

TEST_F(IDCheckStartTest, AuthorisedOpensTheFrontCaptureOnTheNextTurn) {
    camera().setAuthorizationStatus(AVAuthorizationStatusAuthorized);
    auto s = openStart();
    ASSERT_TRUE(s);
    s->Btn_continue->sendActionsForControlEvents(UIControlEventTouchUpInside);
    EXPECT_EQ(host.topViewController(), s) << "the push waits for the main queue";
    EXPECT_TRUE(opened(screen::FrontIDCardCameraViewController, s));
    EXPECT_EQ(camera().promptCount(), 0);
    EXPECT_FALSE(ThemedAlertView::visibleAlert());
}

TEST_F(IDCheckStartTest, GrantAtThePromptAnsweredOnTheCameraQueueOpensTheFrontCapture) {
    camera().setPromptAnswer(true);
    auto s = openStart();
    ASSERT_TRUE(s);
    tapContinue(s);
    EXPECT_EQ(camera().promptCount(), 1);
    EXPECT_TRUE(opened(screen::FrontIDCardCameraViewController, s));
    EXPECT_EQ(camera().authorizationStatus(AVMediaTypeVideo), AVAuthorizationStatusAuthorized);
}

TEST_F(IDCheckStartTest, RefusalAtThePromptShowsTheAlertAndStays) {
    camera().setPromptAnswer(false);
    auto s = openStart();
    ASSERT_TRUE(s);
    tapContinue(s);
    EXPECT_EQ(camera().promptCount(), 1);
    EXPECT_TRUE(alertShown());
    EXPECT_EQ(host.topViewController(), s);
    // Asked once: the next tap goes straight to the alert.
    ASSERT_TRUE(ThemedAlertView::visibleAlert()->tapButton("Not now"));
    tapContinue(s);
    EXPECT_EQ(camera().promptCount(), 1);
    EXPECT_TRUE(alertShown());
}

class IDCheckStartRefusedTest : public IDCheckStartTest,
                                public ::testing::WithParamInterface<AVAuthorizationStatus> {};

TEST_P(IDCheckStartRefusedTest, ShowsTheAlertAtOnceWithoutAPrompt) {
    camera().setAuthorizationStatus(GetParam());
    auto s = openStart();
    ASSERT_TRUE(s);
    ASSERT_TRUE(host.tap(s->Btn_continue.get()));
    ASSERT_TRUE(alertShown());
    auto alert = ThemedAlertView::visibleAlert();
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"Open settings", "Not now"}));
    EXPECT_EQ(camera().promptCount(), 0);
    EXPECT_TRUE(host.snapshot("id_check_start_camera_unavailable", std::make_shared<WholeScreenView>()));

    EXPECT_TRUE(alert->touchOutside());
    EXPECT_TRUE(alertShown()) << "a touch outside leaves the alert up";
    ASSERT_TRUE(alert->tapButton("Open settings"));
    host.runUntilIdle();
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs(),
              std::vector<std::string>{UIApplicationOpenSettingsURLString});
    EXPECT_EQ(host.topViewController(), s);

    // Allowed in the settings meanwhile: the next tap opens the capture without a prompt.
    camera().setAuthorizationStatus(AVAuthorizationStatusAuthorized);
    tapContinue(s);
    EXPECT_TRUE(opened(screen::FrontIDCardCameraViewController, s));
    EXPECT_EQ(camera().promptCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Statuses, IDCheckStartRefusedTest,
                         ::testing::Values(AVAuthorizationStatusDenied, AVAuthorizationStatusRestricted));

TEST_F(IDCheckStartTest, NotNowLeavesTheScreenAsItWas) {
    camera().setAuthorizationStatus(AVAuthorizationStatusDenied);
    auto s = openStart();
    ASSERT_TRUE(s);
    ASSERT_TRUE(host.tap(s->Btn_continue.get()));
    ASSERT_TRUE(ThemedAlertView::visibleAlert()->tapButton("Not now"));
    host.runUntilIdle();
    EXPECT_FALSE(ThemedAlertView::visibleAlert());
    EXPECT_TRUE(UIApplication::sharedApplication()->openedURLs().empty());
    EXPECT_EQ(host.navigationStack().size(), 2u);
}

}  // namespace
}  // namespace fv::wizard_test
