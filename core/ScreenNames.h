#pragma once
// Every screen's name, written once. A name is the screen's class and its interface file
// ("<name>.xml" in the framework bundle). DataModel's stacks, the screens that open one another, the
// example host and the tests all say `screen::CardToBankTransferViewController`, never the bare text.
// Below them, the origin tags one screen hands the next, written once for the same reason.
//
// A new screen: add FV_SCREEN(Name) below and list it in kScreenNames, in the change that lands its
// class, its interface file and its test (a test checks all three).

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

inline constexpr ScreenName kScreenNames[] = {
    screen::MyCardsViewController,
    screen::CardControlViewController,
    screen::TransactionsViewController,
    screen::DirectDepositViewController,
    screen::BankTransferViewController,
    screen::LoadCheckViewController,
    screen::LoadCenterViewController,
    screen::LocationsViewController,
    screen::FundTransferHistoryViewController,
    screen::CardToCardTransferViewController,
    screen::MyBankAccountsViewController,
    screen::AddBankAccountViewController,
    screen::VerificationPhoneEmailViewController,
    screen::CardToBankTransferViewController,
    screen::BankAccountsListViewController,
    screen::CardToBankTransferConfirmationViewController,
    screen::CardToBankTransferSuccessViewController,
    screen::TransferConfirmationViewController,
    screen::TransferSuccessViewController,
    screen::AccountAddedSuccessfullyViewController,
    screen::UnVerifiedAccountAddedViewController,
    screen::OTPVerificationViewController,
    screen::LinkAppAccountViewController,
    screen::UserInfoFormViewController,
    screen::DobSSNFormViewController,
    screen::AccountCreationViewController,
    screen::VerifyIDCardStartViewController,
    screen::FrontIDCardCameraViewController,
    screen::FrontIDCardPreviewViewController,
    screen::BackIDCardCameraViewController,
    screen::BackIDCardPreviewViewController,
    screen::UserPictureCaptureViewController,
    screen::UserPicturePreviewViewController,
    screen::CardholderAgreementViewController,
    screen::SuccessAndVerifiedViewController,
    screen::VirtualCardViewController,
    screen::BalancePreviewViewController,
    screen::RecipientListViewController,
    screen::AddRecipientViewController,
    // Bank accounts and funding
    screen::MicroPaymentsVerificationViewController,
    screen::AccountAddingConfirmationViewController,
};

// Origin tags: the screen that opens another hands one over ("cameFrom", "cameFromView"), and the
// opened screen compares against it to decide what its back control does. Both ends read these, so
// they cannot drift apart.
// Card-to-bank transfer pushed from the user's bank accounts: back pops to the list.
inline constexpr const char* kCameFromMyBankAccounts = "MY_BANK_ACCOUNTS";
// Transaction history pushed from the home screen of cards: back pops to it.
inline constexpr const char* kCameFromHome = "HOME";

}  // namespace fv
