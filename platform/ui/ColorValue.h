#pragma once
// Colours carried in Values for properties set by name: a {"red","green","blue","alpha"} dictionary
// (components 0..1, alpha defaulting to 1), a {"white","alpha"} dictionary, or a "#RRGGBB" /
// "#RRGGBBAA" string. A null value means no colour.
#include <optional>

#include "platform/foundation/Value.h"
#include "platform/graphics/UIColor.h"

namespace fv {

Value valueWithColor(const UIColorPtr& color);
// None (no colour) for a null value; std::nullopt for anything unreadable.
std::optional<UIColorPtr> colorFromValue(const Value& v);

}  // namespace fv
