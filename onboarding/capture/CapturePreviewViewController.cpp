#include "onboarding/capture/CapturePreviewViewController.h"

namespace fv {

FV_REGISTER_CLASS(CapturePreviewViewController);

CapturePreviewViewController::~CapturePreviewViewController() = default;

void CapturePreviewViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

}  // namespace fv
