#include "cards/WalletRecord.h"

#include "platform/foundation/Text.h"

namespace fv {

std::string WalletRecord::currencyTitle() const {
    return text::uppercase(record_[kCurrency].asString().value_or(""));
}

std::optional<std::string> WalletRecord::amountText() const {
    if (!record_.contains(kCurrencyCode) || !record_.contains(kAmount)) return std::nullopt;
    return record_[kCurrencyCode].description() + " " + record_[kAmount].description();
}

std::optional<std::string> WalletRecord::flagImageName() const {
    if (!record_.contains(kCountry)) return std::nullopt;
    return record_[kCountry].description() + ".png";
}

}  // namespace fv
