#pragma once
// Passes passwords that a predicate accepts, the password being its object.
#include <memory>

#include "controls/PasswordRule.h"
#include "platform/foundation/Predicate.h"

namespace fv {

class PredicateRule : public PasswordRule {
  public:
    static std::shared_ptr<PredicateRule> ruleWithPredicate(NSPredicate predicate);
    explicit PredicateRule(NSPredicate predicate) : predicate_(std::move(predicate)) {}

    const NSPredicate& predicate() const { return predicate_; }
    // True when the predicate rejects the password.
    bool evaluateWithString(const std::string& password) const override;
    std::string localizedErrorDescription() const override;

  private:
    NSPredicate predicate_;
};

}  // namespace fv
