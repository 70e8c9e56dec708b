#pragma once
// An issued card with its wallets. `cardNo` is the full number: never log it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/models/AccountBalances.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class CardsData : public MappedModel {
  public:
    std::vector<std::shared_ptr<AccountBalances>> accountBalances;
    std::string cardholderId;
    std::string cardLastFour;
    std::optional<std::string> cardNo;
    std::string cardRefNo;
    std::string cardStatus;
    std::string createdOn;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
