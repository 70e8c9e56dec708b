#pragma once
// Measures the table's parts agree on: the height of a header or footer that shows a title, and the
// rule for heights from the data source or a view (anything not finite and positive counts as none).
#include <cmath>

#include "platform/graphics/Geometry.h"

namespace fv::detail {

inline constexpr CGFloat kTableTitleHeaderHeight = 28;

inline CGFloat tableNonNegative(CGFloat v) {
    return std::isfinite(v) && v > 0 ? v : 0;
}

}  // namespace fv::detail
