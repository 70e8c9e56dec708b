#include "controls/SidemenuSectionTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(SidemenuSectionTableViewCell);

}  // namespace fv
