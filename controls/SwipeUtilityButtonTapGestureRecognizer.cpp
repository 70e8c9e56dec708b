#include "controls/SwipeUtilityButtonTapGestureRecognizer.h"

namespace fv {

FV_REGISTER_CLASS(SwipeUtilityButtonTapGestureRecognizer);

}  // namespace fv
