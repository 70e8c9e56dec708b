#pragma once
// The transaction history's view model. It holds no data; the screen makes it once and wires it.
#include "screenkit/ViewModel.h"

namespace fv {

// What the history's model may ask of its screen; nothing yet.
class TransactionsViewModelDelegate {
  public:
    virtual ~TransactionsViewModelDelegate() = default;
};

class TransactionsViewModel : public ViewModel {
    FV_CLASS(TransactionsViewModel, ViewModel)
};

}  // namespace fv
