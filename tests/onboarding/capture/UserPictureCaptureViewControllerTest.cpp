#include <gtest/gtest.h>

#include "platform/foundation/Log.h"
#include "tests/onboarding/capture/SelfieTestSupport.h"

namespace fv::wizard_test {
namespace {

TEST_F(SelfieTest, ShowsTheFrontCameraLiveUnderTheCircle) {
    app().setIdleTimerDisabled(false);
    auto s = openSelfie();
    ASSERT_TRUE(s);
    ASSERT_TRUE(s->captureSession() && s->captureSession()->isRunning());
    auto input = std::dynamic_pointer_cast<AVCaptureDeviceInput>(s->captureSession()->inputs().at(0));
    ASSERT_TRUE(input);
    EXPECT_EQ(input->device()->position(), AVCaptureDevicePositionFront);
    EXPECT_EQ(s->videoPreviewLayer()->videoGravity(), AVLayerVideoGravityResizeAspectFill);
    EXPECT_TRUE(CGRectEqualToRect(ThemeManager::sharedInstance()->cameraCircularOverlayRect(),
                                  CGRectMake(30, 55, 315, 315)));
    EXPECT_TRUE(app().isIdleTimerDisabled());
    EXPECT_TRUE(UserDriver::isShown(s->btn_skip.get().get()));
    EXPECT_TRUE(colorsEqual(s->btn_skip->titleColorForState(UIControlStateNormal),
                            ThemeManager::sharedInstance()->header_button_color()));
    EXPECT_TRUE(host.snapshot("camera_UserPictureCaptureViewController"));
    ASSERT_TRUE(host.tap(backButton(s)));
    settle();
    EXPECT_FALSE(app().isIdleTimerDisabled());
}

TEST_F(SelfieTest, CropsTheSelfieToTheCircleByPixel) {
    camera().setFrameData(AVCaptureDevicePositionFront, knownPhotoJPEG());
    auto s = openSelfie();
    ASSERT_TRUE(s);
    auto preview = takeSelfie(s);
    ASSERT_TRUE(preview);
    EXPECT_FALSE(preview->cameFromProfile());
    auto photo = preview->capturedImage();
    ASSERT_TRUE(photo);
    // The circle's square (30, 55, 315, 315) of the 375 x 603 photo view is (60, 110, 630, 630).
    ASSERT_EQ(photo->pixelWidth(), 630);
    ASSERT_EQ(photo->pixelHeight(), 630);
    EXPECT_TRUE(photo->hasAlpha());
    for (auto [x, y] : {std::pair{2, 2}, {627, 2}, {2, 627}, {627, 627}})
        EXPECT_EQ(pixelAt(*photo, x, y) >> 24, 0u) << "a transparent corner at " << x << "," << y;
    EXPECT_TRUE(nearColour(pixelAt(*photo, 315, 315), kGreen));
    EXPECT_TRUE(nearColour(pixelAt(*photo, 130, 130), kGreen));
    EXPECT_TRUE(nearColour(pixelAt(*photo, 315, 600), kRed)) << "the photo's red below its green area";
}

TEST_F(SelfieTest, FailedCapturesAndAMissingFrontCameraLeaveTheScreenUsable) {
    auto s = openSelfie();
    ASSERT_TRUE(s);
    camera().setStillOutcome(CameraProvider::StillOutcome::NoBuffer);
    capture(s);
    EXPECT_EQ(host.topViewController(), s);
    camera().setStillOutcome(CameraProvider::StillOutcome::BadBytes);
    capture(s);
    EXPECT_EQ(host.topViewController(), s);
    EXPECT_FALSE(s->isCapturing());
    EXPECT_EQ(camera().captureCount(), 2);

    camera().setDevicePositions({AVCaptureDevicePositionBack});
    LogCapture log;
    auto withoutFront = openSelfie();
    ASSERT_TRUE(withoutFront);
    EXPECT_TRUE(log.contains("CAMERA INITIALIZATION ISSUE"));
    EXPECT_FALSE(withoutFront->captureSession());
    capture(withoutFront);
    EXPECT_EQ(camera().captureCount(), 2);
}

TEST_F(SelfieTest, InTheWizardSkipLeadsToTheAgreementAndThePreviewGetsFalse) {
    auto s = openSelfie(false);
    ASSERT_TRUE(s);
    ASSERT_TRUE(host.tap(s->btn_skip.get()));
    EXPECT_TRUE(opened(screen::CardholderAgreementViewController, s));
}

TEST_F(SelfieTest, FromAProfileSkipIsHiddenAndThePreviewGetsTrue) {
    auto s = openSelfie(true);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->btn_skip->isHidden());
    s->setCameFromProfile(false);
    EXPECT_TRUE(s->btn_skip->isHidden()) << "read once, when the view loads";
    s->setCameFromProfile(true);
    auto preview = takeSelfie(s);
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->cameFromProfile());
}

}  // namespace
}  // namespace fv::wizard_test
