#pragma once
// Passes passwords holding at least one character of a set.
#include <memory>
#include <string>

#include "controls/PasswordRule.h"
#include "platform/foundation/NSCharacterSet.h"

namespace fv {

class RequiredCharacterRule : public PasswordRule {
  public:
    // "Must include required characters".
    static std::shared_ptr<RequiredCharacterRule> ruleWithRequiredCharacters(
        const NSCharacterSet& characters);
    static std::shared_ptr<RequiredCharacterRule> lowercaseCharacterRequiredRule();
    static std::shared_ptr<RequiredCharacterRule> uppercaseCharacterRequiredRule();
    static std::shared_ptr<RequiredCharacterRule> decimalDigitCharacterRequiredRule();
    // Symbols and punctuation.
    static std::shared_ptr<RequiredCharacterRule> symbolCharacterRequiredRule();

    RequiredCharacterRule(NSCharacterSet characters, std::string message);

    const NSCharacterSet& requiredCharacters() const { return requiredCharacters_; }
    bool evaluateWithString(const std::string& password) const override;
    // Looked up once, when the rule was made.
    std::string localizedErrorDescription() const override { return localizedErrorDescription_; }

  private:
    NSCharacterSet requiredCharacters_;
    std::string localizedErrorDescription_;
};

}  // namespace fv
