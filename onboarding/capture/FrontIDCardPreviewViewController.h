#pragma once
// The front of the identity document as photographed, for approval: Continue goes on to the back's
// capture, back takes the photo again.
#include "onboarding/capture/IDCardPreviewViewController.h"

namespace fv {

class FrontIDCardPreviewViewController : public IDCardPreviewViewController {
    FV_CLASS(FrontIDCardPreviewViewController, IDCardPreviewViewController)
    using IDCardPreviewViewController::IDCardPreviewViewController;
    ~FrontIDCardPreviewViewController() override;

    void action_continue(UIButton* sender) override;
};

}  // namespace fv
