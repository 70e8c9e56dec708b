#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "onboarding/capture/BackIDCardPreviewViewController.h"
#include "onboarding/capture/CameraCaptureViewController.h"
#include "onboarding/capture/FrontIDCardPreviewViewController.h"
#include "tests/onboarding/capture/CaptureTestSupport.h"

namespace fv::wizard_test {
namespace {

struct Side {
    ScreenName camera;
    ScreenName preview;
    ScreenName next;  // what Continue opens
};

const Side kFront{screen::FrontIDCardCameraViewController, screen::FrontIDCardPreviewViewController,
                  screen::BackIDCardCameraViewController};
const Side kBack{screen::BackIDCardCameraViewController, screen::BackIDCardPreviewViewController,
                 screen::UserPictureCaptureViewController};

class IDCardPreviewTest : public CaptureTest, public ::testing::WithParamInterface<Side> {
  protected:
    // The side's capture screen, drawn once, then one capture: the preview it opened, or none.
    // With a window given, the overlay is hidden and the crop reads that window instead.
    std::shared_ptr<IDCardPreviewViewController> captureSide(std::optional<CGRect> window = std::nullopt) {
        camera_ = open<CameraCaptureViewController>(GetParam().camera);
        if (!camera_) return nullptr;
        if (window) {
            for (const auto& view : camera_->view()->subviews())
                if (view->isKindOfClass("CameraOverlayView")) view->setHidden(true);
            ThemeManager::sharedInstance()->setCameraOverlayRect(*window);
        }
        display(camera_);
        capture(camera_);
        return top<IDCardPreviewViewController>();
    }
    std::shared_ptr<CameraCaptureViewController> camera_;
};

TEST_P(IDCardPreviewTest, ShowsThePhotoCroppedToTheWindowByPixel) {
    camera().setFrameData(AVCaptureDevicePositionBack, knownPhotoJPEG());
    auto preview = captureSide();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->className(), GetParam().preview.className);
    auto photo = preview->capturedImage();
    ASSERT_TRUE(photo);
    EXPECT_EQ(preview->img_captured_image->image(), photo);
    // The window (30, 55, 315, 250) of the 375 x 603 photo view is (60, 110, 630, 500) of the photo.
    ASSERT_EQ(photo->pixelWidth(), 630);
    ASSERT_EQ(photo->pixelHeight(), 500);
    const int w = photo->pixelWidth(), h = photo->pixelHeight();
    EXPECT_TRUE(nearColour(pixelAt(*photo, 4, 4), kBlue));
    EXPECT_TRUE(nearColour(pixelAt(*photo, 95, 95), kBlue));
    EXPECT_TRUE(nearColour(pixelAt(*photo, 105, 105), kGreen));
    for (auto [x, y] : {std::pair{w - 3, 2}, {2, h - 3}, {w - 3, h - 3}, {w / 2, h / 2}})
        EXPECT_TRUE(nearColour(pixelAt(*photo, x, y), kGreen))
            << x << "," << y << " " << std::hex << pixelAt(*photo, x, y);
    EXPECT_FALSE(photo->hasAlpha()) << "a document crop is opaque";
    EXPECT_FALSE(camera_->img_tempImgView->image()) << "the whole photo is not kept";
}

class IDCardWholePhotoTest : public IDCardPreviewTest {};

TEST_P(IDCardWholePhotoTest, AnEmptyOrNonFiniteWindowHandsOnTheWholePhoto) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    for (CGRect window : {CGRectZero, CGRectMake(nan, 55, 315, 250), CGRectMake(30, 55, inf, 250),
                          CGRectMake(30, 55, 0, 250)}) {
        camera().setFrameData(AVCaptureDevicePositionBack, knownPhotoJPEG());
        auto preview = captureSide(window);
        ASSERT_TRUE(preview);
        auto photo = preview->capturedImage();
        ASSERT_TRUE(photo);
        EXPECT_EQ(photo->pixelWidth(), 750);
        EXPECT_EQ(photo->pixelHeight(), 1206);
        host.navigationController()->popToRootViewControllerAnimated(false);
        settle();
    }
}

TEST_P(IDCardPreviewTest, TakesTheThemeAndFramesThePhoto) {
    auto preview = captureSide();
    ASSERT_TRUE(preview);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(preview->view_navbar->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(preview->lbl_headerTitle->textColor(), theme->header_text_color()));
    EXPECT_TRUE(colorsEqual(preview->view_underline->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(preview->lbl_titleOne->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(preview->lbl_titleTwo->textColor(), theme->light_font_color()));
    EXPECT_TRUE(colorsEqual(preview->lbl_retakePhoto->textColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(preview->Btn_continue->backgroundColor(), UIColor::clearColor()));
    auto frame = preview->view_img_preview->layer();
    EXPECT_EQ(frame->borderWidth, 2.0);
    EXPECT_EQ(frame->cornerRadius, 2.0);
    EXPECT_TRUE(colorsEqual(frame->borderColor, theme->border_color()));
    EXPECT_EQ(app().statusBarStyle(), UIStatusBarStyleLightContent);
    EXPECT_TRUE(host.snapshot(std::string("preview_") + GetParam().preview.className));
}

TEST_P(IDCardPreviewTest, RetakeReturnsToTheCaptureScreenWithANewLivePicture) {
    auto preview = captureSide();
    ASSERT_TRUE(preview);
    auto firstLayer = camera_->videoPreviewLayer();
    ASSERT_TRUE(host.tap(UserDriver::controlWiredTo(preview->view(), preview.get(), "action_back:")));
    settle();
    EXPECT_EQ(host.topViewController(), camera_);
    ASSERT_TRUE(camera_->captureSession());
    EXPECT_TRUE(camera_->captureSession()->isRunning());
    EXPECT_NE(camera_->videoPreviewLayer(), firstLayer);
    EXPECT_EQ(camera_->cameraView->layer()->sublayers().size(), 1u) << "the new layer replaces the old";
    EXPECT_TRUE(app().isIdleTimerDisabled());
    capture(camera_);
    auto again = top<IDCardPreviewViewController>();
    ASSERT_TRUE(again);
    EXPECT_NE(again, preview) << "each photo gets a preview of its own";
}

TEST_P(IDCardPreviewTest, WithoutAPhotoTheFrameStaysEmptyAndContinueStillWorks) {
    auto preview = std::dynamic_pointer_cast<IDCardPreviewViewController>(
        ScreenRegistry::screenNamed(GetParam().preview));
    ASSERT_TRUE(preview);
    host.show(preview);
    EXPECT_FALSE(preview->img_captured_image->image());
    ASSERT_TRUE(host.tap(preview->Btn_continue.get()));
    EXPECT_TRUE(opened(GetParam().next, preview));
}

INSTANTIATE_TEST_SUITE_P(Sides, IDCardPreviewTest, ::testing::Values(kFront, kBack),
                         [](const auto& info) { return std::string(info.param.preview.className); });
INSTANTIATE_TEST_SUITE_P(Sides, IDCardWholePhotoTest, ::testing::Values(kFront, kBack),
                         [](const auto& info) { return std::string(info.param.preview.className); });

class IDCardPreviewRoadTest : public CaptureTest {};

TEST_F(IDCardPreviewRoadTest, FrontContinueOpensTheBackCaptureWithNothingHandedOn) {
    auto front = open<FrontIDCardPreviewViewController>(screen::FrontIDCardPreviewViewController);
    ASSERT_TRUE(front);
    ASSERT_TRUE(host.tap(front->Btn_continue.get()));
    settle();
    auto back = top<CameraCaptureViewController>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->className(), "BackIDCardCameraViewController");
    EXPECT_TRUE(back->captureSession() && back->captureSession()->isRunning());
    // Back from the back capture returns to the front preview, photo and all.
    ASSERT_TRUE(host.tap(UserDriver::controlWiredTo(back->view(), back.get(), "action_back:")));
    settle();
    EXPECT_EQ(host.topViewController(), front);
}

TEST_F(IDCardPreviewRoadTest, BackContinueAndSkipBothOpenTheSelfieForTheWizard) {
    for (const char* action : {"Btn_continue", "btn_skip"}) {
        SCOPED_TRACE(action);
        auto back = open<BackIDCardPreviewViewController>(screen::BackIDCardPreviewViewController);
        ASSERT_TRUE(back);
        EXPECT_TRUE(colorsEqual(back->btn_skip->titleColorForState(UIControlStateNormal),
                                ThemeManager::sharedInstance()->header_button_color()));
        ASSERT_TRUE(host.tap(host.outlet(back, action)));
        ASSERT_TRUE(opened(screen::UserPictureCaptureViewController, back));
        if (auto selfie = host.topViewController(); selfie != back) {
            EXPECT_FALSE(selfie->valueForKey("cameFromProfile").boolValue());
        }
        host.navigationController()->popToRootViewControllerAnimated(false);
        settle();
    }
}

}  // namespace
}  // namespace fv::wizard_test
