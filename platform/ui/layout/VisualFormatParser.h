#pragma once
// Reads the visual format subset "H:|[a]", "H:[a][b(==a)]", "V:|[a]|", "[a]|", with "-(n)-"/"-n-"
// spacing, "(==n)", "(>=n)", "(<=n)", "(==name)" sizes and "@priority", into constraints.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/NSLayoutConstraint.h"

namespace fv::layout {

// Parses `format` (white space already removed). False, with `error` set, when malformed or when a
// name is not among `views`; `out` is then incomplete and to be dropped.
bool parseVisualFormat(const std::string& format,
                       const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views,
                       std::vector<NSLayoutConstraintPtr>& out, std::string& error);

}  // namespace fv::layout
