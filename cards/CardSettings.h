#pragma once
// Typed access to one card's "Setting" dictionary of the card-control settings: which option rows the
// card offers, the blocks the user set, the amount limit and the card's status. A value of the wrong
// type reads as false or "", like a missing one.
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

// The option rows, top to bottom.
enum class CardControlOption {
    BlockInternational,
    BlockCashAtm,
    BlockOnlineEcommerce,
    BlockTransactionGreaterThan,
    ChangeCardPin,
};

class CardSettings {
  public:
    static constexpr const char* kBlockTransactionGreaterThan = "Block_TransactionGreaterThan";
    static constexpr const char* kInactive = "Inactive";

    // "is_Enable_..." of the option: whether its row is offered.
    static const char* enableKey(CardControlOption option);
    // The key of the option's value; "" for the change-PIN row, which has none.
    static const char* valueKey(CardControlOption option);

    // A value that is not a dictionary reads as one without keys.
    explicit CardSettings(Value dictionary = Value::Dictionary{}) : dictionary_(std::move(dictionary)) {}

    bool isOffered(CardControlOption option) const;
    // The block of rows 1 to 3; false for the other options.
    bool isBlocked(CardControlOption option) const;
    // Sets the block of rows 1 to 3; the other options have no switch and are left alone.
    void setBlocked(CardControlOption option, bool blocked);

    // The amount above which transactions are blocked, as typed; "" when absent or not a text.
    std::string transactionLimit() const;
    void setTransactionLimit(const std::string& amount);

    // The card is temporarily blocked.
    bool isInactive() const;
    void setInactive(bool inactive);

    const Value& dictionary() const { return dictionary_; }

  private:
    static bool hasSwitch(CardControlOption option);

    Value dictionary_;
};

}  // namespace fv
