#pragma once
// One wallet of an issued card.
#include <string>

#include "platform/kits/MappedModel.h"

namespace fv {

class AccountBalances : public MappedModel {
  public:
    std::string cardBalance;
    std::string currencyCode;
    std::string heldAmount;
    std::string ledgerBalance;
    std::string walletId;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
