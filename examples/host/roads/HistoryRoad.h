#pragma once

namespace fv {

class Walkthrough;

// The "history" road. The host shows DataModel's transfer history: the filter set to card to card,
// then card to bank, then all again; a transfer's detail opened and closed by a tap on the dim area;
// then the host takes its first screen back, as its own menu would (the history has no back button).
bool walkHistory(Walkthrough& walk);

}  // namespace fv
