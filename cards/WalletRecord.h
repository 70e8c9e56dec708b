#pragma once
// One wallet (currency balance) of a card page's "Wallet Records", read for the wallet strip.
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

class WalletRecord {
  public:
    static constexpr const char* kCurrency = "currency";
    static constexpr const char* kCurrencyCode = "currencyCode";
    static constexpr const char* kAmount = "amount";
    static constexpr const char* kCountry = "country";

    // A value that is not a dictionary reads as a record without keys.
    explicit WalletRecord(Value record) : record_(std::move(record)) {}

    // "currency" in capitals ("usd" -> "USD"); "" when absent or not a text.
    std::string currencyTitle() const;
    // "<currencyCode> <amount>", each in its textual form, for the amount formatter; none unless both
    // keys are present (a reused cell then keeps its amount).
    std::optional<std::string> amountText() const;
    // "<country>.png" in the framework bundle; none when "country" is absent.
    std::optional<std::string> flagImageName() const;

    const Value& value() const { return record_; }

  private:
    Value record_;
};

}  // namespace fv
