#pragma once
// What a PNG or JPEG file says about its size, read from its header alone. A header may claim far
// more pixels than its bytes hold: decoding such a file would fill gigabytes and take seconds, so
// images above a pixel budget are refused before anything is decoded.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fv {

struct ImagePixelSize {
    int width = 0;
    int height = 0;
    std::int64_t pixels() const { return std::int64_t{width} * height; }
    // "16384x16384", for log lines.
    std::string description() const;
};

// About the largest photo a phone camera takes; far below what would stall a decode.
inline constexpr std::int64_t kMaxImagePixels = 50'000'000;

// The size in the header of PNG or JPEG bytes; none when they are neither or the header is damaged.
std::optional<ImagePixelSize> imagePixelSize(const std::vector<std::uint8_t>& bytes);

inline bool withinPixelBudget(const ImagePixelSize& size) {
    return size.pixels() <= kMaxImagePixels;
}

}  // namespace fv
