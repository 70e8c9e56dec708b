#pragma once
// Micro-deposit verification: the user types the two small amounts deposited into the account. Each
// edit is filtered so that a field only ever holds a short amount (at most one digit before the
// separator, "." or ",", and two after). Done leads to the account-added screen; the amounts are
// neither checked nor kept nor sent.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

// The pattern a deposited amount must match as a whole, compiled case-insensitive. Its "$*" matches
// the empty string, so it accepts the empty text, or at most one digit with an optional separator and
// at most two digits after it.
inline constexpr const char* kMicroDepositAmountPattern = "^[0-9]{0,1}$*((\\.|,)[0-9]{0,2})?$";

// Whether replacing `range` (UTF-16 units) of `text` by `replacement` leaves a text the pattern
// accepts. An edit reaching outside the text is refused.
bool microDepositEditAllowed(const std::optional<std::string>& text, NSRange range,
                             const std::string& replacement);

class MicroPaymentsVerificationViewController : public BaseViewController {
    FV_CLASS(MicroPaymentsVerificationViewController, BaseViewController)
    static void registerMembers(ClassBuilder<MicroPaymentsVerificationViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~MicroPaymentsVerificationViewController() override;

    void viewDidLoad() override;
    // Once: colours, keyboard avoidance, empty fields and their Done toolbar.
    void formatView();

    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;
    bool textFieldShouldReturn(UITextField* textField) override;

    void donePressed(UIButton* sender);
    void backPressed(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, btn_continue);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIView, view_FirstField);
    FV_OUTLET(UIView, view_SecondField);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UITextField, tfMicroPaymentOne);
    FV_OUTLET(UITextField, tfMicroPaymentTwo);
};

}  // namespace fv
