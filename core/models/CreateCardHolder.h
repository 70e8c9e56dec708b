#pragma once
// The application: the transaction envelope and the applicant.
#include <memory>

#include "core/models/CardHolder.h"
#include "core/models/Transaction.h"
#include "platform/kits/MappedModel.h"

namespace fv {

class CreateCardHolder : public MappedModel {
  public:
    std::shared_ptr<Transaction> transaction;
    std::shared_ptr<CardHolder> cardHolder;

  protected:
    const Schema& schema() const override;
};

}  // namespace fv
