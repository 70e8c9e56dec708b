#include <gtest/gtest.h>

#include "core/DataModel.h"
#include "tests/onboarding/capture/SelfieTestSupport.h"

namespace fv::wizard_test {
namespace {

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
