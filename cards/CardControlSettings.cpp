#include "cards/CardControlSettings.h"

#include <vector>

#include "core/AppSettings.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"

namespace fv {

namespace {

// Damaged entries logged one by one; the rest are counted in one more line.
constexpr std::size_t kMaxDamageLines = 8;

constexpr CardControlOption kOptions[] = {
    CardControlOption::BlockInternational, CardControlOption::BlockCashAtm,
    CardControlOption::BlockOnlineEcommerce, CardControlOption::BlockTransactionGreaterThan,
    CardControlOption::ChangeCardPin};

// The keys a card cannot be shown without; the amount limit is optional and any text will do.
std::vector<std::string> cardProblems(const Value& card) {
    if (!card.isDictionary()) return {"not a dictionary"};
    std::vector<std::string> problems;
    for (const char* key :
         {CardControlSettings::kCardNumber, CardControlSettings::kExp, CardControlSettings::kCVV})
        if (!card[key].isString()) problems.emplace_back(key);
    const Value& setting = card[CardControlSettings::kSetting];
    if (!setting.isDictionary()) {
        problems.emplace_back(CardControlSettings::kSetting);
        return problems;
    }
    for (CardControlOption option : kOptions) {
        const auto offered = setting[CardSettings::enableKey(option)].asBool();
        if (!offered) problems.emplace_back(CardSettings::enableKey(option));
        const bool hasSwitch = option != CardControlOption::BlockTransactionGreaterThan &&
                               option != CardControlOption::ChangeCardPin;
        if (hasSwitch && offered.value_or(false) && !setting[CardSettings::valueKey(option)].isBool())
            problems.emplace_back(CardSettings::valueKey(option));
    }
    if (!setting[CardSettings::kInactive].isBool()) problems.emplace_back(CardSettings::kInactive);
    return problems;
}

// One line per damaged card, naming the keys only: the values are card details.
void logDamagedCards(const Value& cards) {
    std::size_t damaged = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const auto problems = cardProblems(cards[i]);
        if (problems.empty() || ++damaged > kMaxDamageLines) continue;
        std::string line = "Card controls: card " + std::to_string(i) + " is damaged:";
        for (std::size_t k = 0; k < problems.size(); ++k) line += (k ? ", " : " ") + problems[k];
        log(line);
    }
    if (damaged > kMaxDamageLines)
        log("Card controls: " + std::to_string(damaged - kMaxDamageLines) + " more cards are damaged");
}

}  // namespace

CardControlSettings CardControlSettings::load() {
    const Value stored = NSUserDefaults::standardUserDefaults().objectForKey(kCardControlDataDefaultsKey);
    if (stored.isNull()) {
        log("Card controls: no saved settings under \"CARD_CONTROL_DATA\"; no cards are shown");
        return CardControlSettings();
    }
    const Value::Bytes* data = stored.asData();
    const auto root = data ? NSKeyedUnarchiver::unarchiveObjectWithData(*data) : std::nullopt;
    if (!root) {
        log("Card controls: the settings under \"CARD_CONTROL_DATA\" are damaged; no cards are shown");
        return CardControlSettings();
    }
    return fromValue(*root);
}

CardControlSettings CardControlSettings::fromValue(const Value& root) {
    if (!root.isArray()) {
        log("Card controls: the settings under \"CARD_CONTROL_DATA\" are damaged: not a list of cards; no "
            "cards are shown");
        return CardControlSettings();
    }
    logDamagedCards(root);
    return CardControlSettings(root);
}

std::string CardControlSettings::text(std::size_t index, const char* key) const {
    return cards_[index][key].asString().value_or("");
}

std::string CardControlSettings::cardNumber(std::size_t index) const {
    return text(index, kCardNumber);
}
std::string CardControlSettings::exp(std::size_t index) const {
    return text(index, kExp);
}
std::string CardControlSettings::cvv(std::size_t index) const {
    return text(index, kCVV);
}

CardSettings CardControlSettings::settings(std::size_t index) const {
    const Value& setting = cards_[index][kSetting];
    return setting.isDictionary() ? CardSettings(setting) : CardSettings();
}

bool CardControlSettings::setSettings(std::size_t index, const CardSettings& settings) {
    if (index >= cards_.size() || !cards_[index].isDictionary()) return false;
    cards_.mutableArray()[index].set(kSetting, settings.dictionary());
    return true;
}

bool CardControlSettings::save() const {
    Value::Bytes archived = NSKeyedArchiver::archivedDataWithRootObject(cards_);
    if (archived.empty()) {
        log("Card controls: the settings cannot be archived; nothing was saved");
        return false;
    }
    auto& defaults = NSUserDefaults::standardUserDefaults();
    const Value previous = defaults.objectForKey(kCardControlDataDefaultsKey);
    if (defaults.setObject(Value(std::move(archived)), kCardControlDataDefaultsKey) && defaults.synchronize())
        return true;
    // Put the stored record back, so a later write of the defaults does not save what failed here.
    defaults.setObject(previous, kCardControlDataDefaultsKey);
    log("Card controls: the settings could not be written to the user defaults; nothing was saved");
    return false;
}

}  // namespace fv
