#pragma once
// A person the user sends money to, as the recipient list shows and searches it.
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/KeyValueCoding.h"
#include "platform/foundation/Value.h"

namespace fv {

class RecipientModel;
using RecipientModelPtr = std::shared_ptr<RecipientModel>;

class RecipientModel : public KeyValueCoding {
  public:
    // Every property is readable by its name: the search filters on "SELF.Recipient".
    Value valueForKey(const std::string& key) const override;

    const std::string& nickname() const { return nickname_; }
    void setNickname(const std::string& v) { nickname_ = v; }
    const std::string& username() const { return username_; }
    void setUsername(const std::string& v) { username_ = v; }
    // The name shown for the recipient.
    const std::string& Recipient() const { return recipient_; }
    void setRecipient(const std::string& v) { recipient_ = v; }

    // One new model per dictionary of `records` (an array of "recipients.plist" records), in order.
    // A missing key leaves its property empty; elements that are not dictionaries are skipped, and a
    // value that is not an array gives an empty result. The receiver is left unchanged.
    std::vector<RecipientModelPtr> setupRecipient(const Value& records) const;

  private:
    std::string nickname_, username_, recipient_;
};

}  // namespace fv
