#include <gtest/gtest.h>

#include <memory>

#include "core/ScreenNames.h"
#include "onboarding/capture/CameraPermissionGate.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/kits/ThemedAlertView.h"
#include "platform/testing/LoopbackServer.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIApplication.h"
#include "tests/onboarding/support/WizardTestSupport.h"

namespace fv {
namespace {

// A screen that opens a camera screen through the gate, counting the alerts it is asked for.
class GateCaller : public BaseViewController, public CameraPermissionAlerting {
  public:
    void showCameraPermissionRequiredAlert() override {
        ++alertsAsked;
        showCameraUnavailableAlert(*this);
    }
    int alertsAsked = 0;
};

// Any built screen stands for the camera screen: the gate only makes it and pushes it.
constexpr ScreenName kDestination = screen::VirtualCardViewController;

class CameraPermissionGateTest : public TestHostFixture {
  protected:
    void SetUp() override {
        caller = std::make_shared<GateCaller>();
        host.show(caller);
    }
    CameraProvider& camera() { return *AVCaptureDevice::provider(); }
    void setStatus(AVAuthorizationStatus status) { camera().setAuthorizationStatus(status); }

    void runGate() { runCameraPermissionGate(caller, kDestination); }
    // The prompt's answer arrives on the camera's queue; its outcome in a later turn of the main one.
    void answerPrompt() {
        EXPECT_TRUE(test::waitFor([&] { return host.topViewController() != caller || alertUp(); }, 10.0));
        host.advance(0.5);
    }
    bool pushedDestination() const {
        auto top = host.topViewController();
        return top && top->className() == kDestination.className;
    }
    static bool alertUp() { return ThemedAlertView::visibleAlert() != nullptr; }

    std::shared_ptr<GateCaller> caller;
};

TEST_F(CameraPermissionGateTest, AuthorizedPushesTheDestinationAfterTheCallingActionHasReturned) {
    setStatus(AVAuthorizationStatusAuthorized);
    runGate();
    EXPECT_EQ(host.topViewController(), caller) << "nothing is pushed inside the action";
    host.advance(0.5);
    EXPECT_TRUE(pushedDestination());
    EXPECT_EQ(camera().promptCount(), 0);
    EXPECT_FALSE(alertUp());
}

TEST_F(CameraPermissionGateTest, FirstUseGrantedAtThePromptPushesAndLaterRunsAskNoMore) {
    camera().setPromptAnswer(true);
    runGate();
    answerPrompt();
    EXPECT_TRUE(pushedDestination());
    EXPECT_EQ(camera().promptCount(), 1);

    host.navigationController()->popViewControllerAnimated(false);
    host.advance(0.5);
    runGate();
    host.advance(0.5);
    EXPECT_TRUE(pushedDestination());
    EXPECT_EQ(camera().promptCount(), 1) << "the answer is remembered";
}

TEST_F(CameraPermissionGateTest, FirstUseRefusedShowsTheAlertAfterThePromptAndAtOnceAfterwards) {
    camera().setPromptAnswer(false);
    runGate();
    answerPrompt();
    EXPECT_EQ(caller->alertsAsked, 1);
    ASSERT_TRUE(alertUp());
    EXPECT_EQ(host.topViewController(), caller);
    ASSERT_TRUE(ThemedAlertView::visibleAlert()->tapButton("Not now"));
    host.advance(0.5);

    runGate();
    EXPECT_EQ(caller->alertsAsked, 2) << "straight to the alert, inside the action";
    EXPECT_EQ(camera().promptCount(), 1);
}

class RefusedCameraTest : public CameraPermissionGateTest,
                          public ::testing::WithParamInterface<AVAuthorizationStatus> {};

TEST_P(RefusedCameraTest, ShowsTheCameraUnavailableAlertOnEveryAttemptWithoutAPrompt) {
    setStatus(GetParam());
    for (int attempt = 1; attempt <= 2; ++attempt) {
        runGate();
        EXPECT_EQ(caller->alertsAsked, attempt);
        auto alert = ThemedAlertView::visibleAlert();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->title(), "Camera unavailable");
        EXPECT_EQ(alert->subtitle(),
                  "Please go to phone settings and set Camera swtich ON in the application setting");
        EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"Open settings", "Not now"}));
        ASSERT_TRUE(alert->tapButton("Not now"));
        host.advance(0.5);
    }
    EXPECT_EQ(camera().promptCount(), 0);
    EXPECT_EQ(host.topViewController(), caller);
    EXPECT_TRUE(UIApplication::sharedApplication()->openedURLs().empty());
}

INSTANTIATE_TEST_SUITE_P(DeniedOrRestricted, RefusedCameraTest,
                         ::testing::Values(AVAuthorizationStatusDenied, AVAuthorizationStatusRestricted));

TEST_F(CameraPermissionGateTest, TheAlertStaysUpOnATouchBesideItAndOpenSettingsOpensTheAppsPage) {
    setStatus(AVAuthorizationStatusDenied);
    runGate();
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    EXPECT_TRUE(host.snapshot("camera_unavailable_alert", std::make_shared<wizard_test::WholeScreenView>()));
    ASSERT_TRUE(alert->touchOutside());
    host.advance(0.5);
    EXPECT_TRUE(alert->isVisible());
    ASSERT_TRUE(alert->tapButton("Open settings"));
    host.advance(0.5);
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs(),
              (std::vector<std::string>{UIApplicationOpenSettingsURLString}));
    EXPECT_EQ(host.topViewController(), caller);

    // Allowed in the settings meanwhile: the next try opens the destination without a prompt.
    setStatus(AVAuthorizationStatusAuthorized);
    runGate();
    host.advance(0.5);
    EXPECT_TRUE(pushedDestination());
    EXPECT_EQ(camera().promptCount(), 0);
}

TEST_F(CameraPermissionGateTest, AScreenOffEveryStackOpensNothing) {
    setStatus(AVAuthorizationStatusAuthorized);
    auto loose = std::make_shared<GateCaller>();
    runCameraPermissionGate(loose, kDestination);
    host.advance(0.5);
    EXPECT_EQ(host.topViewController(), caller);
    EXPECT_TRUE(host.faults().faults().empty());
}

}  // namespace
}  // namespace fv
