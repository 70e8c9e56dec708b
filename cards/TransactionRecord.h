#pragma once
// One transaction of a card page's "Records", read for the transaction rows and the detail pop-up.
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

class TransactionRecord {
  public:
    static constexpr const char* kTime = "time";
    static constexpr const char* kTransType = "trans_type";
    static constexpr const char* kAmount = "amount";
    static constexpr const char* kTransactionID = "transaction_ID";
    static constexpr const char* kTitle = "title";
    static constexpr const char* kCategoryName = "category_name";
    static constexpr const char* kCategoryIcon = "category_icon";

    // A value that is not a dictionary reads as a record without keys.
    explicit TransactionRecord(Value record) : record_(std::move(record)) {}

    // For a list row: the value's textual form; none when the key is absent, so that a reused row
    // keeps what it showed.
    std::optional<std::string> rowText(const std::string& key) const;
    // For the detail pop-up: the value when it is a text, else "".
    std::string popupText(const std::string& key) const;

    // Money going out: "trans_type" is exactly "debit" (a capital letter makes it a credit).
    bool isDebit() const;
    // "trans_type" in capitals, as the pop-up shows it; "" when absent or not a text.
    std::string typeTitle() const;
    // "<category_icon>.png" in the framework bundle; none when "category_icon" is absent.
    std::optional<std::string> categoryImageName() const;

    const Value& value() const { return record_; }

  private:
    Value record_;
};

}  // namespace fv
