#include "screenkit/ViewModel.h"

namespace fv {

FV_REGISTER_CLASS(ViewModel);

}  // namespace fv
