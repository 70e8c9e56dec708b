#include "controls/SectionTableViewCell.h"

namespace fv {

FV_REGISTER_CLASS(SectionTableViewCell);

}  // namespace fv
