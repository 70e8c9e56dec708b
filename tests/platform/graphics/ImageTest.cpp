#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/foundation/Bundle.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/UIImage.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// Premultiplied ARGB of one pixel.
std::uint32_t pixel(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    cairo_surface_flush(s);
    std::uint32_t v;
    std::memcpy(&v, cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x, 4);
    return image.hasAlpha() ? v : (v | 0xff000000u);
}

// A 4x3 point image at the given scale: red with a blue top-left point.
UIImagePtr sample(CGFloat scale = 1, bool opaque = false) {
    UIGraphicsBeginImageContextWithOptions({4, 3}, opaque, scale);
    UIColor::redColor()->set();
    UIRectFill({{0, 0}, {4, 3}});
    UIColor::blueColor()->set();
    UIRectFill({{0, 0}, {1, 1}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

TEST(UIImage, EmptyImagesHaveNoSizeAndAreEqual) {
    UIImage a, b;
    EXPECT_EQ(a.size(), CGSizeZero);
    EXPECT_TRUE(a.isEqual(b));
    EXPECT_FALSE(a.isEqual(*sample()));
    EXPECT_TRUE(a.PNGRepresentation().empty());
    EXPECT_TRUE(imagesEqual(nullptr, nullptr));
    EXPECT_FALSE(imagesEqual(sample(), nullptr));
}

TEST(UIImage, PngRoundTripKeepsPixelsAndAlpha) {
    UIImagePtr image = sample(2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), CGSizeMake(4, 3));
    EXPECT_EQ(image->pixelWidth(), 8);
    UIImagePtr back = UIImage::imageWithData(image->PNGRepresentation(), 2);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->isEqual(*image));  // an opaque image comes back without alpha, same pixels
    EXPECT_EQ(pixel(*back, 0, 0), 0xff0000ffu);
    EXPECT_EQ(pixel(*back, 7, 5), 0xffff0000u);
    EXPECT_FALSE(UIImage::imageWithData(image->PNGRepresentation(), 1)->isEqual(*image));  // other scale

    UIGraphicsBeginImageContextWithOptions({2, 1}, false, 1);
    UIColor::colorWithRed(0, 0, 1, 0.5)->set();
    UIRectFill({{0, 0}, {1, 1}});
    UIImagePtr translucent = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    UIImagePtr translucentBack = UIImage::imageWithData(translucent->PNGRepresentation());
    ASSERT_TRUE(translucentBack);
    EXPECT_TRUE(translucentBack->hasAlpha());
    EXPECT_TRUE(translucentBack->isEqual(*translucent));
    EXPECT_EQ(pixel(*translucentBack, 1, 0), 0u);
}

TEST(UIImage, JpegRoundTripIsCloseAndOpaque) {
    UIGraphicsBeginImageContextWithOptions({16, 16}, true, 1);
    UIColor::colorWithRed(0.2, 0.6, 0.4, 1)->set();
    UIRectFill({{0, 0}, {16, 16}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    const auto jpeg = image->JPEGRepresentation(0.9);
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xff);
    UIImagePtr back = UIImage::imageWithData(jpeg);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->hasAlpha());
    EXPECT_EQ(back->size(), CGSizeMake(16, 16));
    const std::uint32_t p = pixel(*back, 8, 8);
    EXPECT_NEAR(static_cast<int>((p >> 8) & 0xff), 153, 3);
}

TEST(UIImage, BadOrTruncatedDataGivesNone) {
    const auto png = sample()->PNGRepresentation();
    const auto jpeg = sample()->JPEGRepresentation(0.5);
    const std::vector<std::vector<std::uint8_t>> bad = {
        {},
        {1, 2, 3},
        std::vector<std::uint8_t>(png.begin(), png.begin() + static_cast<long>(png.size() / 2)),
        std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + 20),
        {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0,    0,    0,    13,
         'I',  'H', 'D', 'R', 0x7f, 0xff, 0xff, 0xff, 0x7f, 0xff, 0xff, 0xff},
    };
    for (const auto& bytes : bad) EXPECT_FALSE(UIImage::imageWithData(bytes)) << bytes.size();
    EXPECT_FALSE(UIImage::imageWithContentsOfFile("/nonexistent/x.png"));
}

struct ContextCase {
    CGSize size;
    CGFloat scale;
    int width, height;
};

class BitmapContexts : public ::testing::TestWithParam<ContextCase> {};

TEST_P(BitmapContexts, PixelSizeIsCeilOfPointsTimesScale) {
    const auto& c = GetParam();
    UIGraphicsBeginImageContextWithOptions(c.size, false, c.scale);
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), c.width);
    EXPECT_EQ(image->pixelHeight(), c.height);
    EXPECT_EQ(image->scale(), c.scale);
    EXPECT_EQ(image->size(), CGSizeMake(c.width / c.scale, c.height / c.scale));
}

INSTANTIATE_TEST_SUITE_P(UIGraphics, BitmapContexts,
                         ::testing::Values(ContextCase{{10, 5}, 1, 10, 5}, ContextCase{{10.3, 5}, 2, 21, 10},
                                           ContextCase{{10.3, 5.5}, 3, 31, 17},
                                           ContextCase{{1, 1}, 3, 3, 3}));

TEST(UIGraphics, OpaqueContextsGiveImagesWithoutAlpha) {
    EXPECT_FALSE(sample(1, true)->hasAlpha());
    EXPECT_TRUE(sample(1, false)->hasAlpha());
    EXPECT_FALSE(UIGraphicsGetCurrentContext());
    EXPECT_FALSE(UIGraphicsGetImageFromCurrentImageContext());
}

TEST(UIGraphics, RectFillWithClearColourPunchesAHole) {
    UIGraphicsBeginImageContextWithOptions({20, 20}, false, 2);
    UIColor::colorWithRed(0, 0, 0, 0.8)->set();
    UIRectFill({{0, 0}, {20, 20}});
    UIColor::clearColor()->set();
    UIRectFill({{5, 5}, {10, 10}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(pixel(*image, 20, 20), 0u);        // inside the hole
    EXPECT_EQ(pixel(*image, 2, 2) >> 24, 204u);  // the mask around it
    EXPECT_EQ(pixel(*image, 31, 31) >> 24, 204u);
}

TEST(UIGraphics, ClearingInsideATransparencyLayerKeepsWhatLiesBeneath) {
    UIGraphicsBeginImageContextWithOptions({20, 20}, true, 1);
    auto context = UIGraphicsGetCurrentContext();
    UIColor::colorWithRed(1, 0, 0, 1)->set();
    UIRectFill({{0, 0}, {20, 20}});
    context->beginTransparencyLayer();
    UIColor::colorWithRed(0, 0, 0, 1)->set();
    UIRectFill({{0, 0}, {20, 20}});
    UIColor::clearColor()->set();
    UIRectFill({{5, 5}, {10, 10}});
    context->setAlpha(0.5);
    context->endTransparencyLayer();
    context->endTransparencyLayer();  // unbalanced: nothing
    EXPECT_EQ(context->alpha(), 1);
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(pixel(*image, 10, 10), 0xffff0000u);  // the red beneath shows through the hole
    EXPECT_EQ(pixel(*image, 2, 2), 0xff000000u);
}

TEST(UIGraphics, NestedContextsRestoreTheOuterOne) {
    UIGraphicsBeginImageContextWithOptions({2, 2}, false, 1);
    CGContextRef outer = UIGraphicsGetCurrentContext();
    UIGraphicsBeginImageContextWithOptions({1, 1}, false, 1);
    EXPECT_NE(UIGraphicsGetCurrentContext(), outer);
    UIGraphicsPopContext();  // does not end an image context
    EXPECT_NE(UIGraphicsGetCurrentContext(), outer);
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), outer);
    UIGraphicsEndImageContext();
    EXPECT_FALSE(UIGraphicsGetCurrentContext());
}

// The renderer draws what an image context draws, its context current only while the actions run,
// and its image owns the bitmap the actions drew in.
TEST(UIGraphics, ARendererMakesTheImageAnImageContextWouldWithoutACopy) {
    const UIImagePtr expected = sample(2);
    CGContextRef during;
    UIGraphicsBeginImageContextWithOptions({1, 1}, false, 1);
    const CGContextRef outer = UIGraphicsGetCurrentContext();
    const UIImagePtr image =
        UIGraphicsImageRenderer({4, 3}, false, 2).imageWithActions([&](const CGContextRef& c) {
            during = UIGraphicsGetCurrentContext();
            EXPECT_EQ(during, c);
            UIColor::redColor()->set();
            UIRectFill({{0, 0}, {4, 3}});
            UIColor::blueColor()->set();
            UIRectFill({{0, 0}, {1, 1}});
            UIGraphicsBeginImageContextWithOptions({1, 1}, false, 1);  // left open by the actions
        });
    ASSERT_TRUE(image);
    EXPECT_NE(during, outer);
    EXPECT_EQ(during.use_count(), 1);  // only the test holds the renderer's context now
    EXPECT_EQ(image->size(), expected->size());
    EXPECT_EQ(image->scale(), 2);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(pixel(*image, x, y), pixel(*expected, x, y)) << x << "," << y;
    EXPECT_NE(UIGraphicsGetCurrentContext(), outer);  // the actions' own context stays open
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), outer);
    UIGraphicsEndImageContext();

    EXPECT_FALSE(UIGraphicsImageRenderer({2, 2}, true, 1).imageWithActions(nullptr)->hasAlpha());
    EXPECT_THROW(UIGraphicsImageRenderer({2, 2}, false, 1).imageWithActions([](const CGContextRef&) {
        throw std::runtime_error("drawing failed");
    }),
                 std::runtime_error);
    EXPECT_FALSE(UIGraphicsGetCurrentContext());
}

TEST(UIBezierPath, RoundedRectWithHalfSideRadiusIsACircleAndEvenOddMakesARing) {
    auto circle = UIBezierPath::bezierPathWithRoundedRect({{0, 0}, {20, 20}}, 10);
    EXPECT_TRUE(circle->containsPoint({10, 10}));
    EXPECT_FALSE(circle->containsPoint({1, 1}));  // a square corner would contain it
    auto ring = UIBezierPath::bezierPathWithOvalInRect({{0, 0}, {20, 20}});
    ring->appendPath(*UIBezierPath::bezierPathWithOvalInRect({{5, 5}, {10, 10}}));
    ring->usesEvenOddFillRule = true;
    EXPECT_FALSE(ring->containsPoint({10, 10}));
    EXPECT_TRUE(ring->containsPoint({2.5, 10}));
    EXPECT_EQ(ring->bounds(), CGRectMake(0, 0, 20, 20));
}

TEST(UIBezierPath, ArcsWrapToOneTurnAndIgnoreNonFiniteAngles) {
    // Counter-clockwise from 0 to a quarter turn goes the long way round: three quarters of the circle.
    auto arc = UIBezierPath::bezierPathWithArcCenter({10, 10}, 10, 0, M_PI / 2, false);
    EXPECT_TRUE(arc->containsPoint({10, 2}));
    EXPECT_FALSE(arc->containsPoint({17, 17}));
    // A sweep of many turns, either way, stays within one turn and comes back at once (control points
    // of a partial segment may stick out a little).
    for (CGFloat end : {1e6, -1e6, 1e300, -1e300}) {
        for (bool clockwise : {true, false}) {
            auto many = UIBezierPath::bezierPathWithArcCenter({10, 10}, 10, 0, end, clockwise);
            EXPECT_LE(many->bounds().size.width, 22.5);
        }
    }
    auto full = UIBezierPath::bezierPathWithArcCenter({10, 10}, 10, 0, 6 * M_PI, true);
    EXPECT_NEAR(full->bounds().size.width, 20, 1e-6);
    EXPECT_TRUE(full->containsPoint({10, 18}));
    EXPECT_TRUE(UIBezierPath::bezierPathWithArcCenter({0, 0}, 5, 0, NAN, true)->isEmpty());
    EXPECT_TRUE(UIBezierPath::bezierPathWithArcCenter({0, 0}, 5, INFINITY, 1, false)->isEmpty());
}

TEST(CGContext, ClipAlphaAndClearRect) {
    UIGraphicsBeginImageContextWithOptions({10, 10}, false, 1);
    CGContextRef c = UIGraphicsGetCurrentContext();
    c->saveGState();
    UIBezierPath::bezierPathWithRect({{0, 0}, {5, 10}})->addClip();
    c->setAlpha(0.5);
    c->setFillColor(UIColor::blackColor());
    c->fillRect({{0, 0}, {10, 10}});
    c->restoreGState();
    c->clearRect({{0, 0}, {1, 1}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_NEAR(static_cast<int>(pixel(*image, 2, 5) >> 24), 128, 1);
    EXPECT_EQ(pixel(*image, 7, 5), 0u);  // clipped away
    EXPECT_EQ(pixel(*image, 0, 0), 0u);
}

TEST(CGContext, ShadowFallsAtItsOffsetAndIsBlurred) {
    UIGraphicsBeginImageContextWithOptions({60, 60}, false, 1);
    CGContextRef c = UIGraphicsGetCurrentContext();
    c->setShadow({10, 10}, 4, UIColor::blackColor());
    c->setFillColor(UIColor::whiteColor());
    c->fillRect({{5, 5}, {20, 20}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(pixel(*image, 10, 10), 0xffffffffu);           // the shape itself
    EXPECT_EQ(pixel(*image, 25, 25), 0xff000000u);           // deep inside the shadow
    const std::uint32_t edge = pixel(*image, 35, 25) >> 24;  // the shadow's blurred border
    EXPECT_GT(edge, 0u);
    EXPECT_LT(edge, 255u);
    EXPECT_EQ(pixel(*image, 55, 55), 0u);
}

TEST(CGContext, LinearGradientRunsBetweenItsColours) {
    UIGraphicsBeginImageContextWithOptions({100, 1}, true, 1);
    UIGraphicsGetCurrentContext()->drawLinearGradient({UIColor::blackColor(), UIColor::whiteColor()}, {0, 1},
                                                      {0, 0}, {100, 0});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_LT(pixel(*image, 2, 0) & 0xff, 10u);
    EXPECT_NEAR(static_cast<int>(pixel(*image, 50, 0) & 0xff), 128, 4);
    EXPECT_GT(pixel(*image, 97, 0) & 0xff, 245u);
}

TEST(CGContext, TemplateImagesDrawInTheTint) {
    UIImagePtr tmpl = sample()->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate);
    UIGraphicsBeginImageContextWithOptions({4, 3}, false, 1);
    UIGraphicsGetCurrentContext()->drawImage(*tmpl, {{0, 0}, {4, 3}}, UIColor::greenColor());
    UIImagePtr tinted = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsGetCurrentContext()->drawImage(*sample(), {{0, 0}, {4, 3}});
    UIImagePtr plain = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(pixel(*tinted, 0, 0), 0xff00ff00u);
    EXPECT_EQ(pixel(*tinted, 3, 2), 0xff00ff00u);
    EXPECT_TRUE(plain->isEqual(*sample()));
}

TEST(CGContext, ImagesDrawRotatedByTheirOrientation) {
    UIImagePtr up = sample();
    UIImagePtr down = UIImage::imageWithSurface(up->cairoSurface(), 1, UIImageOrientation::Down);
    UIImagePtr right = UIImage::imageWithSurface(up->cairoSurface(), 1, UIImageOrientation::Right);
    EXPECT_EQ(right->size(), CGSizeMake(3, 4));
    UIGraphicsBeginImageContextWithOptions({4, 3}, false, 1);
    down->drawInRect({{0, 0}, {4, 3}});
    UIImagePtr drawn = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(pixel(*drawn, 3, 2), 0xff0000ffu);  // the blue corner moved to the bottom right
    EXPECT_EQ(pixel(*drawn, 0, 0), 0xffff0000u);
}

class NamedImages : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("fv-images-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        write("icon.png", sample(1));
        write("icon@2x.png", sample(2));
        write("icon@3x.png", sample(3));
        write("only@3x.png", sample(3));
        std::ofstream(dir_ / "broken.png") << "junk";
        bundle_ = std::make_shared<NSBundle>(dir_.string(), "test.images");
        UIImage::clearCache();
    }
    void TearDown() override {
        UIImage::setScreenScale(2);
        UIImage::clearCache();
        fs::remove_all(dir_);
    }
    void write(const std::string& name, const UIImagePtr& image) {
        const auto bytes = image->PNGRepresentation();
        std::ofstream(dir_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    fs::path dir_;
    std::shared_ptr<NSBundle> bundle_;
};

TEST_F(NamedImages, PreferTheScreenScaleVariantWithOrWithoutExtension) {
    UIImage::setScreenScale(2);
    UIImagePtr a = UIImage::imageNamed("icon", bundle_);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->scale(), 2);
    EXPECT_EQ(a->size(), CGSizeMake(4, 3));
    EXPECT_EQ(UIImage::imageNamed("icon", bundle_), a);  // cached
    EXPECT_EQ(UIImage::imageNamed("icon.png", bundle_)->scale(), 2);
    EXPECT_EQ(UIImage::imageNamed("only", bundle_)->scale(), 3);
    UIImage::setScreenScale(3);
    EXPECT_EQ(UIImage::imageNamed("icon", bundle_)->scale(), 3);
    UIImage::setScreenScale(1);
    EXPECT_EQ(UIImage::imageNamed("icon", bundle_)->scale(), 1);
}

TEST_F(NamedImages, AbsentOrUnreadableImagesGiveNone) {
    EXPECT_FALSE(UIImage::imageNamed("missing", bundle_));
    EXPECT_FALSE(UIImage::imageNamed("broken", bundle_));
    EXPECT_FALSE(UIImage::imageNamed("icon", nullptr));
}

}  // namespace
}  // namespace fv
