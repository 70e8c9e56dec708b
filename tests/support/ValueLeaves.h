#pragma once
// How many leaves a dictionary tree holds: every value that is not a dictionary counts once, empty
// texts included. What a JSON body sent to a backend is measured by.
#include <cstddef>

#include "platform/foundation/Value.h"

namespace fv::test {

inline std::size_t leafCount(const Value& value) {
    const Value::Dictionary* members = value.asDictionary();
    if (!members) return 1;
    std::size_t n = 0;
    for (const auto& [key, member] : *members) n += leafCount(member);
    return n;
}

}  // namespace fv::test
