#include "core/RecipientModel.h"

namespace fv {

Value RecipientModel::valueForKey(const std::string& key) const {
    if (key == "nickname") return nickname_;
    if (key == "username") return username_;
    if (key == "Recipient") return recipient_;
    return {};
}

std::vector<RecipientModelPtr> RecipientModel::setupRecipient(const Value& records) const {
    std::vector<RecipientModelPtr> recipients;
    const Value::Array* array = records.asArray();
    if (!array) return recipients;
    for (const Value& record : *array) {
        if (!record.isDictionary()) continue;
        auto recipient = std::make_shared<RecipientModel>();
        recipient->nickname_ = record["Nickname"].stringValue();
        recipient->username_ = record["Username"].stringValue();
        recipient->recipient_ = record["Recipient"].stringValue();
        recipients.push_back(std::move(recipient));
    }
    return recipients;
}

}  // namespace fv
