#pragma once
// What the date-of-birth and SSN screen hears from its view model: nothing yet, the role is its type.
namespace fv {

class DobSSNFormViewModelDelegate {
  public:
    virtual ~DobSSNFormViewModelDelegate() = default;
};

}  // namespace fv
