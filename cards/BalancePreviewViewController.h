#pragma once
// The balance preview: the demonstration balance, the user's picture in a circle, a password field
// and a login button. It is styled only: it reads nothing, checks nothing and has no actions.
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class BalancePreviewViewController : public BaseViewController {
    FV_CLASS(BalancePreviewViewController, BaseViewController)
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~BalancePreviewViewController() override;

    // The balance shown; no record holds it.
    static constexpr const char* kBalanceText = "$ 9500.75";

    void viewDidLoad() override;
    void formatView();

    FV_OUTLET(CustomButton, btn_login);
    FV_OUTLET(UIView, view_PasswordField);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UITextField, tfPassword);
    FV_OUTLET(UIImageView, img_UserImage);
    FV_OUTLET(UILabel, lbl_TotalAmount);
};

}  // namespace fv
