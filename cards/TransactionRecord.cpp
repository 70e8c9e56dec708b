#include "cards/TransactionRecord.h"

#include "platform/foundation/Text.h"

namespace fv {

std::optional<std::string> TransactionRecord::rowText(const std::string& key) const {
    if (!record_.contains(key)) return std::nullopt;
    return record_[key].description();
}

std::string TransactionRecord::popupText(const std::string& key) const {
    return record_[key].asString().value_or("");
}

bool TransactionRecord::isDebit() const {
    return record_[kTransType].asString() == std::optional<std::string>("debit");
}

std::string TransactionRecord::typeTitle() const {
    return text::uppercase(popupText(kTransType));
}

std::optional<std::string> TransactionRecord::categoryImageName() const {
    if (!record_.contains(kCategoryIcon)) return std::nullopt;
    return record_[kCategoryIcon].description() + ".png";
}

}  // namespace fv
