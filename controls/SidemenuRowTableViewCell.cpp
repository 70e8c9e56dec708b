#include "controls/SidemenuRowTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(SidemenuRowTableViewCell);

}  // namespace fv
