#include <gtest/gtest.h>

#include <algorithm>

#include "onboarding/capture/BackIDCardCameraViewController.h"
#include "onboarding/capture/FrontIDCardCameraViewController.h"
#include "platform/foundation/Log.h"
#include "tests/onboarding/capture/CaptureTestSupport.h"

namespace fv::wizard_test {
namespace {

struct DocumentScreen {
    ScreenName name;
    ScreenName preview;
};

class IDCardCameraTest : public CaptureTest, public ::testing::WithParamInterface<DocumentScreen> {
  protected:
    std::shared_ptr<CameraCaptureViewController> openCamera() {
        return open<CameraCaptureViewController>(GetParam().name);
    }
    // The preview layers on the camera area.
    static std::size_t previewLayers(const std::shared_ptr<CameraCaptureViewController>& s) {
        const auto& layers = s->cameraView->layer()->sublayers();
        return std::count_if(layers.begin(), layers.end(), [](const CALayerPtr& l) {
            return std::dynamic_pointer_cast<AVCaptureVideoPreviewLayer>(l) != nullptr;
        });
    }
};

TEST_P(IDCardCameraTest, ShowsTheBackCameraLiveUnderTheOverlay) {
    auto s = openCamera();
    ASSERT_TRUE(s);
    ASSERT_TRUE(s->captureSession());
    EXPECT_TRUE(s->captureSession()->isRunning());
    EXPECT_EQ(s->captureSession()->sessionPreset(), AVCaptureSessionPresetHigh);
    auto input = std::dynamic_pointer_cast<AVCaptureDeviceInput>(s->captureSession()->inputs().at(0));
    ASSERT_TRUE(input);
    EXPECT_EQ(input->device()->position(), AVCaptureDevicePositionBack);
    auto preview = s->videoPreviewLayer();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->videoGravity(), AVLayerVideoGravityResizeAspectFill);
    EXPECT_TRUE(CGRectEqualToRect(preview->frame(), s->cameraView->layer()->bounds()));
    EXPECT_EQ(previewLayers(s), 1u);
    ASSERT_TRUE(s->stillImageOutput());
    EXPECT_EQ(s->stillImageOutput()->outputSettings()[AVVideoCodecKey].stringValue(), AVVideoCodecJPEG);
    EXPECT_TRUE(s->img_tempImgView->isHidden());
    EXPECT_TRUE(
        colorsEqual(s->view_navbar->backgroundColor(), ThemeManager::sharedInstance()->header_color()));
    EXPECT_EQ(app().statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_TRUE(host.snapshot(std::string("camera_") + GetParam().name.className));
    EXPECT_TRUE(
        CGRectEqualToRect(ThemeManager::sharedInstance()->cameraOverlayRect(), CGRectMake(30, 55, 315, 250)));
}

TEST_P(IDCardCameraTest, CaptureOpensThePreview) {
    auto s = openCamera();
    ASSERT_TRUE(s);
    display(s);
    capture(s);
    EXPECT_EQ(camera().captureCount(), 1);
    EXPECT_TRUE(opened(GetParam().preview, s));
}

TEST_P(IDCardCameraTest, ASecondTapWhileACaptureIsUnderWayDoesNothing) {
    auto s = openCamera();
    ASSERT_TRUE(s);
    display(s);
    // Two taps before the camera's answer reaches the main queue.
    captureButton(s)->sendActionsForControlEvents(UIControlEventTouchUpInside);
    EXPECT_TRUE(s->isCapturing());
    captureButton(s)->sendActionsForControlEvents(UIControlEventTouchUpInside);
    CaptureQueue::shared().waitUntilIdle();
    host.runUntilIdle();
    EXPECT_EQ(camera().captureCount(), 1);
    EXPECT_TRUE(opened(GetParam().preview, s));
    EXPECT_LE(host.navigationStack().size(), 3u) << "one preview at most";
}

struct Failure {
    const char* what;
    CameraProvider::StillOutcome outcome;
    bool pngFrame;  // the camera's bytes are no JPEG at all
    const char* line;
};

class IDCardCaptureFailureTest : public IDCardCameraTest {
  protected:
    static std::vector<std::uint8_t> notAJPEG() {
        UIGraphicsBeginImageContextWithOptions(CGSizeMake(8, 8), true, 1);
        auto image = UIGraphicsGetImageFromCurrentImageContext();
        UIGraphicsEndImageContext();
        return image->PNGRepresentation();
    }
};

TEST_P(IDCardCaptureFailureTest, EachFailedCaptureLeavesTheScreenUsableAndOpensNothing) {
    const Failure failures[] = {
        {"no buffer", CameraProvider::StillOutcome::NoBuffer, false, "no sample buffer"},
        {"no JPEG", CameraProvider::StillOutcome::Frame, true, "holds no JPEG"},
        {"no image", CameraProvider::StillOutcome::BadBytes, false, "holds no image"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.what);
        auto s = openCamera();
        ASSERT_TRUE(s);
        camera().setStillOutcome(f.outcome);
        if (f.pngFrame) camera().setFrameData(AVCaptureDevicePositionBack, notAJPEG());
        LogCapture log;
        capture(s);
        EXPECT_TRUE(log.contains(f.line));
        EXPECT_EQ(host.topViewController(), s);
        EXPECT_FALSE(s->isCapturing());
        EXPECT_FALSE(s->img_tempImgView->image());
        EXPECT_TRUE(host.faults().faults().empty());

        // Still usable: the next capture goes through.
        camera().setStillOutcome(CameraProvider::StillOutcome::Frame);
        camera().setFrameData(AVCaptureDevicePositionBack, knownPhotoJPEG());
        capture(s);
        EXPECT_TRUE(opened(GetParam().preview, s));
        host.navigationController()->popToRootViewControllerAnimated(false);
        settle();
    }
}

TEST_P(IDCardCameraTest, WithoutABackCameraOrItsInputTheScreenStaysUsable) {
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        camera().setDevicePositions(round == 0   ? std::vector<AVCaptureDevicePosition>{}
                                    : round == 1 ? std::vector{AVCaptureDevicePositionFront}
                                                 : std::vector{AVCaptureDevicePositionBack});
        camera().setInputFails(round == 2);
        LogCapture log;
        auto s = openCamera();
        ASSERT_TRUE(s);
        EXPECT_TRUE(log.contains("CAMERA INITIALIZATION ISSUE"));
        EXPECT_FALSE(s->captureSession());
        EXPECT_FALSE(s->videoPreviewLayer());
        ASSERT_TRUE(host.tap(captureButton(s)));
        CaptureQueue::shared().waitUntilIdle();
        host.runUntilIdle();
        EXPECT_EQ(camera().captureCount(), 0);
        EXPECT_EQ(host.topViewController(), s);
        ASSERT_TRUE(host.tap(backButton(s)));
        settle();
        EXPECT_EQ(host.topViewController(), host.rootScreen());
    }
}

TEST_P(IDCardCameraTest, EveryAppearanceReplacesTheSessionAndItsPreviewLayer) {
    auto s = openCamera();
    ASSERT_TRUE(s);
    auto firstSession = s->captureSession();
    auto firstLayer = s->videoPreviewLayer();
    auto over = UIViewController::create();
    host.navigationController()->pushViewController(over, true);
    settle();
    EXPECT_FALSE(s->captureSession());
    EXPECT_FALSE(firstSession->isRunning());
    host.navigationController()->popViewControllerAnimated(true);
    settle();
    ASSERT_TRUE(s->captureSession());
    EXPECT_NE(s->captureSession(), firstSession);
    EXPECT_TRUE(s->captureSession()->isRunning());
    EXPECT_NE(s->videoPreviewLayer(), firstLayer);
    EXPECT_FALSE(firstLayer->superlayer());
    EXPECT_EQ(previewLayers(s), 1u);
}

TEST_P(IDCardCameraTest, TheIdleTimerIsOffWhileTheScreenShowsAndBackAsItWasAfter) {
    for (const bool before : {false, true}) {
        SCOPED_TRACE(before);
        app().setIdleTimerDisabled(before);
        auto s = openCamera();
        ASSERT_TRUE(s);
        EXPECT_TRUE(app().isIdleTimerDisabled());
        host.navigationController()->pushViewController(UIViewController::create(), true);
        settle();
        EXPECT_EQ(app().isIdleTimerDisabled(), before);
        host.navigationController()->popViewControllerAnimated(true);
        settle();
        EXPECT_TRUE(app().isIdleTimerDisabled()) << "off again on returning";
        ASSERT_TRUE(host.tap(backButton(s)));
        settle();
        EXPECT_EQ(app().isIdleTimerDisabled(), before);
    }
}

TEST_P(IDCardCameraTest, BackHidesTheProgressOverlayAndPops) {
    auto s = openCamera();
    ASSERT_TRUE(s);
    // The overlay takes every touch: what is left of one when the screen goes back is hidden.
    s->ShowHUD("Working");
    ASSERT_TRUE(s->performSelector("action_back:"));
    settle();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_EQ(host.topViewController(), host.rootScreen());
}

INSTANTIATE_TEST_SUITE_P(Sides, IDCardCameraTest,
                         ::testing::Values(DocumentScreen{screen::FrontIDCardCameraViewController,
                                                          screen::FrontIDCardPreviewViewController},
                                           DocumentScreen{screen::BackIDCardCameraViewController,
                                                          screen::BackIDCardPreviewViewController}),
                         [](const auto& info) { return std::string(info.param.name.className); });
INSTANTIATE_TEST_SUITE_P(Sides, IDCardCaptureFailureTest,
                         ::testing::Values(DocumentScreen{screen::FrontIDCardCameraViewController,
                                                          screen::FrontIDCardPreviewViewController},
                                           DocumentScreen{screen::BackIDCardCameraViewController,
                                                          screen::BackIDCardPreviewViewController}),
                         [](const auto& info) { return std::string(info.param.name.className); });

class BackIDCardCameraTest : public CaptureTest {};

TEST_F(BackIDCardCameraTest, SkipGoesOnToTheSelfieWithItsSkipShown) {
    auto s = open<BackIDCardCameraViewController>(screen::BackIDCardCameraViewController);
    ASSERT_TRUE(s);
    EXPECT_TRUE(colorsEqual(s->btn_skip->titleColorForState(UIControlStateNormal),
                            ThemeManager::sharedInstance()->header_button_color()));
    ASSERT_TRUE(host.tap(s->btn_skip.get()));
    ASSERT_TRUE(opened(screen::UserPictureCaptureViewController, s));
    if (auto selfie = host.topViewController(); selfie != s) {
        EXPECT_FALSE(selfie->valueForKey("cameFromProfile").boolValue());
    }
}

}  // namespace
}  // namespace fv::wizard_test
