#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdio>
#include <filesystem>

#include "platform/graphics/UIImage.h"
#include "platform/ui/CAGradientLayer.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {
namespace {

struct Pixel {
    int r, g, b, a;
};

Pixel pixelAt(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    std::uint32_t v = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    return {int((v >> 16) & 0xff), int((v >> 8) & 0xff), int(v & 0xff), int(v >> 24)};
}

class CountingView : public UIView {
  public:
    using UIView::UIView;
    void drawRect(CGRect) override {
        auto c = UIGraphicsGetCurrentContext();
        c->setFillColor(UIColor::blueColor());
        c->fillRect({{0, 0}, {4, 4}});
    }
};

// A 40 x 40 white card with a red 4-point border, rounded corners clipping a green child, on black.
UIViewPtr makeCard() {
    auto root = UIView::create({{0, 0}, {60, 60}});
    root->setBackgroundColor(UIColor::blackColor());
    auto card = UIView::create({{10, 10}, {40, 40}});
    card->setBackgroundColor(UIColor::whiteColor());
    card->layer()->borderWidth = 4;
    card->layer()->borderColor = UIColor::redColor();
    card->layer()->cornerRadius = 15;
    card->setClipsToBounds(true);
    auto child = UIView::create({{0, 0}, {40, 20}});
    child->setBackgroundColor(UIColor::greenColor());
    card->addSubview(child);
    root->addSubview(card);
    auto hidden = UIView::create({{0, 0}, {60, 60}});
    hidden->setBackgroundColor(UIColor::blueColor());
    hidden->setHidden(true);
    root->addSubview(hidden);
    return root;
}

TEST(RenderTest, BackgroundBorderAndCornerClipAtScale) {
    auto root = makeCard();
    for (int scale : {1, 3}) {
        auto image = renderView(*root, scale);
        ASSERT_TRUE(image);
        ASSERT_EQ(image->pixelWidth(), 60 * scale);
        auto at = [&](int x, int y) { return pixelAt(*image, x * scale + scale / 2, y * scale + scale / 2); };
        Pixel outside = at(2, 2);
        EXPECT_EQ(outside.r + outside.g + outside.b, 0);  // black, the hidden blue view is not drawn
        Pixel corner = at(11, 11);                        // clipped away by the radius
        EXPECT_EQ(corner.g, 0);
        EXPECT_EQ(corner.r, 0);
        Pixel childPx = at(30, 20);
        EXPECT_EQ(childPx.g, 255);
        EXPECT_EQ(childPx.r, 0);
        Pixel border = at(30, 48);  // bottom border, drawn above the content
        EXPECT_EQ(border.r, 255);
        EXPECT_EQ(border.g, 0);
        Pixel body = at(30, 40);
        EXPECT_EQ(body.r + body.g + body.b, 3 * 255);
    }
}

TEST(RenderTest, WritesPngAndDrawsDrawRectGradientsAndAlpha) {
    auto root = UIView::create({{0, 0}, {20, 20}});
    root->setBackgroundColor(UIColor::whiteColor());
    auto drawn = std::make_shared<CountingView>(CGRect{{10, 10}, {10, 10}});
    drawn->setAlpha(0.5);
    root->addSubview(drawn);
    auto gradient = CAGradientLayer::create();
    gradient->setFrame({{0, 0}, {10, 10}});
    gradient->colors = {UIColor::redColor(), UIColor::redColor()};
    root->layer()->addSublayer(gradient);

    auto image = renderView(*root, 1);
    ASSERT_TRUE(image);
    EXPECT_EQ(drawn->drawCount(), 1);
    Pixel blue = pixelAt(*image, 11, 11);
    EXPECT_NEAR(blue.b, 255, 1);
    EXPECT_NEAR(blue.r, 128, 2);  // half over white
    Pixel red = pixelAt(*image, 5, 5);
    EXPECT_EQ(red.r, 255);
    EXPECT_EQ(red.g, 0);

    auto path = std::filesystem::temp_directory_path() / "fv_render_test.png";
    ASSERT_TRUE(renderViewToPNG(*root, path.string(), 2));
    auto loaded = UIImage::imageWithContentsOfFile(path.string());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->pixelWidth(), 40);
    std::filesystem::remove(path);
    EXPECT_FALSE(renderViewToPNG(*UIView::create(), path.string(), 1));  // empty view
}

}  // namespace
}  // namespace fv
