#include "controls/PasswordValidator.h"

#include "controls/LengthRule.h"

namespace fv {

PasswordValidatorPtr PasswordValidator::standardValidator() {
    return validatorWithRules({LengthRule::ruleWithRange(NSMakeRange(6, 64))});
}

PasswordValidatorPtr PasswordValidator::validatorWithRules(std::vector<PasswordRulePtr> rules) {
    auto validator = std::make_shared<PasswordValidator>();
    validator->setRules(std::move(rules));
    return validator;
}

bool PasswordValidator::validatePassword(const std::string& password,
                                         std::vector<PasswordRulePtr>* failingRules) const {
    std::vector<PasswordRulePtr> failing;
    for (const PasswordRulePtr& rule : rules_) {
        if (rule && rule->evaluateWithString(password)) failing.push_back(rule);
    }
    const bool valid = failing.empty();
    if (failingRules) *failingRules = std::move(failing);
    return valid;
}

}  // namespace fv
