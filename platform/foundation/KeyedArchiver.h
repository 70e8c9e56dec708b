#pragma once
// Keyed archiving of value trees, in this system's own format (a versioned XML property list
// envelope). Decoding only ever builds property-list types: any other class marker, an excessive depth
// or size, or malformed input gives none.
#include <cstddef>
#include <optional>

#include "platform/foundation/Value.h"

namespace fv {

class NSKeyedArchiver {
  public:
    // Containers nested deeper than this are refused on both sides.
    static constexpr std::size_t kMaxDepth = 200;

    // Empty bytes when the value cannot be archived (nesting beyond kMaxDepth, a text holding a NUL
    // character, a date outside the years 1 to 9999).
    static Value::Bytes archivedDataWithRootObject(const Value& rootObject);
};

class NSKeyedUnarchiver {
  public:
    // Larger archives are refused unread.
    static constexpr std::size_t kMaxArchiveSize = 64u << 20;

    static std::optional<Value> unarchiveObjectWithData(const Value::Bytes& data);
};

}  // namespace fv
