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

    // Integers stay integers, reals stay reals, booleans stay booleans. An integer beyond 64 bits
    // (a card number sent as a number) becomes the text of its exact digits: text reads keep every
    // digit, number reads refuse it, nothing is rounded. None on malformed text, a NUL byte,
    // invalid UTF-8 or excessive nesting.
    static std::optional<Value> parse(std::string_view text);
    // Bytes of text parse() has been given on the calling thread so far: shows which thread parses.
    static std::size_t bytesParsedOnThisThread();
    // None when the value holds data or a date, invalid UTF-8, or a real that is not finite.
    static std::optional<std::string> serialize(const Value& value, bool pretty = false);
};

}  // namespace fv
