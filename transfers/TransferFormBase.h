#pragma once
// What the two transfer forms share: the balance band, three bordered field boxes (the card paid
// from, the payee chosen in a picker, the amount), the amount rule with its Done toolbar, and Next.
// A form derives from this, declares its own extra outlets and says who the payee is.
#include <string>

#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

// The card balance both transfer screens show; no request fetches it.
inline constexpr const char* kCardBalanceText = "$ 9500.75";

class TransferFormBase : public BaseViewController {
    FV_CLASS(TransferFormBase, BaseViewController)
    using BaseViewController::BaseViewController;
    ~TransferFormBase() override;

    // Once: keyboard avoidance and the amount field's Done toolbar.
    void setupFields();

    bool textFieldShouldReturn(UITextField* textField) override;
    // The amount rule (transfers/AmountEditRule.h); other fields take any edit.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;

    FV_OUTLET(UIView, view_TopInfo);
    FV_OUTLET(UIView, view_OptionOneField);
    FV_OUTLET(UIView, view_OptionTwoField);
    FV_OUTLET(UIView, view_OptionThreeField);
    FV_OUTLET(CustomButton, btn_Next);
    FV_OUTLET(UITextField, tfAmount);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UILabel, lbl_selectedRecipient);
    FV_OUTLET(UILabel, lbl_TotalAmount);
    FV_OUTLET(UIImageView, img_arrow);

  protected:
    // Every appearance: Next's clear background, the band, the arrow's tint, the field borders and
    // the balance. The payee label is the form's own.
    void applyFormLook();
    // Ends editing of the whole view, which closes the keyboard.
    void endEditing();
};

}  // namespace fv
