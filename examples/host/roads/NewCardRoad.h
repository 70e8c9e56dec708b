#pragma once
#include <string>

namespace fv {

class Walkthrough;

// What the "newcard" road types into the wizard's forms.
struct NewCardApplicant {
    std::string phoneDigits = "5558675309";
    std::string email = "ada.lovelace@example.org";
    std::string code = "482913";
};

// The "newcard" road. GetNewCard from the host's first screen: a phone number and an e-mail address,
// Next, the six code boxes filled; then back through the wizard to the host's first screen.
bool walkNewCard(Walkthrough& walk, const NewCardApplicant& applicant = {});

}  // namespace fv
