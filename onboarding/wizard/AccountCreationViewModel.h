#pragma once
// Writes the confirmed e-mail address into the new-card request. The password is only compared on
// the screen: the request has no place for it, and it is neither kept, sent nor logged.
#include <string>

#include "screenkit/ViewModel.h"

namespace fv {

class AccountCreationViewModel : public ViewModel {
    FV_CLASS(AccountCreationViewModel, ViewModel)

    void setEmailToRequestModel(const std::string& email);
    // Takes the password and drops it.
    void setPasswordToRequestModel(const std::string& password);
};

}  // namespace fv
