#include "controls/BlockRule.h"

#include "controls/PasswordKitStrings.h"

namespace fv {

std::shared_ptr<BlockRule> BlockRule::ruleWithBlock(Evaluation evaluation) {
    return std::make_shared<BlockRule>(std::move(evaluation));
}

bool BlockRule::evaluateWithString(const std::string& password) const {
    return evaluation_ && !evaluation_(password);
}

std::string BlockRule::localizedErrorDescription() const {
    return passwordKitString("Must satisfy precondition");
}

}  // namespace fv
