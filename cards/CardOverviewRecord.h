#pragma once
// The demonstration card pages of "sample.plist" in the framework bundle: one page per card, in file
// order, each with the card's details, its wallets and one day's transactions. Read only.
//
// Damaged data never crash a screen: loading logs one line for a missing or unreadable file and one per
// damaged page, and every read below falls back to an empty, false or absent value.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cards/TransactionRecord.h"
#include "cards/WalletRecord.h"
#include "platform/foundation/Value.h"

namespace fv {

class CardOverviewRecord {
  public:
    static constexpr const char* kResourceName = "sample";
    static constexpr const char* kCardNumber = "Card Number";
    static constexpr const char* kExp = "Exp";
    static constexpr const char* kCVV = "CVV";
    static constexpr const char* kWallet = "Wallet";
    static constexpr const char* kWalletCount = "Wallet Count";
    static constexpr const char* kWalletRecords = "Wallet Records";
    static constexpr const char* kDate = "Date";
    static constexpr const char* kRecords = "Records";

    // A wallet strip never shows more cells than this, whatever "Wallet Count" claims.
    static constexpr std::int64_t kMaxWalletCount = 100;

    // "sample.plist" of the framework bundle; no pages when it is missing, unreadable or not an array.
    static CardOverviewRecord load();
    // Pages from an already read root; anything but an array gives no pages. Logs like load().
    static CardOverviewRecord fromValue(const Value& root);

    // "Wallet Count" as a signed decimal: an optional "+" or "-", then digits only; none for any other
    // text, an empty one or one beyond 64 bits.
    static std::optional<std::int64_t> parseWalletCount(std::string_view text);

    CardOverviewRecord() = default;

    // The pages as read, an array (what the screens hold as `myCardTransactions`).
    const Value& pages() const { return pages_; }
    std::size_t pageCount() const { return pages_.size(); }

    // Card-face texts; "" when the page or the key is missing or not a text.
    std::string cardNumber(std::size_t page) const;
    std::string exp(std::size_t page) const;
    std::string cvv(std::size_t page) const;

    // "Wallet" is true; false when missing or not a boolean.
    bool isWalletPage(std::size_t page) const;
    // Cells of the page's wallet strip: "Wallet Count" parsed, 0 when it does not parse or is
    // negative, at most kMaxWalletCount. It may exceed the page's wallets: those rows read as absent.
    std::int64_t walletCount(std::size_t page) const;
    // The wallet at `row` of the page's "Wallet Records"; none past the records or for a record that
    // is not a dictionary.
    std::optional<WalletRecord> wallet(std::size_t page, std::size_t row) const;

    // The day of the page's transactions; "" when missing or not a text.
    std::string date(std::size_t page) const;
    // Entries of the page's "Records"; 0 when it is not an array.
    std::size_t transactionCount(std::size_t page) const;
    // The transaction at `row` of the page's "Records"; none past the records or for a record that is
    // not a dictionary.
    std::optional<TransactionRecord> transaction(std::size_t page, std::size_t row) const;

  private:
    explicit CardOverviewRecord(Value pages) : pages_(std::move(pages)) {}

    std::string text(std::size_t page, const char* key) const;
    static std::optional<Value> dictionaryAt(const Value& array, std::size_t index);

    Value pages_ = Value::Array{};
};

}  // namespace fv
