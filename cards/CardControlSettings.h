#pragma once
// The card-control settings: every card of the card controls with its "Setting" dictionary, in
// carousel order, kept archived in the standard user defaults under "CARD_CONTROL_DATA". The framework
// seeds them on every entry; the card controls load them and save them back.
//
// A missing or damaged record reads as no cards, a damaged card as one without the keys it lacks; each
// logs one line. Entries are kept as they were read, so saving writes back whatever it did not change.
#include <cstddef>
#include <string>

#include "cards/CardSettings.h"
#include "platform/foundation/Value.h"

namespace fv {

class CardControlSettings {
  public:
    static constexpr const char* kCardNumber = "Card Number";
    static constexpr const char* kExp = "Exp";
    static constexpr const char* kCVV = "CVV";
    static constexpr const char* kSetting = "Setting";

    // Reads and unarchives the standard user defaults' "CARD_CONTROL_DATA".
    static CardControlSettings load();
    // Cards from an unarchived root, which must be an array; anything else gives no cards. Logs like
    // load().
    static CardControlSettings fromValue(const Value& root);

    CardControlSettings() = default;

    // The card entries (what the card controls hold as `myCard`).
    const Value& cards() const { return cards_; }
    std::size_t count() const { return cards_.size(); }
    // The entry at `index`; null past the end.
    const Value& card(std::size_t index) const { return cards_[index]; }

    // Card-face texts; "" when the card or the key is missing or not a text.
    std::string cardNumber(std::size_t index) const;
    std::string exp(std::size_t index) const;
    std::string cvv(std::size_t index) const;

    // The card's "Setting"; one without keys when the card or its settings are missing.
    CardSettings settings(std::size_t index) const;
    // Replaces the card's "Setting". False, and nothing changed, past the end or when the entry is not
    // a dictionary.
    bool setSettings(std::size_t index, const CardSettings& settings);

    // Archives every card into the standard user defaults and writes them to disk. False when the cards
    // cannot be archived or the defaults cannot be written; the stored record is then left as it was.
    bool save() const;

  private:
    explicit CardControlSettings(Value cards) : cards_(std::move(cards)) {}

    std::string text(std::size_t index, const char* key) const;

    Value cards_ = Value::Array{};
};

}  // namespace fv
