#include "platform/graphics/ImageHeader.h"

#include <algorithm>
#include <iterator>

#include "platform/graphics/JpegErrors.h"

namespace fv {
namespace {

constexpr std::uint8_t kPngMagic[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

std::uint32_t bigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::optional<ImagePixelSize> pngPixelSize(const std::vector<std::uint8_t>& bytes) {
    // The header chunk comes first: its length, "IHDR", then width and height.
    if (bytes.size() < 24 || bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' || bytes[15] != 'R')
        return std::nullopt;
    const std::uint32_t width = bigEndian32(&bytes[16]), height = bigEndian32(&bytes[20]);
    // PNG limits both to 2^31 - 1.
    if (width == 0 || height == 0 || width > 0x7fffffffu || height > 0x7fffffffu) return std::nullopt;
    return ImagePixelSize{static_cast<int>(width), static_cast<int>(height)};
}

// Kept free of objects with destructors: libjpeg reports errors by longjmp.
bool readJpegHeader(const std::vector<std::uint8_t>& bytes, jpeg_decompress_struct* info, JpegError* err,
                    ImagePixelSize* size) {
    info->err = quietJpegErrors(err);
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    const bool read = jpeg_read_header(info, TRUE) == JPEG_HEADER_OK;
    size->width = static_cast<int>(info->image_width);
    size->height = static_cast<int>(info->image_height);
    jpeg_destroy_decompress(info);
    return read && size->width > 0 && size->height > 0;
}

std::optional<ImagePixelSize> jpegPixelSize(const std::vector<std::uint8_t>& bytes) {
    jpeg_decompress_struct info{};
    JpegError err{};
    ImagePixelSize size;
    if (!readJpegHeader(bytes, &info, &err, &size)) return std::nullopt;
    return size;
}

}  // namespace

std::string ImagePixelSize::description() const {
    return std::to_string(width) + "x" + std::to_string(height);
}

std::optional<ImagePixelSize> imagePixelSize(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() >= sizeof kPngMagic &&
        std::equal(std::begin(kPngMagic), std::end(kPngMagic), bytes.begin()))
        return pngPixelSize(bytes);
    if (bytes.size() >= 3 && bytes[0] == 0xff && bytes[1] == 0xd8 && bytes[2] == 0xff)
        return jpegPixelSize(bytes);
    return std::nullopt;
}

}  // namespace fv
