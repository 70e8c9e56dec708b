#pragma once
#include <string>

namespace fv {

class Walkthrough;

// The "cardtocard" road. The host shows DataModel's card-to-card transfer screen: the recipient list,
// a search by name, the first match chosen, an amount, Next, the knob slid to the end, the success
// screen, Continue back to the host's first screen.
bool walkCardToCard(Walkthrough& walk, const std::string& search = "ruiz",
                    const std::string& amount = "40.00");

}  // namespace fv
