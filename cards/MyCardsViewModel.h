#pragma once
// The home screen of cards' view model. It holds no data; the screen makes it once and wires it.
#include "screenkit/ViewModel.h"

namespace fv {

// What the home screen's model may ask of its screen; nothing yet.
class MyCardsViewModelDelegate {
  public:
    virtual ~MyCardsViewModelDelegate() = default;
};

class MyCardsViewModel : public ViewModel {
    FV_CLASS(MyCardsViewModel, ViewModel)
};

}  // namespace fv
