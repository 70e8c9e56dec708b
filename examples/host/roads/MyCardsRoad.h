#pragma once
#include "platform/ui/UINavigationController.h"

namespace fv {

class Walkthrough;

// What the host's "My cards" button does: prepares the framework, as every entry does, and shows the
// home screen of cards that DataModel keeps (homeNavView) on the host's own stack.
void openMyCards(const UINavigationControllerPtr& hostStack);

// The "mycards" road. The home screen of cards from the host's first screen: the carousel dragged to
// the second card, whose wallets show; back to the first card and a transaction's detail pop-up,
// closed again; the history opened from the balance and left by its back arrow; then the card
// controls, the virtual card and the balance preview (MyCardsControlsSteps.h); last the host leaves
// the home screen.
bool walkMyCards(Walkthrough& walk);

}  // namespace fv
