#include "controls/RequiredCharacterRule.h"

#include "controls/PasswordKitStrings.h"

namespace fv {

namespace {

std::shared_ptr<RequiredCharacterRule> make(const NSCharacterSet& characters, const std::string& key) {
    return std::make_shared<RequiredCharacterRule>(characters, passwordKitString(key));
}

}  // namespace

RequiredCharacterRule::RequiredCharacterRule(NSCharacterSet characters, std::string message)
    : requiredCharacters_(std::move(characters)), localizedErrorDescription_(std::move(message)) {}

std::shared_ptr<RequiredCharacterRule> RequiredCharacterRule::ruleWithRequiredCharacters(
    const NSCharacterSet& characters) {
    return make(characters, "Must include required characters");
}

std::shared_ptr<RequiredCharacterRule> RequiredCharacterRule::lowercaseCharacterRequiredRule() {
    return make(NSCharacterSet::lowercaseLetterCharacterSet(), "Must include lowercase character");
}

std::shared_ptr<RequiredCharacterRule> RequiredCharacterRule::uppercaseCharacterRequiredRule() {
    return make(NSCharacterSet::uppercaseLetterCharacterSet(), "Must include uppercase character");
}

std::shared_ptr<RequiredCharacterRule> RequiredCharacterRule::decimalDigitCharacterRequiredRule() {
    return make(NSCharacterSet::decimalDigitCharacterSet(), "Must include decimal digit character");
}

std::shared_ptr<RequiredCharacterRule> RequiredCharacterRule::symbolCharacterRequiredRule() {
    const NSCharacterSet symbols =
        NSCharacterSet::symbolCharacterSet().unionWith(NSCharacterSet::punctuationCharacterSet());
    return make(symbols, "Must include symbol character");
}

bool RequiredCharacterRule::evaluateWithString(const std::string& password) const {
    return requiredCharacters_.rangeOfCharacterInString(password).location == NSNotFound;
}

}  // namespace fv
