#pragma once
// The confirmation step of adding a bank account. With the verification type "BANK_LINK" continue
// shows the bank-link vendor's link screen; once it reports success the screen checks the entered
// details against what the vendor reports for the linked login (a token exchange, then the auth call,
// over HTTP at the vendor address setting) and opens the account-added screen, or shows the failure
// banner. Any other type goes straight to the screen of an account added but not yet verified.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "banking/BankLinkReplies.h"
#include "core/BankLinkSettings.h"
#include "platform/foundation/Bundle.h"
#include "platform/kits/BankLinkViewController.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class AccountAddingConfirmationViewController : public BaseViewController, public BankLinkViewDelegate {
    FV_CLASS(AccountAddingConfirmationViewController, BaseViewController)
    static void registerMembers(ClassBuilder<AccountAddingConfirmationViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~AccountAddingConfirmationViewController() override;

    // The link screen's fixed settings besides the key.
    static BankLinkConfiguration linkConfiguration(const std::string& key);
    // The status of the progress overlay while the vendor is asked.
    static constexpr const char* kVerifyingStatus = "Verifying";
    static constexpr double kRequestTimeout = 10.0;

    void viewDidLoad() override;
    void formatView();

    void confirmPressed(UIButton* sender);
    void backPressed(UIButton* sender);
    void presentBankLinkWithSharedConfiguration();

    void linkViewControllerDidSucceedWithPublicToken(
        const std::shared_ptr<BankLinkViewController>& controller, const std::string& publicToken,
        const std::optional<Value>& metadata) override;
    void linkViewControllerDidExitWithError(const std::shared_ptr<BankLinkViewController>& controller,
                                            const std::optional<NSError>& error,
                                            const std::optional<Value>& metadata) override;

    // Exchanges the link screen's public token for an access token, then asks for the numbers.
    void getAccessToken(const std::string& publicToken);
    // Asks for the account and routing numbers; the reply is matched on the main thread.
    void getROutingNumber(const std::string& accessToken);
    // Ends the verification: the overlay goes, then the account-added screen or the failure banner.
    void verifyUserInputWithAccountDetail(const BankLinkAuth& auth);

    const std::optional<std::string>& verificationType() const { return verificationType_; }
    void setVerificationType(const std::optional<std::string>& type) { verificationType_ = type; }
    const std::optional<Value>& userEnteredDetailDict() const { return userEnteredDetailDict_; }
    void setUserEnteredDetailDict(const std::optional<Value>& details) { userEnteredDetailDict_ = details; }

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, btn_continue);
    FV_OUTLET(UILabel, lbl_headerTitle);

  private:
    using ReplyHandler = std::function<void(const std::string& body)>;
    // POSTs {client_id, secret, tokenKey: token} to the vendor's `path`; `handle` gets a 2xx reply's
    // body on the URL loader's queue. Any failure ends the verification on the main thread.
    void postToVendor(const std::string& path, const char* tokenKey, const std::string& token,
                      ReplyHandler handle);
    // Logs why (no secret in it), then ends the verification with the failure banner.
    void verificationFailed(const std::string& why);
    // From any thread: ends the verification with the failure banner on the main thread.
    void failOnMain(const std::string& why);
    std::shared_ptr<AccountAddingConfirmationViewController> self();

    std::optional<std::string> verificationType_;
    std::optional<Value> userEnteredDetailDict_;
    // The credentials of the verification in flight, taken on the main thread when it starts.
    BankLinkCredentials credentials_;
};

}  // namespace fv
