#include "controls/LengthRule.h"

#include "controls/PasswordKitStrings.h"
#include "platform/foundation/Text.h"

namespace fv {

std::shared_ptr<LengthRule> LengthRule::ruleWithRange(NSRange range) {
    return std::make_shared<LengthRule>(range);
}

bool LengthRule::evaluateWithString(const std::string& password) const {
    const std::size_t length = text::utf16Length(password);
    return length < range_.location || length - range_.location >= range_.length;
}

std::string LengthRule::localizedErrorDescription() const {
    std::string message = passwordKitString("Must be within range %@");
    if (const auto at = message.find("%@"); at != std::string::npos)
        message.replace(at, 2, NSStringFromRange(range_));
    return message;
}

}  // namespace fv
