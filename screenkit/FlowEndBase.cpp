#include "screenkit/FlowEndBase.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(FlowEndBase);

FlowEndBase::~FlowEndBase() = default;

void FlowEndBase::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void FlowEndBase::formatView() {
    btn_continue->setBackgroundColor(UIColor::clearColor());
    view_navbar->setBackgroundColor(barColor());
}

UIColorPtr FlowEndBase::barColor() const {
    return ThemeManager::sharedInstance()->main_color();
}

void FlowEndBase::popToRoot() {
    if (auto nav = navigationController()) nav->popToRootViewControllerAnimated(true);
}

}  // namespace fv
