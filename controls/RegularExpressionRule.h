#pragma once
// Passes passwords in which an ICU regular expression finds a match. A pattern that does not compile
// matches nothing, so every password breaks the rule.
#include <memory>
#include <string>

#include "controls/PasswordRule.h"

namespace fv {

class RegularExpressionRule : public PasswordRule {
  public:
    static std::shared_ptr<RegularExpressionRule> ruleWithRegularExpression(std::string pattern);
    explicit RegularExpressionRule(std::string pattern) : regularExpression_(std::move(pattern)) {}

    const std::string& regularExpression() const { return regularExpression_; }
    // True when the expression matches nowhere in the password.
    bool evaluateWithString(const std::string& password) const override;
    std::string localizedErrorDescription() const override;

  private:
    std::string regularExpression_;
};

}  // namespace fv
