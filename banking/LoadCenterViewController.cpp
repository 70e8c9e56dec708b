#include "banking/LoadCenterViewController.h"

namespace fv {

FV_REGISTER_CLASS(LoadCenterViewController);

LoadCenterViewController::~LoadCenterViewController() = default;

}  // namespace fv
