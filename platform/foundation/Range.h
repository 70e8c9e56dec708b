#pragma once
// A range in UTF-16 code units, as text APIs use them.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fv {

struct NSRange {
    std::size_t location = 0, length = 0;
    bool operator==(const NSRange&) const = default;
    std::size_t end() const { return location + length; }
};

constexpr std::size_t NSNotFound = static_cast<std::size_t>(INT64_MAX);

inline NSRange NSMakeRange(std::size_t loc, std::size_t len) {
    return {loc, len};
}

// Text form "{loc, len}".
inline std::string NSStringFromRange(NSRange r) {
    return "{" + std::to_string(r.location) + ", " + std::to_string(r.length) + "}";
}

}  // namespace fv
