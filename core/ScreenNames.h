#pragma once
// Every screen's name, written once. A name is the screen's class and its interface file
// ("<name>.xml" in the framework bundle). DataModel's stacks, the screens that open one another, the
// example host and the tests all say `screen::CardToBankTransferViewController`, never the bare text.
//
// A new screen: add FV_SCREEN(Name) below and list it in kScreenNames with built = false; flip it to
// true in the change that lands its class and interface file (a test checks both ways).

namespace fv {

// A typed name, so that opening a screen cannot take a stray string.
struct ScreenName {
    const char* className;
};

#define FV_SCREEN(Name) inline constexpr ScreenName Name = {#Name}

namespace screen {
FV_SCREEN(MyCardsViewController);
FV_SCREEN(CardControlViewController);
FV_SCREEN(TransactionsViewController);
FV_SCREEN(DirectDepositViewController);
FV_SCREEN(BankTransferViewController);
FV_SCREEN(LoadCheckViewController);
FV_SCREEN(LoadCenterViewController);
FV_SCREEN(LocationsViewController);
FV_SCREEN(FundTransferHistoryViewController);
FV_SCREEN(CardToCardTransferViewController);
FV_SCREEN(MyBankAccountsViewController);
FV_SCREEN(AddBankAccountViewController);
FV_SCREEN(VerificationPhoneEmailViewController);
FV_SCREEN(CardToBankTransferViewController);
FV_SCREEN(BankAccountsListViewController);
FV_SCREEN(CardToBankTransferConfirmationViewController);
FV_SCREEN(CardToBankTransferSuccessViewController);
FV_SCREEN(TransferConfirmationViewController);
FV_SCREEN(TransferSuccessViewController);
FV_SCREEN(AccountAddedSuccessfullyViewController);
FV_SCREEN(UnVerifiedAccountAddedViewController);
FV_SCREEN(OTPVerificationViewController);
FV_SCREEN(LinkAppAccountViewController);
FV_SCREEN(UserInfoFormViewController);
FV_SCREEN(DobSSNFormViewController);
FV_SCREEN(AccountCreationViewController);
FV_SCREEN(VerifyIDCardStartViewController);
FV_SCREEN(FrontIDCardCameraViewController);
FV_SCREEN(FrontIDCardPreviewViewController);
FV_SCREEN(BackIDCardCameraViewController);
FV_SCREEN(BackIDCardPreviewViewController);
FV_SCREEN(UserPictureCaptureViewController);
FV_SCREEN(UserPicturePreviewViewController);
FV_SCREEN(CardholderAgreementViewController);
FV_SCREEN(SuccessAndVerifiedViewController);
FV_SCREEN(VirtualCardViewController);
FV_SCREEN(BalancePreviewViewController);
// Card-to-card transfers: the recipients.
FV_SCREEN(RecipientListViewController);
FV_SCREEN(AddRecipientViewController);
// Bank accounts and funding
FV_SCREEN(MicroPaymentsVerificationViewController);
FV_SCREEN(AccountAddingConfirmationViewController);
}  // namespace screen

#undef FV_SCREEN

struct ScreenNameEntry {
    ScreenName name;
    bool built;  // its class and interface file are part of the framework
};

inline constexpr ScreenNameEntry kScreenNames[] = {
    {screen::MyCardsViewController, true},
    {screen::CardControlViewController, true},
    {screen::TransactionsViewController, true},
    {screen::DirectDepositViewController, true},
    {screen::BankTransferViewController, true},
    {screen::LoadCheckViewController, true},
    {screen::LoadCenterViewController, true},
    {screen::LocationsViewController, true},
    {screen::FundTransferHistoryViewController, true},
    {screen::CardToCardTransferViewController, true},
    {screen::MyBankAccountsViewController, true},
    {screen::AddBankAccountViewController, true},
    {screen::VerificationPhoneEmailViewController, true},
    {screen::CardToBankTransferViewController, true},
    {screen::BankAccountsListViewController, true},
    {screen::CardToBankTransferConfirmationViewController, true},
    {screen::CardToBankTransferSuccessViewController, true},
    {screen::TransferConfirmationViewController, true},
    {screen::TransferSuccessViewController, true},
    {screen::AccountAddedSuccessfullyViewController, true},
    {screen::UnVerifiedAccountAddedViewController, true},
    {screen::OTPVerificationViewController, true},
    {screen::LinkAppAccountViewController, true},
    {screen::UserInfoFormViewController, true},
    {screen::DobSSNFormViewController, true},
    {screen::AccountCreationViewController, true},
    {screen::VerifyIDCardStartViewController, true},
    {screen::FrontIDCardCameraViewController, true},
    {screen::FrontIDCardPreviewViewController, true},
    {screen::BackIDCardCameraViewController, true},
    {screen::BackIDCardPreviewViewController, true},
    {screen::UserPictureCaptureViewController, true},
    {screen::UserPicturePreviewViewController, true},
    {screen::CardholderAgreementViewController, true},
    {screen::SuccessAndVerifiedViewController, true},
    {screen::VirtualCardViewController, true},
    {screen::BalancePreviewViewController, true},
    {screen::RecipientListViewController, true},
    {screen::AddRecipientViewController, true},
    // Bank accounts and funding
    {screen::MicroPaymentsVerificationViewController, true},
    {screen::AccountAddingConfirmationViewController, true},
};

}  // namespace fv
