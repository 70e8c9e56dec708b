#pragma once
// Card pages for the screens' tests: a framework bundle that is the shipped one but for its
// "sample.plist", and builders of pages and records.
#include <filesystem>
#include <string>

#include "cards/CardOverviewRecord.h"
#include "cards/TransactionRecord.h"
#include "cards/WalletRecord.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/Value.h"
#include "tests/support/TemporaryBundle.h"

namespace fv::test {

// Every resource of the framework bundle, linked, with `pages` as its "sample.plist".
class BundleWithPages {
  public:
    explicit BundleWithPages(const Value& pages) {
        for (const auto& entry : std::filesystem::directory_iterator(FV_SOURCE_DIR "/resources"))
            std::filesystem::create_symlink(entry.path(), bundle_.path() / entry.path().filename());
        std::filesystem::remove(bundle_.path() / "sample.plist");
        PropertyList::writeFile((bundle_.path() / "sample.plist").string(), pages);
    }

  private:
    TemporaryBundle bundle_;
};

inline Value transaction(const std::string& title, const std::string& type, const std::string& amount) {
    Value record = Value::Dictionary{};
    record.set(TransactionRecord::kTime, "10:15 AM");
    record.set(TransactionRecord::kTransType, type);
    record.set(TransactionRecord::kAmount, amount);
    record.set(TransactionRecord::kTransactionID, "TXN-" + title);
    record.set(TransactionRecord::kTitle, title);
    record.set(TransactionRecord::kCategoryName, "Dining");
    record.set(TransactionRecord::kCategoryIcon, "category_dining");
    return record;
}

inline Value wallet(const std::string& currency, const std::string& code, const std::string& amount,
                    const std::string& country) {
    Value record = Value::Dictionary{};
    record.set(WalletRecord::kCurrency, currency);
    record.set(WalletRecord::kCurrencyCode, code);
    record.set(WalletRecord::kAmount, amount);
    record.set(WalletRecord::kCountry, country);
    return record;
}

// A card page; with wallets it is a wallet page whose "Wallet Count" is their number.
inline Value page(const std::string& number, const std::string& date, Value::Array records,
                  Value::Array wallets = {}) {
    Value p = Value::Dictionary{};
    p.set(CardOverviewRecord::kCardNumber, number);
    p.set(CardOverviewRecord::kExp, "0929");
    p.set(CardOverviewRecord::kCVV, "123");
    p.set(CardOverviewRecord::kWallet, !wallets.empty());
    p.set(CardOverviewRecord::kWalletCount, std::to_string(wallets.size()));
    p.set(CardOverviewRecord::kWalletRecords, Value(std::move(wallets)));
    p.set(CardOverviewRecord::kDate, date);
    p.set(CardOverviewRecord::kRecords, Value(std::move(records)));
    return p;
}

}  // namespace fv::test
