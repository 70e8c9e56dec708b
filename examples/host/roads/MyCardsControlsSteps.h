#pragma once
#include <vector>

#include "examples/host/Walkthrough.h"

namespace fv {

// The card-controls part of the "mycards" road. The steps start with the screen to come back to (the
// home screen of cards) on top of the host's navigation stack, and act there as the host does:
// the card controls of DataModel are shown on that stack, a block switch is flipped and an amount
// limit typed, Save stores them, and a new card-controls screen (DataModel's screens made afresh) shows
// them read back; the change-PIN pop-up is filled and closes; the virtual card is opened by its
// screen name, its number revealed and masked again, and closed by its back button; the balance
// preview is shown; the last step pops back to the screen the steps started on.
//
// When no new-card reply is held yet, the virtual-card step first stores a demonstration reply, as
// the new-card road would have.
std::vector<Walkthrough::Step> myCardsControlsSteps(const Walkthrough& walk);

}  // namespace fv
