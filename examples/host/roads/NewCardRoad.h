#pragma once
#include <string>

namespace fv {

class Walkthrough;

// What the "newcard" road types into the wizard's forms.
struct NewCardApplicant {
    std::string phoneDigits = "5558675309";
    std::string email = "ada.lovelace@example.org";
    std::string code = "482913";
    std::string firstName = "Ada";
    std::string lastName = "Lovelace";
    std::string homeAddress = "12 Quarry Lane";
    std::string cityAndState = "Austin, TX";
    std::string dateOfBirth = "1990-12-31";  // yyyy-MM-dd, picked in the date dialog
    std::string ssnDigits = "219099999";
    std::string password = "correct horse";
};

// The "newcard" road. GetNewCard from the host's first screen: a phone number and an e-mail address,
// Next, the six code boxes, Redeem; the link-app-account step skipped; names and address; the date of
// birth from the date dialog and the SSN; the e-mail confirmed and a password typed twice; Finish at
// the camera permission gate, where the camera is refused at the prompt and the "Camera unavailable"
// alert shows; "Not now", then back through the wizard to the host's first screen.
bool walkNewCard(Walkthrough& walk, const NewCardApplicant& applicant = {});

}  // namespace fv
