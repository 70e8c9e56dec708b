#pragma once
// Left padding of a string. Lengths and indexes count UTF-16 code units, as the platform's strings do.
#include <cstddef>
#include <string>

namespace fv {

// When `text` is at most `length` long, returns (length - text's length) characters taken by repeating
// `pad` from `startIndex`, followed by `text`; otherwise `text` unchanged (never truncated). An empty
// `pad`, or a `startIndex` with no character of `pad` at it, returns `text` unpadded.
std::string stringByPaddingTheLeftToLength(const std::string& text, std::size_t length,
                                           const std::string& pad, std::size_t startIndex);

}  // namespace fv
