#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/ShadowCache.h"
#include "platform/graphics/UIImage.h"

namespace fv {
namespace {

std::uint32_t alphaAt(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    cairo_surface_flush(s);
    std::uint32_t v;
    std::memcpy(&v, cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x, 4);
    return v >> 24;
}

struct ClipEdge {
    const char* name;
    CGRect clip;
    int x, y;  // a pixel just inside the clip, at its edge
};

class ShadowAtClipEdge : public ::testing::TestWithParam<ClipEdge> {};

// The shape lies wholly outside the picture; only its shadow falls in, and it runs on past the clip.
// Where the clip cuts it, it is as dark as anywhere inside.
TEST_P(ShadowAtClipEdge, StaysFullWhereTheClipCutsIt) {
    const ClipEdge& edge = GetParam();
    UIGraphicsBeginImageContextWithOptions({100, 100}, false, 2);
    CGContextRef c = UIGraphicsGetCurrentContext();
    c->clipToRect(edge.clip);
    c->setShadow({0, 200}, 6, UIColor::blackColor());
    c->fillRect({{-100, -300}, {300, 300}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(alphaAt(*image, edge.x, edge.y), 255u) << edge.name;
}

INSTANTIATE_TEST_SUITE_P(Edges, ShadowAtClipEdge,
                         ::testing::Values(ClipEdge{"bottom", {{0, 0}, {100, 50}}, 100, 99},
                                           ClipEdge{"top", {{0, 50}, {100, 50}}, 100, 100},
                                           ClipEdge{"left", {{50, 0}, {50, 100}}, 100, 100},
                                           ClipEdge{"right", {{0, 0}, {50, 100}}, 99, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

UIImagePtr shadowedShapes(ShadowCache* cache, CGFloat dx, CGFloat radius) {
    UIGraphicsBeginImageContextWithOptions({80, 60}, false, 3);
    CGContextRef c = UIGraphicsGetCurrentContext();
    c->setShadowCache(cache);
    c->setShadow({0, 3}, 8, UIColor::colorWithRed(0, 0, 0, 0.4));
    c->setFillColor(UIColor::whiteColor());
    c->translateCTM(dx, 0);
    c->beginPath();
    c->addRoundedRect({{10, 10}, {40, 30}}, radius);
    c->fillPath();
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

TEST(ShadowCache, ReusesTheMaskUntilTheShapeChanges) {
    ShadowCache cache;
    const UIImagePtr fresh = shadowedShapes(nullptr, 0, 8);
    EXPECT_TRUE(shadowedShapes(&cache, 0, 8)->isEqual(*fresh));
    EXPECT_TRUE(shadowedShapes(&cache, 0, 8)->isEqual(*fresh));
    EXPECT_EQ(cache.misses(), 1);
    // Moved by whole pixels (a layer moved by a point at scale 3): the same mask, drawn elsewhere.
    EXPECT_TRUE(shadowedShapes(&cache, 1, 8)->isEqual(*shadowedShapes(nullptr, 1, 8)));
    EXPECT_EQ(cache.misses(), 1);
    // Another corner radius is another shape.
    EXPECT_TRUE(shadowedShapes(&cache, 0, 4)->isEqual(*shadowedShapes(nullptr, 0, 4)));
    EXPECT_EQ(cache.misses(), 2);
}

TEST(ShadowCache, IsNotUsedOnceTheStateIsRestored) {
    ShadowCache cache;
    UIGraphicsBeginImageContextWithOptions({40, 40}, false, 1);
    CGContextRef c = UIGraphicsGetCurrentContext();
    c->setShadow({0, 2}, 4, UIColor::blackColor());
    c->saveGState();
    c->setShadowCache(&cache);
    c->fillRect({{5, 5}, {10, 10}});
    c->restoreGState();
    c->fillRect({{20, 20}, {10, 10}});
    UIGraphicsEndImageContext();
    EXPECT_EQ(cache.misses(), 1);
}

}  // namespace
}  // namespace fv
