#pragma once
// Whole-file reads for the parsers of files a host or user may have edited.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fv {

// The file's bytes; none when it cannot be opened or read, is not a regular file (a FIFO, device,
// socket or folder: reading one could block forever or never end), or holds more than `maxSize` bytes
// (so a huge file is refused instead of exhausting memory). Symbolic links are followed.
std::optional<std::vector<std::uint8_t>> readFileContents(const std::string& path, std::size_t maxSize);

// True when `path` names a regular file, following symbolic links.
bool isRegularFile(const std::string& path);

// The path a write to `path` must replace: the final target of a chain of symbolic links (which need
// not exist yet), or `path` itself when it is not a link. None for a loop or an over-long chain.
std::optional<std::string> resolveSymbolicLinks(const std::string& path);

// Creates the missing folders of `path` readable by their owner only; folders that already exist
// are left as they are. False when a folder could not be made.
bool createPrivateDirectories(const std::string& path);

}  // namespace fv
