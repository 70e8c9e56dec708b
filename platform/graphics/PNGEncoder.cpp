#include "platform/graphics/PNGEncoder.h"

#include <cairo.h>
#include <libdeflate.h>

#include <array>
#include <cstring>
#include <memory>

namespace fv {
namespace {

// The fastest level still finds the long runs screens are made of.
constexpr int kCompressionLevel = 1;

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.insert(out.end(), {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                           static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
}

void putChunk(std::vector<std::uint8_t>& out, const char type[4], const std::uint8_t* data,
              std::size_t size) {
    putBigEndian(out, static_cast<std::uint32_t>(size));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (size) out.insert(out.end(), data, data + size);
    putBigEndian(out, static_cast<std::uint32_t>(libdeflate_crc32(0, out.data() + start, size + 4)));
}

bool isOpaque(const unsigned char* data, int width, int height, int stride) {
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x)
            if ((row[x] >> 24) != 0xff) return false;
    }
    return true;
}

// One row as PNG wants it: a filter byte (1, "sub") then each byte minus the one a pixel to its left.
void filterRow(const std::uint32_t* in, int width, bool alpha, bool straight, std::uint8_t* out,
               std::uint8_t* scratch) {
    const int channels = alpha ? 4 : 3;
    std::uint8_t* p = scratch;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = in[x];
        std::uint32_t a = v >> 24, r = (v >> 16) & 0xff, g = (v >> 8) & 0xff, b = v & 0xff;
        if (straight && a != 0xff) {
            if (a == 0) {
                r = g = b = 0;
            } else {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
        }
        *p++ = static_cast<std::uint8_t>(r);
        *p++ = static_cast<std::uint8_t>(g);
        *p++ = static_cast<std::uint8_t>(b);
        if (alpha) *p++ = static_cast<std::uint8_t>(a);
    }
    out[0] = 1;
    const int bytes = width * channels;
    for (int i = 0; i < bytes; ++i)
        out[1 + i] = static_cast<std::uint8_t>(scratch[i] - (i >= channels ? scratch[i - channels] : 0));
}

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

}  // namespace

std::vector<std::uint8_t> PNGEncoder::encode(cairo_surface_t* surface) {
    if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return {};
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) return {};
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface),
              height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    if (!data || width <= 0 || height <= 0) return {};

    const bool alpha = format == CAIRO_FORMAT_ARGB32 && !isOpaque(data, width, height, stride);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * (alpha ? 4 : 3) + 1;
    std::vector<std::uint8_t> raw(rowBytes * static_cast<std::size_t>(height));
    std::vector<std::uint8_t> scratch(rowBytes);
    for (int y = 0; y < height; ++y)
        filterRow(reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride),
                  width, alpha, format == CAIRO_FORMAT_ARGB32,
                  raw.data() + rowBytes * static_cast<std::size_t>(y), scratch.data());

    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(kCompressionLevel));
    if (!compressor) return {};
    // Left uninitialised: the bound is about the size of the whole frame and only the start is written,
    // so untouched pages never become memory (several pictures are encoded at once).
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), raw.size());
    const std::unique_ptr<std::uint8_t[]> packed(new std::uint8_t[bound]);
    const std::size_t packedSize =
        libdeflate_zlib_compress(compressor.get(), raw.data(), raw.size(), packed.get(), bound);
    if (packedSize == 0 || packedSize > 0x7fffffff) return {};  // one chunk holds less than 2 GiB
    raw = {};

    std::vector<std::uint8_t> out;
    out.reserve(packedSize + 64);
    static constexpr std::array<std::uint8_t, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    out.insert(out.end(), signature.begin(), signature.end());
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    // 8 bits a channel, RGB or RGBA, deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, static_cast<std::uint8_t>(alpha ? 6 : 2), 0, 0, 0});
    putChunk(out, "IHDR", header.data(), header.size());
    putChunk(out, "IDAT", packed.get(), packedSize);
    putChunk(out, "IEND", nullptr, 0);
    return out;
}

}  // namespace fv
