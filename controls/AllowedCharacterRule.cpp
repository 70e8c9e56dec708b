#include "controls/AllowedCharacterRule.h"

#include "controls/PasswordKitStrings.h"

namespace fv {

std::shared_ptr<AllowedCharacterRule> AllowedCharacterRule::ruleWithAllowedCharacters(
    const NSCharacterSet& allowed) {
    return std::make_shared<AllowedCharacterRule>(allowed.invertedSet());
}

bool AllowedCharacterRule::evaluateWithString(const std::string& password) const {
    return disallowedCharacters_.rangeOfCharacterInString(password).location != NSNotFound;
}

std::string AllowedCharacterRule::localizedErrorDescription() const {
    return passwordKitString("Must not include disallowed character");
}

}  // namespace fv
