#include "banking/LoadCheckViewController.h"

namespace fv {

FV_REGISTER_CLASS(LoadCheckViewController);

LoadCheckViewController::~LoadCheckViewController() = default;

}  // namespace fv
