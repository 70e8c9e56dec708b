#pragma once
// Passes passwords made only of characters of a set.
#include <memory>

#include "controls/PasswordRule.h"
#include "platform/foundation/NSCharacterSet.h"

namespace fv {

class AllowedCharacterRule : public PasswordRule {
  public:
    // Keeps the inverse of `allowed`.
    static std::shared_ptr<AllowedCharacterRule> ruleWithAllowedCharacters(const NSCharacterSet& allowed);
    explicit AllowedCharacterRule(NSCharacterSet disallowed) : disallowedCharacters_(std::move(disallowed)) {}

    const NSCharacterSet& disallowedCharacters() const { return disallowedCharacters_; }
    // True when the password holds a disallowed character.
    bool evaluateWithString(const std::string& password) const override;
    std::string localizedErrorDescription() const override;

  private:
    NSCharacterSet disallowedCharacters_;
};

}  // namespace fv
