#include "platform/ui/NSIndexPath.h"

namespace fv {

std::string NSIndexPath::description() const {
    return "{" + std::to_string(section) + ", " + std::to_string(row) + "}";
}

}  // namespace fv
