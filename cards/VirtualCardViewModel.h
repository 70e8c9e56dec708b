#pragma once
// The virtual card's view model: reads the number of an issued card from the new-card reply that
// ApiDataModel holds. The number is the full card number: it is never logged.
#include <optional>
#include <string>

#include "platform/foundation/Value.h"
#include "screenkit/ViewModel.h"

namespace fv {

// What the virtual card's model may ask of its screen; nothing yet.
class VirtualCardViewModelDelegate {
  public:
    virtual ~VirtualCardViewModelDelegate() = default;
};

class VirtualCardViewModel : public ViewModel {
    FV_CLASS(VirtualCardViewModel, ViewModel)

    // The number of card `index` of the last new-card reply; none without a reply, without a card
    // list, past its end, or when that card has no number.
    std::optional<std::string> getCardNumber(long index) const;

    // Unused; kept empty.
    const Value& cardsArr() const { return cardsArr_; }

  private:
    Value cardsArr_ = Value::Array{};
};

}  // namespace fv
