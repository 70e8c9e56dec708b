#pragma once
// The selfie as taken, in a circular frame, for approval. In the wizard Continue goes on to the
// cardholder agreement and keeps nothing; opened from a profile (cameFromProfile), Continue keeps the
// selfie in DataModel and returns to the first screen of the stack. Back takes it again.
#include "onboarding/capture/CapturePreviewViewController.h"

namespace fv {

class UserPicturePreviewViewController : public CapturePreviewViewController {
    FV_CLASS(UserPicturePreviewViewController, CapturePreviewViewController)
    static void registerMembers(ClassBuilder<UserPicturePreviewViewController>& b);
    using CapturePreviewViewController::CapturePreviewViewController;
    ~UserPicturePreviewViewController() override;

    // Before and after every layout pass: the frame's corner radius is half its height, a circle at
    // any size.
    void viewWillLayoutSubviews() override;
    void viewDidLayoutSubviews() override;
    void action_continue(UIButton* sender) override;

    bool cameFromProfile() const { return cameFromProfile_; }
    void setCameFromProfile(bool value) { cameFromProfile_ = value; }

  private:
    void roundFrame();

    bool cameFromProfile_ = false;
};

}  // namespace fv
