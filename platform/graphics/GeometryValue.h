#pragma once
// Geometry carried inside Value dictionaries (notification user info, screen hand-over data).
// A rect is stored as {"x", "y", "width", "height"}, a point as {"x", "y"}, a size as
// {"width", "height"}; reading anything else gives the zero value.
#include "platform/foundation/Value.h"
#include "platform/graphics/Geometry.h"

namespace fv {

Value valueWithCGRect(CGRect r);
Value valueWithCGPoint(CGPoint p);
Value valueWithCGSize(CGSize s);

CGRect rectFromValue(const Value& v);
CGPoint pointFromValue(const Value& v);
CGSize sizeFromValue(const Value& v);

}  // namespace fv
