#pragma once
// Small image files whose headers claim another size: a few hundred bytes that would ask a decoder
// for gigabytes of pixels.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/UIImage.h"

namespace fv {

inline std::vector<std::uint8_t> smallImageBytes(bool png) {
    auto image = UIGraphicsImageRenderer({8, 8}, true, 1).imageWithActions([](const CGContextRef& c) {
        c->setFillColor(UIColor::redColor());
        c->fillRect({0, 0, 8, 8});
    });
    return png ? image->PNGRepresentation() : image->JPEGRepresentation(0.9);
}

// A JPEG of 8x8 pixels whose frame header says width x height (both below 65536).
inline std::vector<std::uint8_t> jpegClaiming(int width, int height) {
    auto bytes = smallImageBytes(false);
    for (std::size_t i = 2; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0xff && bytes[i + 1] == 0xc0) {
            bytes[i + 5] = static_cast<std::uint8_t>(height >> 8);
            bytes[i + 6] = static_cast<std::uint8_t>(height);
            bytes[i + 7] = static_cast<std::uint8_t>(width >> 8);
            bytes[i + 8] = static_cast<std::uint8_t>(width);
            break;
        }
    }
    return bytes;
}

// A PNG of 8x8 pixels whose header chunk says width x height.
inline std::vector<std::uint8_t> pngClaiming(std::uint32_t width, std::uint32_t height) {
    auto bytes = smallImageBytes(true);
    for (int k = 0; k < 4; ++k) {
        bytes[16 + k] = static_cast<std::uint8_t>(width >> (24 - 8 * k));
        bytes[20 + k] = static_cast<std::uint8_t>(height >> (24 - 8 * k));
    }
    return bytes;
}

}  // namespace fv
