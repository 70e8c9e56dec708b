#pragma once
// What every password rule answers: whether a password breaks it, and the message shown when it does.
#include <memory>
#include <string>

namespace fv {

class PasswordRule {
  public:
    virtual ~PasswordRule() = default;
    // True when `password` breaks the rule, so that a validator reports it.
    virtual bool evaluateWithString(const std::string& password) const = 0;
    virtual std::string localizedErrorDescription() const = 0;
};

using PasswordRulePtr = std::shared_ptr<PasswordRule>;

}  // namespace fv
