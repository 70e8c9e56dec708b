#include "banking/FundingInfoBase.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(FundingInfoBase);

void FundingInfoBase::registerMembers(ClassBuilder<FundingInfoBase>& b) {
    b.action("backPressed:", &FundingInfoBase::backPressed);
}

FundingInfoBase::~FundingInfoBase() = default;

void FundingInfoBase::viewDidLoad() {
    BaseViewController::viewDidLoad();
    setDefaultSelection();
}

void FundingInfoBase::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    applyLightStatusBar();
}

void FundingInfoBase::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    view_navbar->setBackgroundColor(theme->header_color());
    lbl_headerTitle->setTextColor(theme->header_text_color());
}

void FundingInfoBase::backPressed(UIButton*) {
    view()->endEditing(true);
}

}  // namespace fv
