#include <gtest/gtest.h>

#include "core/DataModel.h"
#include "onboarding/capture/UserPictureCaptureViewController.h"
#include "onboarding/capture/UserPicturePreviewViewController.h"
#include "platform/foundation/Log.h"
#include "tests/onboarding/capture/CaptureTestSupport.h"

namespace fv::wizard_test {
namespace {

class SelfieTest : public CaptureTest {
  protected:
    void TearDown() override {
        DataModel::sharedInstance()->setCapturedSelfieImage(nullptr);
        CaptureTest::TearDown();
    }

    // The selfie capture as its makers open it: cameFromProfile set before the push.
    std::shared_ptr<UserPictureCaptureViewController> openSelfie(bool fromProfile = false) {
        auto s = std::dynamic_pointer_cast<UserPictureCaptureViewController>(
            ScreenRegistry::screenNamed(screen::UserPictureCaptureViewController));
        if (!s) return nullptr;
        s->setCameFromProfile(fromProfile);
        host.navigationController()->pushViewController(s, true);
        settle();
        display(s);
        return s;
    }

    std::shared_ptr<UserPicturePreviewViewController> takeSelfie(
        const std::shared_ptr<UserPictureCaptureViewController>& s) {
        capture(s);
        return top<UserPicturePreviewViewController>();
    }

    static UIImagePtr sentinel() {
        UIGraphicsBeginImageContextWithOptions(CGSizeMake(4, 4), true, 1);
        auto image = UIGraphicsGetImageFromCurrentImageContext();
        UIGraphicsEndImageContext();
        return image;
    }
};

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

TEST_F(SelfieTest, ThePreviewShowsTheSelfieInACircleAtAnySize) {
    auto s = openSelfie();
    ASSERT_TRUE(s);
    auto preview = takeSelfie(s);
    ASSERT_TRUE(preview);
    auto theme = ThemeManager::sharedInstance();
    auto frame = preview->view_img_preview.get();
    EXPECT_EQ(frame->layer()->cornerRadius, 130);
    EXPECT_EQ(frame->layer()->borderWidth, 2.0);
    EXPECT_TRUE(colorsEqual(frame->layer()->borderColor, theme->border_color()));
    EXPECT_TRUE(colorsEqual(preview->view_underline->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(preview->lbl_retakePhoto->textColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(preview->view_navbar->backgroundColor(), theme->header_color()));
    EXPECT_EQ(preview->img_captured_image->image(), preview->capturedImage());
    EXPECT_TRUE(host.snapshot("preview_UserPicturePreviewViewController"));

    frame->setFrame(CGRectMake(87, 140, 200, 200));
    preview->view()->setNeedsLayout();
    preview->view()->layoutIfNeeded();
    EXPECT_EQ(frame->layer()->cornerRadius, 100);
}

TEST_F(SelfieTest, InTheWizardContinueOpensTheAgreementAndKeepsNothing) {
    const auto earlier = sentinel();
    DataModel::sharedInstance()->setCapturedSelfieImage(earlier);
    auto s = openSelfie(false);
    ASSERT_TRUE(s);
    auto preview = takeSelfie(s);
    ASSERT_TRUE(preview);
    ASSERT_TRUE(host.tap(preview->Btn_continue.get()));
    EXPECT_TRUE(opened(screen::CardholderAgreementViewController, preview));
    EXPECT_EQ(DataModel::sharedInstance()->capturedSelfieImage(), earlier);
}

TEST_F(SelfieTest, FromAProfileContinueKeepsTheSelfieAndReturnsToTheRoot) {
    DataModel::sharedInstance()->setCapturedSelfieImage(sentinel());
    auto s = openSelfie(true);
    ASSERT_TRUE(s);
    auto preview = takeSelfie(s);
    ASSERT_TRUE(preview);
    ASSERT_TRUE(host.tap(preview->Btn_continue.get()));
    settle();
    EXPECT_EQ(DataModel::sharedInstance()->capturedSelfieImage(), preview->capturedImage());
    EXPECT_EQ(host.topViewController(), host.rootScreen());

    // Without a photo, the kept selfie is cleared.
    auto empty = std::dynamic_pointer_cast<UserPicturePreviewViewController>(
        ScreenRegistry::screenNamed(screen::UserPicturePreviewViewController));
    ASSERT_TRUE(empty);
    empty->setCameFromProfile(true);
    host.show(empty);
    EXPECT_FALSE(empty->img_captured_image->image());
    ASSERT_TRUE(host.tap(empty->Btn_continue.get()));
    settle();
    EXPECT_FALSE(DataModel::sharedInstance()->capturedSelfieImage());
}

TEST_F(SelfieTest, RetakeReturnsToALiveSelfieCamera) {
    auto s = openSelfie();
    ASSERT_TRUE(s);
    auto firstSession = s->captureSession();
    auto preview = takeSelfie(s);
    ASSERT_TRUE(preview);
    ASSERT_TRUE(host.tap(UserDriver::controlWiredTo(preview->view(), preview.get(), "action_back:")));
    settle();
    EXPECT_EQ(host.topViewController(), s);
    ASSERT_TRUE(s->captureSession());
    EXPECT_NE(s->captureSession(), firstSession);
    EXPECT_EQ(s->cameraView->layer()->sublayers().size(), 1u);
}

}  // namespace
}  // namespace fv::wizard_test
