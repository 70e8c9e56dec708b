#include "onboarding/capture/FrontIDCardCameraViewController.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(FrontIDCardCameraViewController);

FrontIDCardCameraViewController::~FrontIDCardCameraViewController() = default;

CGRect FrontIDCardCameraViewController::overlayWindow() const {
    return ThemeManager::sharedInstance()->cameraOverlayRect();
}

void FrontIDCardCameraViewController::showPreview(const UIImagePtr& photo) {
    pushPreview(screen::FrontIDCardPreviewViewController, photo);
}

}  // namespace fv
