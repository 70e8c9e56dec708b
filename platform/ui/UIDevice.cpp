#include "platform/ui/UIDevice.h"

namespace fv {

FV_REGISTER_CLASS(UIDevice);

std::shared_ptr<UIDevice> UIDevice::currentDevice() {
    static const std::shared_ptr<UIDevice> device = std::make_shared<UIDevice>();
    return device;
}

void UIDevice::reset() {
    idiom_ = UIUserInterfaceIdiomPhone;
    systemVersion_ = "15.0";
}

}  // namespace fv
