#pragma once
#include <string>

namespace fv {

class Walkthrough;

// The "transfer" road. OpenMyCards from the host's first screen: the first verified account in the
// picker, an amount, Next, the knob slid to the end, the success screen, Continue back to the host's
// first screen.
bool walkTransfer(Walkthrough& walk, const std::string& amount = "250.00");

}  // namespace fv
