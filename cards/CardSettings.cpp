#include "cards/CardSettings.h"

namespace fv {

const char* CardSettings::enableKey(CardControlOption option) {
    switch (option) {
        case CardControlOption::BlockInternational:
            return "is_Enable_Block_International";
        case CardControlOption::BlockCashAtm:
            return "is_Enable_Block_Cash/ATM";
        case CardControlOption::BlockOnlineEcommerce:
            return "is_Enable_Block_Online_E-commerce";
        case CardControlOption::BlockTransactionGreaterThan:
            return "is_Enable_Block_TransactionGreaterThan";
        case CardControlOption::ChangeCardPin:
            return "is_Enable_ChangeCardPin";
    }
    return "";
}

const char* CardSettings::valueKey(CardControlOption option) {
    switch (option) {
        case CardControlOption::BlockInternational:
            return "Block_International";
        case CardControlOption::BlockCashAtm:
            return "Block_Cash/ATM";
        case CardControlOption::BlockOnlineEcommerce:
            return "Block_Online_E-commerce";
        case CardControlOption::BlockTransactionGreaterThan:
            return kBlockTransactionGreaterThan;
        case CardControlOption::ChangeCardPin:
            return "";
    }
    return "";
}

bool CardSettings::hasSwitch(CardControlOption option) {
    return option == CardControlOption::BlockInternational || option == CardControlOption::BlockCashAtm ||
           option == CardControlOption::BlockOnlineEcommerce;
}

bool CardSettings::isOffered(CardControlOption option) const {
    return dictionary_[enableKey(option)].asBool().value_or(false);
}

bool CardSettings::isBlocked(CardControlOption option) const {
    return hasSwitch(option) && dictionary_[valueKey(option)].asBool().value_or(false);
}

void CardSettings::setBlocked(CardControlOption option, bool blocked) {
    if (hasSwitch(option)) dictionary_.set(valueKey(option), blocked);
}

std::string CardSettings::transactionLimit() const {
    return dictionary_[kBlockTransactionGreaterThan].asString().value_or("");
}

void CardSettings::setTransactionLimit(const std::string& amount) {
    dictionary_.set(kBlockTransactionGreaterThan, amount);
}

bool CardSettings::isInactive() const {
    return dictionary_[kInactive].asBool().value_or(false);
}

void CardSettings::setInactive(bool inactive) {
    dictionary_.set(kInactive, inactive);
}

}  // namespace fv
