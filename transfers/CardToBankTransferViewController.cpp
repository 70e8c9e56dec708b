#include "transfers/CardToBankTransferViewController.h"

#include "controls/AttributedAmountString.h"
#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/Constants.h"
#include "core/DataModel.h"
#include "core/ThemeManager.h"
#include "platform/ui/UIToolbar.h"
#include "transfers/AmountEditRule.h"
#include "transfers/PushTransferScreen.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferViewController);

void CardToBankTransferViewController::registerMembers(ClassBuilder<CardToBankTransferViewController>& b) {
    using Self = CardToBankTransferViewController;
    b.outlet("view_TopInfo", &Self::view_TopInfo);
    b.outlet("view_OptionOneField", &Self::view_OptionOneField);
    b.outlet("view_OptionTwoField", &Self::view_OptionTwoField);
    b.outlet("view_OptionThreeField", &Self::view_OptionThreeField);
    b.outlet("btn_Next", &Self::btn_Next);
    b.outlet("tfAmount", &Self::tfAmount);
    b.outlet("scrollView", &Self::scrollView);
    b.outlet("lbl_selectedRecipient", &Self::lbl_selectedRecipient);
    b.outlet("Img_backIcon", &Self::Img_backIcon);
    b.outlet("lbl_TotalAmount", &Self::lbl_TotalAmount);
    b.outlet("img_arrow", &Self::img_arrow);
    b.outlet("constraint_img_back", &Self::constraint_img_back);
    b.property("cameFrom", &Self::cameFrom, &Self::setCameFrom);
    b.action("backPressed:", &Self::backPressed);
    b.action("bankAccountSelectionPressed:", &Self::bankAccountSelectionPressed);
    b.action("NextPressed:", &Self::NextPressed);
}

CardToBankTransferViewController::~CardToBankTransferViewController() = default;

void CardToBankTransferViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    setupFields();
}

void CardToBankTransferViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    UIApplication::sharedApplication()->setStatusBarStyle(UIStatusBarStyleLightContent);
    setDefaultSelection();
}

void CardToBankTransferViewController::setupFields() {
    if (auto scroll = scrollView.lock()) setKeyboardAvoidingEnabled(*scroll, true);
    const CGFloat width = view()->frame().size.width;
    auto toolbar = UIToolbar::create(CGRectMake(0, 0, width, 50));
    auto done = UIBarButtonItem::create(NSLocalizedString("Done", ""), UIBarButtonItemStyleDone,
                                        shared_from_this(), "textFieldShouldReturn:");
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    if (auto field = tfAmount.lock()) field->setInputAccessoryView(toolbar);
}

void CardToBankTransferViewController::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    if (auto next = btn_Next.lock()) next->setBackgroundColor(UIColor::clearColor());
    if (auto top = view_TopInfo.lock()) top->setBackgroundColor(theme->main_color());
    for (const auto& box : {view_OptionOneField, view_OptionTwoField, view_OptionThreeField}) {
        if (auto view = box.lock()) CustomizeLayer(view->layer());
    }
    if (auto arrow = img_arrow.lock()) {
        // The tint only shows on a template image, as the arrow is meant to be drawn.
        if (auto image = arrow->image();
            image && image->renderingMode() != UIImageRenderingMode::AlwaysTemplate)
            arrow->setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
        arrow->setTintColor(theme->main_color());
    }
    if (auto account = DataModel::sharedInstance()->selectedBankAccount()) {
        if (auto label = lbl_selectedRecipient.lock())
            label->setText(account->bankName() + " - " + account->accountNumber());
    }
    const bool fromMyAccounts = cameFrom_ == kCameFromMyBankAccounts;
    auto bundle = NSBundle::bundleWithIdentifier(kFrameworkBundleIdentifier);
    if (auto icon = Img_backIcon.lock())
        icon->setImage(UIImage::imageNamed(fromMyAccounts ? "icon_back" : "side_menu_white", bundle));
    if (auto constraint = constraint_img_back.lock()) constraint->setConstant(fromMyAccounts ? 5 : 20);
    if (auto label = lbl_TotalAmount.lock())
        label->setAttributedText(attributedAmountString(kCardBalanceText));
}

void CardToBankTransferViewController::bankAccountSelectionPressed(UIButton*) {
    pushTransferScreen(*this, "BankAccountsListViewController");
}

void CardToBankTransferViewController::NextPressed(UIButton*) {
    pushTransferScreen(*this, "CardToBankTransferConfirmationViewController");
}

void CardToBankTransferViewController::backPressed(UIButton*) {
    if (cameFrom_ == kCameFromMyBankAccounts) {
        if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
        return;
    }
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

bool CardToBankTransferViewController::textFieldShouldReturn(UITextField*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
    return true;
}

bool CardToBankTransferViewController::textFieldShouldChangeCharactersInRange(UITextField* textField,
                                                                              NSRange range,
                                                                              const std::string& string) {
    if (!textField) return true;
    return amountEditAllowed(textField->text(), range, string);
}

}  // namespace fv
