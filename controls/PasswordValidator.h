#pragma once
// Checks a password against an ordered list of rules and names the ones it breaks.
#include <memory>
#include <vector>

#include "controls/PasswordRule.h"

namespace fv {

class PasswordValidator;
using PasswordValidatorPtr = std::shared_ptr<PasswordValidator>;

class PasswordValidator {
  public:
    // One rule: lengths 6 to 69 (a LengthRule over {6, 64}).
    static PasswordValidatorPtr standardValidator();
    static PasswordValidatorPtr validatorWithRules(std::vector<PasswordRulePtr> rules);

    const std::vector<PasswordRulePtr>& rules() const { return rules_; }
    void setRules(std::vector<PasswordRulePtr> rules) { rules_ = std::move(rules); }

    // True when the password breaks no rule. `failingRules`, when given, receives the broken rules in
    // order (empty when none). Absent rules are skipped.
    bool validatePassword(const std::string& password,
                          std::vector<PasswordRulePtr>* failingRules = nullptr) const;

  private:
    std::vector<PasswordRulePtr> rules_;
};

}  // namespace fv
