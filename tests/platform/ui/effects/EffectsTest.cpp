#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/graphics/GraphicsContext.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIViewRendering.h"
#include "platform/ui/UIVisualEffectView.h"

namespace fv {
namespace {

class EffectsTest : public TestHostFixture {};

TEST_F(EffectsTest, BlurViewPaintsATranslucentTintThroughItsLayer) {
    auto blur =
        UIVisualEffectView::create(UIBlurEffect::effectWithStyle(UIBlurEffectStyleLight), {{0, 0}, {50, 50}});
    ASSERT_NE(blur->layer()->backgroundColor, nullptr);
    EXPECT_GT(blur->layer()->backgroundColor->alpha(), 0);
    EXPECT_LT(blur->layer()->backgroundColor->alpha(), 1);
    EXPECT_EQ(blur->contentView()->superview(), blur.get());
    blur->setEffect(nullptr);
    EXPECT_EQ(blur->layer()->backgroundColor->alpha(), 0);
}

TEST_F(EffectsTest, BlurSnapshotOverStripes) {
    auto root = UIView::create({{0, 0}, {120, 60}});
    for (int i = 0; i < 6; ++i) {
        auto stripe = UIView::create({{i * 20.0, 0}, {10, 60}});
        stripe->setBackgroundColor(UIColor::colorWithRed(0.1, 0.3, 0.8, 1));
        root->addSubview(stripe);
    }
    root->addSubview(UIVisualEffectView::create(UIBlurEffect::effectWithStyle(UIBlurEffectStyleLight),
                                                {{0, 0}, {60, 60}}));
    root->addSubview(UIVisualEffectView::create(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark),
                                                {{60, 0}, {60, 60}}));
    EXPECT_TRUE(host.snapshot("blur_effect", root));
}

// A 2 x 1 image, black then white, shown 40 points wide: smooth sampling leaves greys in the middle,
// nearest sampling none.
UIImagePtr twoPixels() {
    UIGraphicsBeginImageContextWithOptions({2, 1}, true, 1);
    UIGraphicsGetCurrentContext()->setFillColor(UIColor::blackColor());
    UIGraphicsGetCurrentContext()->fillRect({{0, 0}, {1, 1}});
    UIGraphicsGetCurrentContext()->setFillColor(UIColor::whiteColor());
    UIGraphicsGetCurrentContext()->fillRect({{1, 0}, {1, 1}});
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

// Pixels of the top row neither near black nor near white.
int greyPixels(const UIViewPtr& view) {
    UIImagePtr shot = renderView(*view, 1);
    cairo_surface_t* surface = shot->cairoSurface();
    cairo_surface_flush(surface);
    const unsigned char* row = cairo_image_surface_get_data(surface);
    int greys = 0;
    for (int x = 0; x < shot->pixelWidth(); ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, row + 4 * x, 4);
        const unsigned green = (pixel >> 8) & 0xFF;
        if (green > 20 && green < 235) ++greys;
    }
    return greys;
}

TEST_F(EffectsTest, NearestFiltersKeepHardPixelEdges) {
    auto view = UIImageView::create(twoPixels());
    view->setFrame({{0, 0}, {40, 4}});
    EXPECT_GT(greyPixels(view), 0);
    view->layer()->magnificationFilter = kCAFilterNearest;
    EXPECT_EQ(greyPixels(view), 0);

    auto layered = UIView::create({{0, 0}, {40, 4}});
    layered->layer()->contents = twoPixels();
    EXPECT_GT(greyPixels(layered), 0);
    layered->layer()->magnificationFilter = kCAFilterNearest;
    EXPECT_EQ(greyPixels(layered), 0);
}

}  // namespace
}  // namespace fv
