#pragma once
// Passes passwords whose length in UTF-16 units lies in [location, location + length).
#include <memory>

#include "controls/PasswordRule.h"
#include "platform/foundation/Range.h"

namespace fv {

class LengthRule : public PasswordRule {
  public:
    static std::shared_ptr<LengthRule> ruleWithRange(NSRange range);
    explicit LengthRule(NSRange range) : range_(range) {}

    NSRange range() const { return range_; }
    void setRange(NSRange range) { range_ = range; }

    bool evaluateWithString(const std::string& password) const override;
    // "Must be within range {location, length}".
    std::string localizedErrorDescription() const override;

  private:
    NSRange range_;
};

}  // namespace fv
