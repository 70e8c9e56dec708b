#include "cards/MyCardsViewModel.h"

namespace fv {

FV_REGISTER_CLASS(MyCardsViewModel);

}  // namespace fv
