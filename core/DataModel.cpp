#include "core/DataModel.h"

#include "core/CardTextMask.h"
#include "core/ScreenRegistry.h"

namespace fv {

namespace {

// A new stack with a hidden bar around a fresh screen of `className`; none while it is not registered.
UINavigationControllerPtr makeStack(const char* className) {
    auto root = ScreenRegistry::screenNamed(className);
    if (!root) return nullptr;
    auto nav = UINavigationController::create(root);
    nav->setNavigationBarHidden(true);
    return nav;
}

}  // namespace

std::shared_ptr<DataModel> DataModel::sharedInstance() {
    static const auto instance = std::make_shared<DataModel>();
    return instance;
}

DataModel::DataModel() : getCardViews_(ScreenRegistry::screenNamed("VerificationPhoneEmailViewController")) {}

void DataModel::initAllViews() {
    homeNavView_ = makeStack("MyCardsViewController");
    cardControlsNavView_ = makeStack("CardControlViewController");
    historyNavView_ = makeStack("TransactionsViewController");
    directDepositNavView_ = makeStack("DirectDepositViewController");
    bankTransferNavView_ = makeStack("BankTransferViewController");
    loadCheckNavView_ = makeStack("LoadCheckViewController");
    loadCenterNavView_ = makeStack("LoadCenterViewController");
    atmLocationsNavView_ = makeStack("LocationsViewController");
    fundsTransferHistoryNavView_ = makeStack("FundTransferHistoryViewController");
    cardToCardTransNavView_ = makeStack("CardToCardTransferViewController");
    myBankAccountsNavView_ = makeStack("MyBankAccountsViewController");
    addBankAccountNavView_ = makeStack("AddBankAccountViewController");
    cardToBankTransferNavView_ = makeStack("CardToBankTransferViewController");
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
