#pragma once
// The back of the identity document as photographed, for approval: Continue and Skip both go on to
// the selfie, back takes the photo again.
#include "onboarding/capture/IDCardPreviewViewController.h"

namespace fv {

class BackIDCardPreviewViewController : public IDCardPreviewViewController {
    FV_CLASS(BackIDCardPreviewViewController, IDCardPreviewViewController)
    static void registerMembers(ClassBuilder<BackIDCardPreviewViewController>& b);
    using IDCardPreviewViewController::IDCardPreviewViewController;
    ~BackIDCardPreviewViewController() override;

    void formatView() override;
    void action_skip(UIButton* sender);
    void action_continue(UIButton* sender) override;

    FV_OUTLET(UIButton, btn_skip);
};

}  // namespace fv
