#pragma once
// The framework's shared state: one navigation stack per main destination, the new-card wizard's first
// screen, the selections that cross screens, and the card-face text masks.
#include <memory>
#include <optional>
#include <string>

#include "core/BankAccountModel.h"
#include "core/RecipientModel.h"
#include "platform/graphics/UIImage.h"
#include "platform/location/CLLocation.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

class DataModel {
  public:
    // Made on first use; main thread only.
    static std::shared_ptr<DataModel> sharedInstance();

    // Creates the wizard's first screen, when its class is registered by then.
    DataModel();

    // Builds every main screen afresh, each the root of a new navigation controller with a hidden
    // bar. A stack whose screen class is not registered is none. Selections are left as they are.
    void initAllViews();

    UINavigationControllerPtr homeNavView() const { return homeNavView_; }
    UINavigationControllerPtr cardControlsNavView() const { return cardControlsNavView_; }
    UINavigationControllerPtr historyNavView() const { return historyNavView_; }
    UINavigationControllerPtr directDepositNavView() const { return directDepositNavView_; }
    UINavigationControllerPtr bankTransferNavView() const { return bankTransferNavView_; }
    UINavigationControllerPtr loadCheckNavView() const { return loadCheckNavView_; }
    UINavigationControllerPtr loadCenterNavView() const { return loadCenterNavView_; }
    UINavigationControllerPtr atmLocationsNavView() const { return atmLocationsNavView_; }
    UINavigationControllerPtr fundsTransferHistoryNavView() const { return fundsTransferHistoryNavView_; }
    UINavigationControllerPtr cardToCardTransNavView() const { return cardToCardTransNavView_; }
    UINavigationControllerPtr myBankAccountsNavView() const { return myBankAccountsNavView_; }
    UINavigationControllerPtr addBankAccountNavView() const { return addBankAccountNavView_; }
    UINavigationControllerPtr cardToBankTransferNavView() const { return cardToBankTransferNavView_; }

    // The "VerificationPhoneEmailViewController" made once by the initialiser and never replaced, so
    // every entry into the wizard shows the same screen; none while that class is not registered.
    UIViewControllerPtr getCardViews() const { return getCardViews_; }

    const std::string& verificationEmail() const { return verificationEmail_; }
    void setVerificationEmail(const std::string& email) { verificationEmail_ = email; }

    UIImagePtr capturedSelfieImage() const { return capturedSelfieImage_; }
    void setCapturedSelfieImage(UIImagePtr image) { capturedSelfieImage_ = std::move(image); }

    BankAccountModelPtr selectedBankAccount() const { return selectedBankAccount_; }
    void setSelectedBankAccount(BankAccountModelPtr account) { selectedBankAccount_ = std::move(account); }

    RecipientModelPtr selectedRecipient() const { return selectedRecipient_; }
    void setSelectedRecipient(RecipientModelPtr recipient) { selectedRecipient_ = std::move(recipient); }

    const std::optional<CLLocation>& UserLocation() const { return userLocation_; }
    void setUserLocation(std::optional<CLLocation> location) { userLocation_ = std::move(location); }

    // Card-face texts, in full or masked with "✱" (see CardTextMask.h).
    std::string formattedCardNumber(const std::string& number, bool shouldHide) const;
    std::string formattedCVV(const std::string& number, bool shouldHide) const;
    // Takes the expiry as four characters, month then year ("0928" -> "09/28").
    std::string formattedEXP(const std::string& number, bool shouldHide) const;

  private:
    UINavigationControllerPtr homeNavView_, cardControlsNavView_, historyNavView_, directDepositNavView_,
        bankTransferNavView_, loadCheckNavView_, loadCenterNavView_, atmLocationsNavView_,
        fundsTransferHistoryNavView_, cardToCardTransNavView_, myBankAccountsNavView_, addBankAccountNavView_,
        cardToBankTransferNavView_;
    UIViewControllerPtr getCardViews_;
    std::string verificationEmail_;
    UIImagePtr capturedSelfieImage_;
    BankAccountModelPtr selectedBankAccount_;
    RecipientModelPtr selectedRecipient_;
    std::optional<CLLocation> userLocation_;
};

}  // namespace fv
