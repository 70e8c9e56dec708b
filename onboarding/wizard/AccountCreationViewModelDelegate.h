#pragma once
// What the e-mail and password screen hears from its view model: nothing yet, the role is its type.
namespace fv {

class AccountCreationViewModelDelegate {
  public:
    virtual ~AccountCreationViewModelDelegate() = default;
};

}  // namespace fv
