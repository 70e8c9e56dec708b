#pragma once
// A yes-or-no that the previous wizard screen hands the next one before the push, by name, through
// the next screen's registered property: a flag, or null for "not told"; anything else is refused.
#include <optional>

#include "platform/foundation/Value.h"

namespace fv {

inline bool setHandedOverFlag(std::optional<bool>& flag, const Value& v) {
    if (v.isNull()) {
        flag.reset();
        return true;
    }
    if (!v.isBool()) return false;
    flag = v.boolValue();
    return true;
}

inline Value handedOverFlagValue(const std::optional<bool>& flag) {
    return flag ? Value(*flag) : Value();
}

}  // namespace fv
