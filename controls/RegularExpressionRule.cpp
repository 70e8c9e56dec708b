#include "controls/RegularExpressionRule.h"

#include "controls/PasswordKitStrings.h"
#include "platform/foundation/Regex.h"

namespace fv {

std::shared_ptr<RegularExpressionRule> RegularExpressionRule::ruleWithRegularExpression(std::string pattern) {
    return std::make_shared<RegularExpressionRule>(std::move(pattern));
}

bool RegularExpressionRule::evaluateWithString(const std::string& password) const {
    return !regex::firstMatch(regularExpression_, password).has_value();
}

std::string RegularExpressionRule::localizedErrorDescription() const {
    return passwordKitString("Must match predicate");
}

}  // namespace fv
