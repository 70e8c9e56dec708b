#pragma once
// Confirmation of a card-to-bank transfer: the balance again and a slide-to-confirm control. Once the
// control reports "Unlocked" it goes inert, and a second later the success screen is pushed.
// Nothing is sent or stored.
#include <memory>
#include <string>

#include "controls/SlideButtonDelegate.h"
#include "controls/SlidingButton.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class CardToBankTransferConfirmationViewController : public BaseViewController, public SlideButtonDelegate {
    FV_CLASS(CardToBankTransferConfirmationViewController, BaseViewController)
    static void registerMembers(ClassBuilder<CardToBankTransferConfirmationViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~CardToBankTransferConfirmationViewController() override;

    // The pause between the unlock and the success screen, in seconds.
    static constexpr double kSuccessDelay = 1.0;

    void viewWillAppear(bool animated) override;
    // Every appearance: the slider's delegate, the band's colour, the balance.
    void setDefaultSelection();

    // buttonStatusWithStatus:sender:. Only "Unlocked" counts.
    void buttonStatus(const std::string& status, SlidingButton* sender) override;
    void showSuccessView();
    void backPressed(UIButton* sender);

    FV_OUTLET(UIView, view_TopInfo);
    FV_OUTLET(SlidingButton, btn_slider);
    FV_OUTLET(UILabel, lbl_TotalAmount);
};

}  // namespace fv
