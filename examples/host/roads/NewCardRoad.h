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

// The "newcard" road, both ways through the wizard, against the demo backend. With an SSN: GetNewCard
// from the host's first screen, a phone number and an e-mail address, Next, the six code boxes,
// Redeem; the link-app-account step skipped; names and address; the date of birth from the date
// dialog and the SSN; the e-mail confirmed and a password typed twice; Finish, the camera allowed at
// the prompt, a selfie, the cardholder agreement posting the application (declined by the backend
// first, then failed with an HTTP 500, each under its error banner), the success screen and the
// virtual card; the host then takes its stack back. Without an SSN: the wizard again (its first step
// keeps its texts), the same forms with "I don't have an SSN", the ID check, the document's front and
// back photographed and approved, then the selfie, the agreement and the card as before. The
// camera's frames are the framework's sample document and face.
bool walkNewCard(Walkthrough& walk, const NewCardApplicant& applicant = {});

}  // namespace fv
