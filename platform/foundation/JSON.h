#pragma once
// JSON text to and from the value tree. Never throws: bad input gives none.
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Value.h"

namespace fv {

class JSON {
public:
    // Nesting deeper than this is refused.
    static constexpr std::size_t kMaxDepth = 512;

    // Integers stay integers (beyond 64 bits they become reals), reals stay reals, booleans stay
    // booleans. None on malformed text, invalid UTF-8 or excessive nesting.
    static std::optional<Value> parse(std::string_view text);
    // None when the value holds data or a date, invalid UTF-8, or a real that is not finite.
    static std::optional<std::string> serialize(const Value& value, bool pretty = false);
};

}  // namespace fv
