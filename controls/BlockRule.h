#pragma once
// Passes passwords that a function accepts. Without a function the rule reports nothing.
#include <functional>
#include <memory>
#include <string>

#include "controls/PasswordRule.h"

namespace fv {

class BlockRule : public PasswordRule {
  public:
    using Evaluation = std::function<bool(const std::string& password)>;

    static std::shared_ptr<BlockRule> ruleWithBlock(Evaluation evaluation);
    explicit BlockRule(Evaluation evaluation) : evaluation_(std::move(evaluation)) {}

    const Evaluation& evaluation() const { return evaluation_; }
    // True when the function rejects the password.
    bool evaluateWithString(const std::string& password) const override;
    std::string localizedErrorDescription() const override;

  private:
    Evaluation evaluation_;
};

}  // namespace fv
