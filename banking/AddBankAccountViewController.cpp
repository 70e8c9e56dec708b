#include "banking/AddBankAccountViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIToolbar.h"

namespace fv {

FV_REGISTER_CLASS(AddBankAccountViewController);

void AddBankAccountViewController::registerMembers(ClassBuilder<AddBankAccountViewController>& b) {
    using Self = AddBankAccountViewController;
    b.action("submitPressed:", &Self::submitPressed);
    b.action("sideMenuTapped:", &Self::sideMenuTapped);
}

AddBankAccountViewController::~AddBankAccountViewController() = default;

void AddBankAccountViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void AddBankAccountViewController::formatView() {
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    view_navbar->setBackgroundColor(ThemeManager::sharedInstance()->header_color());
    btn_submit->setBackgroundColor(UIColor::clearColor());
    for (const auto* box : {&view_FirstField, &view_SecondField, &view_ThirdField, &view_FifthField,
                            &view_SixthField, &view_SeventhField})
        CustomizeLayer((*box)->layer());
    setKeyboardAvoidingEnabled(*scrollView, true);

    auto toolbar = UIToolbar::create(CGRectMake(0, 0, view()->frame().size.width, 50));
    toolbar->setItems({UIBarButtonItem::flexibleSpace(),
                       UIBarButtonItem::create(NSLocalizedString("DONE", ""), UIBarButtonItemStyleDone,
                                               shared_from_this(), "textFieldShouldReturn:")});
    tf_AccountNumber->setInputAccessoryView(toolbar);
    tf_RoutingNumber->setInputAccessoryView(toolbar);

    loadAccountTypes();
    setupDropList();
}

void AddBankAccountViewController::loadAccountTypes() {
    accountTypeArr.clear();
    accountTypeTitles.clear();
    if (auto records = readFrameworkArray("accountTypes", kSettingsListLimits);
        records && records->asArray()) {
        // Titles and records come from the same filtered list, so a picked index names its own record.
        for (const Value& entry : *records->asArray()) {
            const Value& title = entry["title"];
            if (!title.isString()) continue;
            accountTypeArr.push_back(entry);
            accountTypeTitles.push_back(title.stringValue());
        }
    }
    if (accountTypeArr.empty()) {
        log("accountTypes.plist holds no account type; the account-type field stays empty");
        tf_AccountType->setText(std::string());
        return;
    }
    tf_AccountType->setText(accountTypeTitles.front());
}

void AddBankAccountViewController::setupDropList() {
    dropList->setAnchorView(view_accountType.get());
    dropList->direction = DropList::Direction::bottom;
    dropList->bottomOffset = CGPointMake(0, view_accountType->bounds().size.height);
    DropList::appearance().setTextFont(namedOrSystemFont("SFProDisplay-Regular", 16));
    dropList->dataSource = accountTypeTitles;
    std::weak_ptr<AddBankAccountViewController> weakSelf =
        std::static_pointer_cast<AddBankAccountViewController>(shared_from_this());
    dropList->selectionAction = [weakSelf](long index, const std::string& title) {
        if (auto self = weakSelf.lock()) self->selectAccountType(index, title);
    };
}

void AddBankAccountViewController::selectAccountType(long index, const std::string&) {
    if (index < 0 || index >= static_cast<long>(accountTypeArr.size())) return;
    tf_AccountType->setText(accountTypeArr[static_cast<std::size_t>(index)]["title"].stringValue());
}

void AddBankAccountViewController::endEditing() {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

bool AddBankAccountViewController::textFieldShouldBeginEditing(UITextField* textField) {
    if (textField == tf_AccountType.get().get()) {
        endEditing();
        dropList->show();
        return false;
    }
    dropList->hide();
    return true;
}

bool AddBankAccountViewController::textFieldShouldReturn(UITextField*) {
    endEditing();
    return true;
}

void AddBankAccountViewController::submitPressed(UIButton*) {
    endEditing();
    auto sheet = UIAlertController::alertControllerWithTitle(
        NSLocalizedString("Verification Method", ""),
        NSLocalizedString("Please select a verification process to verify your added bank account details",
                          ""),
        UIAlertControllerStyleActionSheet);
    // Cancel only closes the sheet; the screen that presented it stays as it is.
    sheet->addAction(
        UIAlertAction::actionWithTitle(NSLocalizedString("Cancel", ""), UIAlertActionStyleCancel));
    std::weak_ptr<AddBankAccountViewController> weakSelf =
        std::static_pointer_cast<AddBankAccountViewController>(shared_from_this());
    sheet->addAction(UIAlertAction::actionWithTitle(NSLocalizedString("Bank Link", ""),
                                                    UIAlertActionStyleDefault, [weakSelf](UIAlertAction&) {
                                                        if (auto self = weakSelf.lock())
                                                            self->chooseBankLinkVerification();
                                                    }));
    sheet->addAction(UIAlertAction::actionWithTitle(NSLocalizedString("Micro Payments", ""),
                                                    UIAlertActionStyleDefault, [weakSelf](UIAlertAction&) {
                                                        if (auto self = weakSelf.lock())
                                                            self->chooseMicroPaymentVerification();
                                                    }));
    // A sheet on a pad needs something to point from.
    sheet->popoverPresentationController().sourceView = btn_submit.get();
    presentViewController(sheet, true);
}

void AddBankAccountViewController::sideMenuTapped(UIButton*) {
    popScreen();
}

void AddBankAccountViewController::chooseBankLinkVerification() {
    const auto text = [](const auto& field) { return Value(field->text().value_or("")); };
    userEnteredDetailDict["LEGAL_NAME"] = text(tf_LegalName);
    userEnteredDetailDict["BANK_NAME"] = text(tf_BankName);
    userEnteredDetailDict["ACCOUNT_NUMBER"] = text(tf_AccountNumber);
    userEnteredDetailDict["ACCOUNT_TYPE"] = text(tf_AccountType);
    userEnteredDetailDict["ACCOUNT_ROUTING_NUMBER"] = text(tf_RoutingNumber);
    userEnteredDetailDict["NICK_NAME"] = text(tf_nickName);
    pushConfirmation(kVerificationTypeBankLink, Value(userEnteredDetailDict));
}

void AddBankAccountViewController::chooseMicroPaymentVerification() {
    pushConfirmation(kVerificationTypeMicroPayments, std::nullopt);
}

void AddBankAccountViewController::pushConfirmation(const char* verificationType,
                                                    const std::optional<Value>& details) {
    ScreenSetup setup;
    setup.value("verificationType", Value(verificationType));
    if (details) setup.value("userEnteredDetailDict", *details);
    pushScreen(screen::AccountAddingConfirmationViewController, setup);
}

}  // namespace fv
