#include "transfers/SlideConfirmationBase.h"

#include "controls/AttributedAmountString.h"
#include "core/ThemeManager.h"
#include "transfers/TransferFormBase.h"

namespace fv {

FV_REGISTER_CLASS(SlideConfirmationBase);

void SlideConfirmationBase::registerMembers(ClassBuilder<SlideConfirmationBase>& b) {
    using Self = SlideConfirmationBase;
    b.action("showSuccessView", &Self::showSuccessView);
    b.action("backPressed:", &Self::backPressed);
}

SlideConfirmationBase::~SlideConfirmationBase() = default;

void SlideConfirmationBase::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    setDefaultSelection();
}

void SlideConfirmationBase::setDefaultSelection() {
    btn_slider->setDelegate(sharedAs<SlideConfirmationBase>());
    view_TopInfo->setBackgroundColor(bandColor());
    lbl_TotalAmount->setAttributedText(attributedAmountString(kCardBalanceText));
}

void SlideConfirmationBase::buttonStatus(const std::string& status, SlidingButton*) {
    if (status != "Unlocked") return;
    btn_slider->setUserInteractionEnabled(false);
    performSelector("showSuccessView", nullptr, kSuccessDelay);
}

void SlideConfirmationBase::showSuccessView() {
    pushScreen(successScreen());
}

void SlideConfirmationBase::backPressed(UIButton*) {
    popScreen();
}

UIColorPtr SlideConfirmationBase::bandColor() const {
    return ThemeManager::sharedInstance()->main_color();
}

}  // namespace fv
