#pragma once
// Starts the new-card request when the wizard's first screen loads, and writes the applicant's
// e-mail address and phone number into it.
#include <memory>
#include <string>

#include "screenkit/ViewModel.h"

namespace fv {

class VerificationPhoneEmailViewModel : public ViewModel {
    FV_CLASS(VerificationPhoneEmailViewModel, ViewModel)

    // The text as it stands, unchecked.
    void setEmailToRequestModel(const std::string& email);
    // "+1" and the text's decimal digits, as both the mobile and the phone number; "+1" alone when
    // there are none.
    void setPhoneNumberToRequestModel(const std::string& phoneNumber);
    // A fresh request with its defaults replaces any earlier one.
    void initializeCreateCardRequestModel();
};

}  // namespace fv
