#pragma once
// Refuses passwords that are a word of a word list once lower-cased and stripped, at both ends, of
// everything that is not a lower-case letter ("Dragon1!" is "dragon").
#include <memory>

#include "controls/PasswordRule.h"
#include "controls/PasswordWordList.h"

namespace fv {

class DictionaryWordRule : public PasswordRule {
  public:
    // With the framework's English list when `words` is none.
    static std::shared_ptr<DictionaryWordRule> rule(PasswordWordListPtr words = nullptr);
    explicit DictionaryWordRule(PasswordWordListPtr words);

    bool evaluateWithString(const std::string& password) const override;
    std::string localizedErrorDescription() const override;

  private:
    PasswordWordListPtr words_;
};

}  // namespace fv
