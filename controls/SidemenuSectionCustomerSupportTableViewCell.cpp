#include "controls/SidemenuSectionCustomerSupportTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(SidemenuSectionCustomerSupportTableViewCell);

}  // namespace fv
