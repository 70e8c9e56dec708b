#include "platform/graphics/UIImage.h"

#include <cairo.h>
#include <jpeglib.h>

#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <map>
#include <mutex>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/ImageHeader.h"
#include "platform/graphics/JpegErrors.h"
#include "platform/graphics/PNGEncoder.h"

namespace fv {
namespace {

// Larger images are refused rather than risking huge allocations from a hostile header.
constexpr int kMaxDimension = 16384;
// Far above any real image file of those dimensions.
constexpr std::size_t kMaxFileSize = 256u << 20;

std::atomic<double> gScreenScale{2.0};

struct ByteReader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t pos = 0;
};

cairo_status_t readPng(void* closure, unsigned char* data, unsigned int length) {
    auto* r = static_cast<ByteReader*>(closure);
    if (r->bytes->size() - r->pos < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes->data() + r->pos, length);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

bool usableSurface(cairo_surface_t* s) {
    if (!s || cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return false;
    if (cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE) return false;
    cairo_format_t f = cairo_image_surface_get_format(s);
    return f == CAIRO_FORMAT_ARGB32 || f == CAIRO_FORMAT_RGB24;
}

std::uint32_t bigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

cairo_surface_t* decodePng(const std::vector<std::uint8_t>& bytes) {
    // The header chunk comes first; its size is checked before anything is allocated for it.
    if (bytes.size() < 24) return nullptr;
    const std::uint32_t width = bigEndian32(&bytes[16]), height = bigEndian32(&bytes[20]);
    if (width == 0 || height == 0 || width > kMaxDimension || height > kMaxDimension) return nullptr;
    ByteReader reader{&bytes};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readPng, &reader);
    if (usableSurface(s)) return s;
    cairo_surface_destroy(s);
    return nullptr;
}

// Kept free of objects with destructors: libjpeg reports errors by longjmp.
cairo_surface_t* decodeJpegInto(const std::vector<std::uint8_t>& bytes, jpeg_decompress_struct* info,
                                JpegError* err, cairo_surface_t** out) {
    info->err = quietJpegErrors(err);
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(info);
        if (*out) cairo_surface_destroy(*out);
        *out = nullptr;
        return nullptr;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    if (info->image_width == 0 || info->image_height == 0 || info->image_width > kMaxDimension ||
        info->image_height > kMaxDimension) {
        jpeg_destroy_decompress(info);
        return nullptr;
    }
    info->out_color_space = JCS_EXT_BGRX;  // cairo's RGB24 byte order on little-endian machines
    jpeg_start_decompress(info);
    *out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(info->output_width),
                                      static_cast<int>(info->output_height));
    unsigned char* data = cairo_image_surface_get_data(*out);
    const int stride = cairo_image_surface_get_stride(*out);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = data + static_cast<std::ptrdiff_t>(info->output_scanline) * stride;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    cairo_surface_mark_dirty(*out);
    return *out;
}

cairo_surface_t* decodeJpeg(const std::vector<std::uint8_t>& bytes) {
    jpeg_decompress_struct info{};
    JpegError err{};
    cairo_surface_t* out = nullptr;
    return decodeJpegInto(bytes, &info, &err, &out);
}

bool encodeJpegFrom(cairo_surface_t* s, int quality, jpeg_compress_struct* info, JpegError* err,
                    unsigned char** buffer, unsigned long* size) {
    info->err = quietJpegErrors(err);
    if (setjmp(err->jump)) {
        jpeg_destroy_compress(info);
        return false;
    }
    jpeg_create_compress(info);
    jpeg_mem_dest(info, buffer, size);
    info->image_width = static_cast<JDIMENSION>(cairo_image_surface_get_width(s));
    info->image_height = static_cast<JDIMENSION>(cairo_image_surface_get_height(s));
    info->input_components = 4;
    // Premultiplied pixels read as BGRX are the image composed over black.
    info->in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = data + static_cast<std::ptrdiff_t>(info->next_scanline) * stride;
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    jpeg_destroy_compress(info);
    return true;
}

CGFloat scaleFromFileName(const std::string& path) {
    std::string stem = std::filesystem::path(path).stem().string();
    if (stem.ends_with("@3x")) return 3;
    if (stem.ends_with("@2x")) return 2;
    return 1;
}

std::mutex& cacheMutex() {
    static std::mutex m;
    return m;
}

std::map<std::string, UIImagePtr>& cache() {
    static std::map<std::string, UIImagePtr> c;
    return c;
}

std::uint32_t pixelAt(const unsigned char* row, int x, bool alpha) {
    std::uint32_t v;
    std::memcpy(&v, row + 4 * x, 4);
    return alpha ? v : (v | 0xff000000u);
}

}  // namespace

UIImage::UIImage() = default;

UIImage::~UIImage() {
    if (surface_) cairo_surface_destroy(surface_);
}

UIImagePtr UIImage::imageWithData(const std::vector<std::uint8_t>& bytes, CGFloat scale) {
    static const std::uint8_t pngMagic[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    const auto claimed = imagePixelSize(bytes);
    if (!claimed) return nullptr;
    if (!withinPixelBudget(*claimed)) {
        log("image of " + claimed->description() + " pixels refused: above the budget of " +
            std::to_string(kMaxImagePixels / 1'000'000) + " megapixels");
        return nullptr;
    }
    cairo_surface_t* s = nullptr;
    if (bytes.size() >= 8 && std::equal(std::begin(pngMagic), std::end(pngMagic), bytes.begin())) {
        s = decodePng(bytes);
    } else if (bytes.size() >= 3 && bytes[0] == 0xff && bytes[1] == 0xd8 && bytes[2] == 0xff) {
        s = decodeJpeg(bytes);
    }
    if (!s) return nullptr;
    UIImagePtr image = imageWithSurface(s, scale);
    cairo_surface_destroy(s);
    return image;
}

UIImagePtr UIImage::imageWithContentsOfFile(const std::string& path) {
    auto bytes = readFileContents(path, kMaxFileSize);
    if (!bytes) return nullptr;
    return imageWithData(*bytes, scaleFromFileName(path));
}

UIImagePtr UIImage::imageNamed(const std::string& name) {
    return imageNamed(name, NSBundle::mainBundle());
}

UIImagePtr UIImage::imageNamed(const std::string& name, const std::shared_ptr<NSBundle>& bundle) {
    if (!bundle || name.empty()) return nullptr;
    std::string base = name, type = "png";
    const std::string ext = std::filesystem::path(name).extension().string();
    if (!ext.empty() && ext.find('@') == std::string::npos) {
        base = name.substr(0, name.size() - ext.size());
        type = ext.substr(1);
    }
    const int screen = static_cast<int>(std::lround(screenScale()));
    const std::string key = bundle->bundlePath() + "\n" + name + "\n" + std::to_string(screen);
    {
        std::lock_guard lock(cacheMutex());
        auto it = cache().find(key);
        if (it != cache().end()) return it->second;
    }
    // The screen's own scale first, then sharper variants, then the plain file, then smaller ones.
    std::vector<std::string> suffixes;
    for (int s = screen; s <= 3; ++s) suffixes.push_back(s == 1 ? "" : "@" + std::to_string(s) + "x");
    if (screen > 1) suffixes.push_back("");
    for (int s = screen - 1; s >= 2; --s) suffixes.push_back("@" + std::to_string(s) + "x");
    for (const std::string& suffix : suffixes) {
        std::optional<std::string> path = bundle->pathForResource(base + suffix, type);
        if (!path) continue;
        UIImagePtr image = imageWithContentsOfFile(*path);
        if (!image) continue;
        std::lock_guard lock(cacheMutex());
        cache()[key] = image;
        return image;
    }
    return nullptr;
}

UIImagePtr UIImage::imageWithSurface(cairo_surface_t* surface, CGFloat scale,
                                     UIImageOrientation orientation) {
    if (!usableSurface(surface)) return nullptr;
    auto image = std::make_shared<UIImage>();
    image->scale_ = scale > 0 ? scale : 1;
    image->orientation_ = orientation;
    if (cairo_image_surface_get_width(surface) > 0 && cairo_image_surface_get_height(surface) > 0) {
        image->surface_ = cairo_surface_reference(surface);
    }
    return image;
}

CGFloat UIImage::screenScale() {
    return gScreenScale.load();
}

void UIImage::setScreenScale(CGFloat scale) {
    if (scale > 0) gScreenScale.store(scale);
}

void UIImage::clearCache() {
    std::lock_guard lock(cacheMutex());
    cache().clear();
}

int UIImage::pixelWidth() const {
    return surface_ ? cairo_image_surface_get_width(surface_) : 0;
}
int UIImage::pixelHeight() const {
    return surface_ ? cairo_image_surface_get_height(surface_) : 0;
}

CGSize UIImage::size() const {
    CGSize s{pixelWidth() / scale_, pixelHeight() / scale_};
    const bool sideways =
        orientation_ == UIImageOrientation::Left || orientation_ == UIImageOrientation::Right ||
        orientation_ == UIImageOrientation::LeftMirrored || orientation_ == UIImageOrientation::RightMirrored;
    return sideways ? CGSize{s.height, s.width} : s;
}

bool UIImage::hasAlpha() const {
    return surface_ && cairo_image_surface_get_format(surface_) == CAIRO_FORMAT_ARGB32;
}

UIImagePtr UIImage::imageWithRenderingMode(UIImageRenderingMode mode) const {
    auto image = std::make_shared<UIImage>();
    image->surface_ = surface_ ? cairo_surface_reference(surface_) : nullptr;
    image->scale_ = scale_;
    image->orientation_ = orientation_;
    image->renderingMode_ = mode;
    return image;
}

std::vector<std::uint8_t> UIImage::PNGRepresentation() const {
    return surface_ ? PNGEncoder::encode(surface_) : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> UIImage::JPEGRepresentation(CGFloat quality) const {
    std::vector<std::uint8_t> out;
    if (!surface_) return out;
    cairo_surface_flush(surface_);
    jpeg_compress_struct info{};
    JpegError err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int q = static_cast<int>(std::lround(std::clamp<CGFloat>(quality, 0, 1) * 100));
    if (encodeJpegFrom(surface_, std::max(1, q), &info, &err, &buffer, &size) && buffer) {
        out.assign(buffer, buffer + size);
    }
    std::free(buffer);
    return out;
}

bool UIImage::isEqual(const UIImage& o) const {
    if (isEmpty() || o.isEmpty()) return isEmpty() && o.isEmpty();
    if (pixelWidth() != o.pixelWidth() || pixelHeight() != o.pixelHeight() || scale_ != o.scale_ ||
        orientation_ != o.orientation_) {
        return false;
    }
    cairo_surface_flush(surface_);
    cairo_surface_flush(o.surface_);
    const unsigned char* a = cairo_image_surface_get_data(surface_);
    const unsigned char* b = cairo_image_surface_get_data(o.surface_);
    const int sa = cairo_image_surface_get_stride(surface_), sb = cairo_image_surface_get_stride(o.surface_);
    for (int y = 0; y < pixelHeight(); ++y) {
        const unsigned char* ra = a + static_cast<std::ptrdiff_t>(y) * sa;
        const unsigned char* rb = b + static_cast<std::ptrdiff_t>(y) * sb;
        for (int x = 0; x < pixelWidth(); ++x) {
            if (pixelAt(ra, x, hasAlpha()) != pixelAt(rb, x, o.hasAlpha())) return false;
        }
    }
    return true;
}

bool imagesEqual(const UIImagePtr& a, const UIImagePtr& b) {
    if (!a || !b) return !a && !b;
    return a == b || a->isEqual(*b);
}

}  // namespace fv
