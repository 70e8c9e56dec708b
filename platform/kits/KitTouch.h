#pragma once
// Internal to platform/kits: the test drivers' taps. A touch down and up at a point in screen
// coordinates, delivered to whatever the application's hit testing finds there, as a finger would.
#include "platform/graphics/Geometry.h"

namespace fv::kits {

// False when nothing on screen is hit.
bool tapAtScreenPoint(CGPoint point);

}  // namespace fv::kits
