#include "banking/AccountAddingConfirmationViewController.h"

#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "core/ThemeManager.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/net/URLSession.h"
#include "platform/ui/UIDevice.h"

namespace fv {

FV_REGISTER_CLASS(AccountAddingConfirmationViewController);

namespace {

constexpr const char* kBankLink = "BANK_LINK";

std::optional<Value> optionalValue(const Value& v) {
    if (v.isNull()) return std::nullopt;
    return v;
}

}  // namespace

void AccountAddingConfirmationViewController::registerMembers(
    ClassBuilder<AccountAddingConfirmationViewController>& b) {
    using Self = AccountAddingConfirmationViewController;
    b.action("confirmPressed:", &Self::confirmPressed);
    b.action("backPressed:", &Self::backPressed);
    b.property(
        "verificationType",
        [](Self& s) { return s.verificationType_ ? Value(*s.verificationType_) : Value(); },
        [](Self& s, const Value& v) {
            if (!v.isNull() && !v.isString()) return false;
            s.setVerificationType(v.isNull() ? std::nullopt : std::optional<std::string>(v.stringValue()));
            return true;
        });
    b.property(
        "userEnteredDetailDict", [](Self& s) { return s.userEnteredDetailDict_.value_or(Value()); },
        [](Self& s, const Value& v) {
            if (!v.isNull() && !v.isDictionary()) return false;
            s.setUserEnteredDetailDict(optionalValue(v));
            return true;
        });
}

AccountAddingConfirmationViewController::~AccountAddingConfirmationViewController() = default;

BankLinkConfiguration AccountAddingConfirmationViewController::linkConfiguration(const std::string& key) {
    return BankLinkConfiguration(key, 0, 1, true, true, 1);
}

std::shared_ptr<AccountAddingConfirmationViewController> AccountAddingConfirmationViewController::self() {
    return std::static_pointer_cast<AccountAddingConfirmationViewController>(shared_from_this());
}

void AccountAddingConfirmationViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void AccountAddingConfirmationViewController::formatView() {
    btn_continue->setBackgroundColor(UIColor::clearColor());
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    view_navbar->setBackgroundColor(ThemeManager::sharedInstance()->main_color());
}

void AccountAddingConfirmationViewController::confirmPressed(UIButton*) {
    if (verificationType_ == kBankLink) {
        presentBankLinkWithSharedConfiguration();
        return;
    }
    pushScreen(screen::UnVerifiedAccountAddedViewController);
}

void AccountAddingConfirmationViewController::backPressed(UIButton*) {
    popScreen();
}

void AccountAddingConfirmationViewController::presentBankLinkWithSharedConfiguration() {
    auto link =
        BankLinkViewController::create(linkConfiguration(BankLinkSettings::current().publicKey),
                                       std::dynamic_pointer_cast<BankLinkViewDelegate>(shared_from_this()));
    if (UIDevice::currentDevice()->userInterfaceIdiom() == UIUserInterfaceIdiomPad)
        link->setModalPresentationStyle(UIModalPresentationFormSheet);
    presentViewController(link, true);
}

void AccountAddingConfirmationViewController::linkViewControllerDidSucceedWithPublicToken(
    const std::shared_ptr<BankLinkViewController>&, const std::string& publicToken,
    const std::optional<Value>& metadata) {
    auto screen = self();
    dismissViewControllerAnimated(true, [screen, publicToken, metadata] {
        // The token is a credential: the line keeps its shape without it.
        log("Successfully linked account!\npublicToken: <redacted>\nmetadata: " + describeKeys(metadata));
        screen->ShowHUD(kVerifyingStatus);
        screen->getAccessToken(publicToken);
    });
}

void AccountAddingConfirmationViewController::linkViewControllerDidExitWithError(
    const std::shared_ptr<BankLinkViewController>&, const std::optional<NSError>& error,
    const std::optional<Value>& metadata) {
    dismissViewControllerAnimated(true, [error, metadata] {
        if (error)
            log("Failed to link account due to: " + error->localizedDescription +
                "\nmetadata: " + describeKeys(metadata));
        else
            log("Bank link exited with metadata: " + describeKeys(metadata));
    });
}

// ---- vendor verification ----

void AccountAddingConfirmationViewController::getAccessToken(const std::string& publicToken) {
    credentials_ = BankLinkSettings::current();
    auto screen = self();
    postToVendor(BANKLINK_PATH_TOKEN_EXCHANGE, "public_token", publicToken,
                 [screen](const std::string& body) {
                     auto read = readAccessToken(body);
                     if (!read.value) return screen->failOnMain("token exchange: " + read.problem);
                     screen->getROutingNumber(*read.value);
                     log("Token exchange reply read; an access token came back");
                 });
}

void AccountAddingConfirmationViewController::getROutingNumber(const std::string& accessToken) {
    auto screen = self();
    postToVendor(BANKLINK_PATH_AUTH, "access_token", accessToken, [screen](const std::string& body) {
        auto read = readAuthReply(body);
        if (!read.value) return screen->failOnMain("auth: " + read.problem);
        log("Auth reply read: " + std::to_string(read.value->ach.size()) + " ACH numbers, " +
            std::to_string(read.value->accounts.size()) + " accounts");
        RunLoop::main().post(
            [screen, auth = std::move(*read.value)] { screen->verifyUserInputWithAccountDetail(auth); });
    });
}

void AccountAddingConfirmationViewController::verifyUserInputWithAccountDetail(const BankLinkAuth& auth) {
    auto entered = enteredBankDetails(userEnteredDetailDict_);
    if (!entered)
        return verificationFailed("the entered details lack the account number, routing number or type");
    const auto match = bankLinkDetailsMatch(auth, *entered);
    if (!match.verified)
        return verificationFailed(match.problem.empty() ? "no ACH number agrees with the entered details"
                                                        : "auth: " + match.problem);
    HideHUD();
    pushScreen(screen::AccountAddedSuccessfullyViewController);
}

void AccountAddingConfirmationViewController::postToVendor(const std::string& path, const char* tokenKey,
                                                           const std::string& token, ReplyHandler handle) {
    const std::string address = ServiceAddresses::baseURL(OutsideService::BankLink) + path;
    auto url = NSURL::URLWithString(address);
    auto body = JSON::serialize(Value(Value::Dictionary{
        {"client_id", Value(credentials_.clientId)},
        {"secret", Value(credentials_.secret)},
        {tokenKey, Value(token)},
    }));
    // A request without its body would only be refused by the vendor; none is sent.
    if (!url) return failOnMain("the vendor address " + path + " is not a URL");
    if (!body) return failOnMain("the request to " + path + " could not be serialised");

    NSURLRequest request(url, NSURLRequestCachePolicy::UseProtocolCachePolicy, kRequestTimeout);
    request.setHTTPMethod("POST");
    request.setValueForHTTPHeaderField("application/json", "Content-Type");
    request.setHTTPBody(*body);
    auto screen = self();
    auto task = NSURLSession::sharedSession()->dataTaskWithRequest(
        request, [screen, path, handle = std::move(handle)](const std::vector<std::uint8_t>& data,
                                                            const std::optional<NSHTTPURLResponse>& response,
                                                            const std::optional<NSError>& error) {
            if (error) return screen->failOnMain(path + " failed: " + error->description());
            if (!response || response->statusCode < 200 || response->statusCode > 299)
                return screen->failOnMain(path + " answered HTTP " +
                                          std::to_string(response ? response->statusCode : 0));
            handle(std::string(data.begin(), data.end()));
        });
    task->resume();
}

void AccountAddingConfirmationViewController::failOnMain(const std::string& why) {
    auto screen = self();
    RunLoop::main().post([screen, why] { screen->verificationFailed(why); });
}

void AccountAddingConfirmationViewController::verificationFailed(const std::string& why) {
    log("Bank account verification failed: " + why);
    HideHUD();
    CreateNotification(NSLocalizedString("Verification Failed", ""),
                       NSLocalizedString("Your entered bank account details are not correct", ""),
                       BannerMessageTypeError);
}

}  // namespace fv
