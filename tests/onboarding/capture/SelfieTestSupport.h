#pragma once
// The selfie capture opened as its makers open it, and its photo taken, for the selfie screens' tests.
#include <memory>

#include "core/DataModel.h"
#include "onboarding/capture/UserPictureCaptureViewController.h"
#include "onboarding/capture/UserPicturePreviewViewController.h"
#include "tests/onboarding/capture/CaptureTestSupport.h"

namespace fv::wizard_test {

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

}  // namespace fv::wizard_test
