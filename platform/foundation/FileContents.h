#pragma once
// Whole-file reads for the parsers of files a host or user may have edited.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fv {

// The file's bytes; none when it cannot be opened or read, or holds more than `maxSize` bytes (so a
// huge or endless file is refused instead of exhausting memory).
std::optional<std::vector<std::uint8_t>> readFileContents(const std::string& path, std::size_t maxSize);

}  // namespace fv
