#include "transfers/CardToBankTransferViewController.h"

#include "controls/AttributedAmountString.h"
#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/Constants.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIToolbar.h"
#include "transfers/AmountEditRule.h"

namespace fv {

FV_REGISTER_CLASS(CardToBankTransferViewController);

void CardToBankTransferViewController::registerMembers(ClassBuilder<CardToBankTransferViewController>& b) {
    using Self = CardToBankTransferViewController;
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
    applyLightStatusBar();
    setDefaultSelection();
}

void CardToBankTransferViewController::setupFields() {
    setKeyboardAvoidingEnabled(*scrollView, true);
    const CGFloat width = view()->frame().size.width;
    auto toolbar = UIToolbar::create(CGRectMake(0, 0, width, 50));
    auto done = UIBarButtonItem::create(NSLocalizedString("Done", ""), UIBarButtonItemStyleDone,
                                        shared_from_this(), "textFieldShouldReturn:");
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    tfAmount->setInputAccessoryView(toolbar);
}

void CardToBankTransferViewController::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    btn_Next->setBackgroundColor(UIColor::clearColor());
    applyThemeBand(*view_TopInfo);
    for (const auto* box : {&view_OptionOneField, &view_OptionTwoField, &view_OptionThreeField})
        CustomizeLayer((*box)->layer());
    // The tint only shows on a template image, as the arrow is meant to be drawn.
    if (auto image = img_arrow->image();
        image && image->renderingMode() != UIImageRenderingMode::AlwaysTemplate)
        img_arrow->setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
    img_arrow->setTintColor(theme->main_color());
    if (auto account = DataModel::sharedInstance()->selectedBankAccount())
        lbl_selectedRecipient->setText(account->bankName() + " - " + account->accountNumber());
    const bool fromMyAccounts = cameFrom_ == kCameFromMyBankAccounts;
    Img_backIcon->setImage(
        UIImage::imageNamed(fromMyAccounts ? "icon_back" : "side_menu_white", frameworkBundle()));
    constraint_img_back->setConstant(fromMyAccounts ? 5 : 20);
    lbl_TotalAmount->setAttributedText(attributedAmountString(kCardBalanceText));
}

void CardToBankTransferViewController::bankAccountSelectionPressed(UIButton*) {
    pushScreen(screen::BankAccountsListViewController);
}

void CardToBankTransferViewController::NextPressed(UIButton*) {
    pushScreen(screen::CardToBankTransferConfirmationViewController);
}

void CardToBankTransferViewController::backPressed(UIButton*) {
    if (cameFrom_ == kCameFromMyBankAccounts) {
        popScreen();
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
