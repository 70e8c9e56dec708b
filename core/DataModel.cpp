#include "core/DataModel.h"

#include <atomic>

#include "core/CardTextMask.h"
#include "core/ScreenRegistry.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

// A new stack with a hidden bar around a fresh screen `name`; none while it is not registered.
UINavigationControllerPtr makeStack(ScreenName name) {
    auto root = ScreenRegistry::screenNamed(name);
    if (!root) return nullptr;
    auto nav = UINavigationController::create(root);
    nav->setNavigationBarHidden(true);
    return nav;
}

std::atomic<bool> sharedInstanceMade{false};

// The selections that cross screens start each test empty. The instance is not made for this: its
// creation makes the wizard's first screen, which a test may not be ready for.
[[maybe_unused]] const bool registered = ResetHooks::add("core.dataModel", [] {
    if (!sharedInstanceMade.load()) return;
    auto model = DataModel::sharedInstance();
    model->setVerificationEmail("");
    model->setCapturedSelfieImage(nullptr);
    model->setSelectedBankAccount(nullptr);
    model->setSelectedRecipient(nullptr);
    model->setUserLocation(std::nullopt);
});

}  // namespace

std::shared_ptr<DataModel> DataModel::sharedInstance() {
    static const auto instance = std::make_shared<DataModel>();
    sharedInstanceMade.store(true);
    return instance;
}

DataModel::DataModel()
    : getCardViews_(ScreenRegistry::screenNamed(screen::VerificationPhoneEmailViewController)) {}

void DataModel::initAllViews() {
    homeNavView_ = makeStack(screen::MyCardsViewController);
    cardControlsNavView_ = makeStack(screen::CardControlViewController);
    historyNavView_ = makeStack(screen::TransactionsViewController);
    directDepositNavView_ = makeStack(screen::DirectDepositViewController);
    bankTransferNavView_ = makeStack(screen::BankTransferViewController);
    loadCheckNavView_ = makeStack(screen::LoadCheckViewController);
    loadCenterNavView_ = makeStack(screen::LoadCenterViewController);
    atmLocationsNavView_ = makeStack(screen::LocationsViewController);
    fundsTransferHistoryNavView_ = makeStack(screen::FundTransferHistoryViewController);
    cardToCardTransNavView_ = makeStack(screen::CardToCardTransferViewController);
    myBankAccountsNavView_ = makeStack(screen::MyBankAccountsViewController);
    addBankAccountNavView_ = makeStack(screen::AddBankAccountViewController);
    cardToBankTransferNavView_ = makeStack(screen::CardToBankTransferViewController);
}

std::string DataModel::formattedCardNumber(const std::string& number, bool shouldHide) const {
    return fv::formattedCardNumber(number, shouldHide);
}

std::string DataModel::formattedCVV(const std::string& number, bool shouldHide) const {
    return fv::formattedCVV(number, shouldHide);
}

std::string DataModel::formattedEXP(const std::string& number, bool shouldHide) const {
    return fv::formattedEXP(number, shouldHide);
}

}  // namespace fv
