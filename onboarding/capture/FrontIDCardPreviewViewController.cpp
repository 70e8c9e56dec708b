#include "onboarding/capture/FrontIDCardPreviewViewController.h"

namespace fv {

FV_REGISTER_CLASS(FrontIDCardPreviewViewController);

FrontIDCardPreviewViewController::~FrontIDCardPreviewViewController() = default;

void FrontIDCardPreviewViewController::action_continue(UIButton*) {
    pushScreen(screen::BackIDCardCameraViewController);
}

}  // namespace fv
