#include "controls/PredicateRule.h"

#include "controls/PasswordKitStrings.h"

namespace fv {

std::shared_ptr<PredicateRule> PredicateRule::ruleWithPredicate(NSPredicate predicate) {
    return std::make_shared<PredicateRule>(std::move(predicate));
}

bool PredicateRule::evaluateWithString(const std::string& password) const {
    const Value object(password);
    return !predicate_.evaluateWithObject(PredicateSubject(object));
}

std::string PredicateRule::localizedErrorDescription() const {
    return passwordKitString("Must match predicate");
}

}  // namespace fv
