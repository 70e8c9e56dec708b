#include "platform/foundation/FileContents.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fv {

std::optional<std::vector<std::uint8_t>> readFileContents(const std::string& path, std::size_t maxSize) {
    // A folder opens like a file on Linux and reads as empty: it must not pass for an empty file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char buf[65536];
    // Read in chunks rather than trusting a reported size: devices and pipes have none.
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        const auto n = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + n > maxSize) return std::nullopt;
        bytes.insert(bytes.end(), buf, buf + n);
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace fv
