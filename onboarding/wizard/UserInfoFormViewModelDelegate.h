#pragma once
// What the name and address screen hears from its view model: nothing yet, the role is its type.
namespace fv {

class UserInfoFormViewModelDelegate {
  public:
    virtual ~UserInfoFormViewModelDelegate() = default;
};

}  // namespace fv
