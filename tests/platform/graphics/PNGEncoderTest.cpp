#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/graphics/PNGEncoder.h"
#include "platform/graphics/PNGWriter.h"
#include "platform/graphics/UIImage.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// Noise (hard to compress) over flat bands (easy), premultiplied as cairo keeps it.
UIImagePtr noisyImage(int width, int height, cairo_format_t format, bool translucent) {
    cairo_surface_t* s = cairo_image_surface_create(format, width, height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t a = translucent ? random() % 256 : 255;
            std::uint32_t v = y % 8 < 4 ? random() : 0x336699u;
            const auto channel = [&](int shift) { return (((v >> shift) & 0xff) * a / 255) << shift; };
            v = (a << 24) | channel(16) | channel(8) | channel(0);
            std::memcpy(data + y * stride + 4 * x, &v, 4);
        }
    }
    cairo_surface_mark_dirty(s);
    UIImagePtr image = UIImage::imageWithSurface(s, 2);
    cairo_surface_destroy(s);
    return image;
}

struct Shape {
    int width, height;
    cairo_format_t format;
    bool translucent;
};

class PNGRoundTrip : public ::testing::TestWithParam<Shape> {};

TEST_P(PNGRoundTrip, DecodesToTheSamePixels) {
    const Shape& shape = GetParam();
    const UIImagePtr image = noisyImage(shape.width, shape.height, shape.format, shape.translucent);
    const auto bytes = PNGEncoder::encode(image->cairoSurface());
    ASSERT_GT(bytes.size(), 8u);
    const UIImagePtr back = UIImage::imageWithData(bytes, 2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hasAlpha(), shape.translucent);
    if (!shape.translucent) {
        EXPECT_TRUE(back->isEqual(*image));
        return;
    }
    // Straight alpha loses a little of faint pixels' colour; alpha itself survives exactly.
    cairo_surface_t* a = image->cairoSurface();
    cairo_surface_t* b = back->cairoSurface();
    cairo_surface_flush(b);
    for (int y = 0; y < shape.height; ++y) {
        for (int x = 0; x < shape.width; ++x) {
            std::uint32_t va, vb;
            std::memcpy(&va, cairo_image_surface_get_data(a) + y * cairo_image_surface_get_stride(a) + 4 * x,
                        4);
            std::memcpy(&vb, cairo_image_surface_get_data(b) + y * cairo_image_surface_get_stride(b) + 4 * x,
                        4);
            ASSERT_EQ(va >> 24, vb >> 24) << x << "," << y;
            for (int shift : {0, 8, 16})
                ASSERT_NEAR(static_cast<int>((va >> shift) & 0xff), static_cast<int>((vb >> shift) & 0xff),
                            1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, PNGRoundTrip,
                         ::testing::Values(Shape{1, 1, CAIRO_FORMAT_ARGB32, false},
                                           Shape{37, 13, CAIRO_FORMAT_ARGB32, false},
                                           Shape{37, 13, CAIRO_FORMAT_ARGB32, true},
                                           Shape{64, 9, CAIRO_FORMAT_RGB24, false},
                                           Shape{750, 40, CAIRO_FORMAT_ARGB32, false}));

TEST(PNGEncoder, RefusesWhatIsNotAColourImage) {
    EXPECT_TRUE(PNGEncoder::encode(nullptr).empty());
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, 4, 4);
    EXPECT_TRUE(PNGEncoder::encode(mask).empty());
    cairo_surface_destroy(mask);
}

// One worker and several: every picture is written whole, the failures are reported once each.
class PNGWriterWorkers : public ::testing::TestWithParam<std::size_t> {};

TEST_P(PNGWriterWorkers, WritesEveryPictureWholeAndReportsThoseItCannot) {
    const fs::path dir = fs::temp_directory_path() /
                         ("fv-png-writer-" + std::to_string(::getpid()) + "-" + std::to_string(GetParam()));
    fs::create_directories(dir);
    {
        PNGWriter writer(1, GetParam());
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(writer.write(noisyImage(40, 30 + i, CAIRO_FORMAT_ARGB32, false),
                                     (dir / (std::to_string(i) + ".png")).string()));
        EXPECT_TRUE(
            writer.write(noisyImage(4, 4, CAIRO_FORMAT_ARGB32, false), (dir / "missing" / "x.png").string()));
        EXPECT_FALSE(writer.write(nullptr, (dir / "none.png").string()));
        const auto failed = writer.finish();
        ASSERT_EQ(failed.size(), 1u);
        EXPECT_EQ(failed[0], (dir / "missing" / "x.png").string());
        EXPECT_TRUE(writer.finish().empty());
    }
    for (int i = 0; i < 5; ++i) {
        auto image = UIImage::imageWithContentsOfFile((dir / (std::to_string(i) + ".png")).string());
        ASSERT_TRUE(image) << i;
        EXPECT_EQ(image->pixelHeight(), 30 + i);
    }
    for (const auto& entry : fs::directory_iterator(dir)) EXPECT_NE(entry.path().extension(), ".partial");
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Workers, PNGWriterWorkers, ::testing::Values(1u, 3u));

}  // namespace
}  // namespace fv
