#include "controls/ControlsBundle.h"

namespace fv {

std::shared_ptr<NSBundle> controlsBundle() {
    return NSBundle::bundleForAddress(reinterpret_cast<const void*>(&controlsBundle));
}

}  // namespace fv
