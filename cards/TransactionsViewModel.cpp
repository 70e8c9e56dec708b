#include "cards/TransactionsViewModel.h"

namespace fv {

FV_REGISTER_CLASS(TransactionsViewModel);

}  // namespace fv
