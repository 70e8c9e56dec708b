#include "cards/BalancePreviewViewController.h"

#include "controls/AttributedAmountString.h"
#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(BalancePreviewViewController);

BalancePreviewViewController::~BalancePreviewViewController() = default;

void BalancePreviewViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    // No style of its own: every appearance, the first included, leaves the status bar as the screen
    // before it left it.
    setStatusBarStyle(std::nullopt);
    formatView();
}

void BalancePreviewViewController::formatView() {
    btn_login->setBackgroundColor(UIColor::clearColor());
    CustomizeLayer(view_PasswordField->layer());
    setKeyboardAvoidingEnabled(*scrollView, true);
    lbl_TotalAmount->setTextColor(ThemeManager::sharedInstance()->main_color());
    auto picture = img_UserImage.get();
    picture->layoutIfNeeded();
    picture->setNeedsLayout();
    picture->setClipsToBounds(true);
    picture->layer()->cornerRadius = picture->frame().size.width * 0.5;
    picture->layoutIfNeeded();
    picture->setNeedsLayout();
    lbl_TotalAmount->setAttributedText(attributedAmountString(kBalanceText));
}

}  // namespace fv
