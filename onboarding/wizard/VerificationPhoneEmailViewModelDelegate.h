#pragma once
// What the phone and e-mail screen hears from its view model: nothing yet, the role is its type.
namespace fv {

class VerificationPhoneEmailViewModelDelegate {
  public:
    virtual ~VerificationPhoneEmailViewModelDelegate() = default;
};

}  // namespace fv
