#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "controls/UIImageCrop.h"
#include "controls/UIImageViewImageRect.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewRendering.h"
#include "tests/support/Pixels.h"

namespace fv {
namespace {

constexpr std::uint32_t kRed = 0xffff0000, kGreen = 0xff00ff00, kBlue = 0xff0000ff, kYellow = 0xffffff00;

using test::pixelAt;

UIColorPtr colorOf(std::uint32_t argb) {
    return UIColor::colorWithRed(((argb >> 16) & 0xff) / 255.0, ((argb >> 8) & 0xff) / 255.0,
                                 (argb & 0xff) / 255.0, 1);
}

// Four solid quadrants: red top left, green top right, blue bottom left, yellow bottom right.
UIImagePtr quadrants(CGFloat w, CGFloat h, CGFloat scale = 1) {
    UIGraphicsBeginImageContextWithOptions(CGSizeMake(w, h), true, scale);
    auto c = UIGraphicsGetCurrentContext();
    const std::uint32_t colours[] = {kRed, kGreen, kBlue, kYellow};
    for (int i = 0; i < 4; ++i) {
        c->setFillColor(colorOf(colours[i]));
        c->fillRect(CGRectMake((i % 2) * w / 2, (i / 2) * h / 2, w / 2, h / 2));
    }
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

class ImageCropTest : public TestHostFixture {
  protected:
    CGFloat screenScale() const { return UIScreen::mainScreen()->scale(); }
};

TEST_F(ImageCropTest, WholeFrameKeepsThePixelsOpaqueAtTheScreenScale) {
    auto image = quadrants(40, 20, screenScale());
    auto crop = croppedImageWithFrame(image, CGRectMake(0, 0, 40, 20), 0, false);
    ASSERT_NE(crop, nullptr);
    EXPECT_FALSE(hasAlpha(*crop));
    EXPECT_TRUE(crop->isEqual(*image));
}

TEST_F(ImageCropTest, ResultCarriesTheScreenScaleWhateverTheSource) {
    auto image = quadrants(40, 20, 1);
    auto crop = croppedImageWithFrame(image, CGRectMake(20, 0, 20, 10), 0, false);
    ASSERT_NE(crop, nullptr);
    EXPECT_EQ(crop->scale(), screenScale());
    EXPECT_EQ(crop->pixelWidth(), 20);
    EXPECT_EQ(crop->pixelHeight(), 10);
    EXPECT_EQ(pixelAt(*crop, 0, 0), kGreen);
    EXPECT_EQ(pixelAt(*crop, 19, 9), kGreen);
}

TEST_F(ImageCropTest, CircularClipLeavesTheCornersTransparent) {
    auto image = quadrants(40, 40, 1);
    auto crop = croppedImageWithFrame(image, CGRectMake(10, 10, 20, 20), 0, true);
    ASSERT_NE(crop, nullptr);
    EXPECT_TRUE(hasAlpha(*crop));
    for (auto [x, y] : {std::pair{0, 0}, {19, 0}, {0, 19}, {19, 19}, {1, 1}})
        EXPECT_EQ(pixelAt(*crop, x, y), 0u);
    EXPECT_EQ(pixelAt(*crop, 5, 5), kRed);
    EXPECT_EQ(pixelAt(*crop, 14, 5), kGreen);
    EXPECT_EQ(pixelAt(*crop, 5, 14), kBlue);
    EXPECT_EQ(pixelAt(*crop, 14, 14), kYellow);
    EXPECT_GT(pixelAt(*crop, 10, 0) >> 24, 0xc0u);  // the circle touches the frame's edges
}

TEST_F(ImageCropTest, AngleTurnsThePictureAndTheFrameIsMeasuredInTheTurnedBox) {
    auto image = quadrants(40, 20, 1);
    // A quarter turn clockwise: the picture is 20 wide and 40 tall, its left half now on top.
    auto crop = croppedImageWithFrame(image, CGRectMake(0, 0, 20, 40), 90, false);
    ASSERT_NE(crop, nullptr);
    EXPECT_EQ(pixelAt(*crop, 15, 5), kRed);
    EXPECT_EQ(pixelAt(*crop, 5, 5), kBlue);
    EXPECT_EQ(pixelAt(*crop, 15, 35), kGreen);
    EXPECT_EQ(pixelAt(*crop, 5, 35), kYellow);
    auto half = croppedImageWithFrame(image, CGRectMake(10, 20, 10, 20), 90, false);
    ASSERT_NE(half, nullptr);
    EXPECT_EQ(pixelAt(*half, 5, 10), kGreen);
}

TEST_F(ImageCropTest, NothingToCropGivesNoImage) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    auto image = quadrants(40, 20, 1);
    EXPECT_EQ(croppedImageWithFrame(nullptr, CGRectMake(0, 0, 10, 10), 0, false), nullptr);
    EXPECT_EQ(croppedImageWithFrame(std::make_shared<UIImage>(), CGRectMake(0, 0, 10, 10), 0, false),
              nullptr);
    for (CGRect bad : {CGRectMake(0, 0, 0, 10), CGRectMake(0, 0, 10, -1), CGRectMake(nan, 0, 10, 10),
                       CGRectMake(0, 0, inf, 10), CGRectMake(0, 0, 1e7, 1e7)}) {
        EXPECT_EQ(croppedImageWithFrame(image, bad, 0, false), nullptr);
        EXPECT_EQ(croppedImageWithFrame(image, bad, 30, true), nullptr);
    }
}

// cropRectForFrame takes the picture as shown aspect-fit, whatever the view's mode.
class CropRectForEveryMode : public ::testing::TestWithParam<int> {};

TEST_P(CropRectForEveryMode, MapsTheAspectFitPicture) {
    auto tall = UIImageView::create(CGRectMake(0, 0, 300, 300));
    tall->setImage(quadrants(1000, 2000));
    tall->setContentMode(UIViewContentMode(GetParam()));
    EXPECT_EQ(cropRectForFrame(*tall, CGRectMake(75, 0, 150, 300)), CGRectMake(0, 0, 1000, 2000));
    EXPECT_EQ(cropRectForFrame(*tall, CGRectMake(150, 150, 75, 150)), CGRectMake(500, 1000, 500, 1000));

    auto wide = UIImageView::create(CGRectMake(0, 0, 100, 100));
    wide->setImage(quadrants(200, 100));
    wide->setContentMode(UIViewContentMode(GetParam()));
    EXPECT_EQ(cropRectForFrame(*wide, CGRectMake(50, 25, 50, 25)), CGRectMake(100, 0, 100, 50));
}

TEST_P(CropRectForEveryMode, CroppedPixelsAreThoseUnderTheFrame) {
    auto view = UIImageView::create(CGRectMake(0, 0, 100, 100));
    view->setImage(quadrants(200, 100));
    view->setContentMode(UIViewContentMode(GetParam()));
    const struct {
        CGRect frame;
        std::uint32_t colour;
    } frames[] = {{CGRectMake(0, 25, 50, 25), kRed},
                  {CGRectMake(50, 25, 50, 25), kGreen},
                  {CGRectMake(0, 50, 50, 25), kBlue},
                  {CGRectMake(50, 50, 50, 25), kYellow}};
    for (const auto& f : frames) {
        auto crop = croppedImageWithFrame(view->image(), cropRectForFrame(*view, f.frame), 0, false);
        ASSERT_NE(crop, nullptr);
        for (auto [x, y] : {std::pair{0, 0}, {crop->pixelWidth() - 1, crop->pixelHeight() - 1}})
            EXPECT_EQ(pixelAt(*crop, x, y), f.colour);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, CropRectForEveryMode, ::testing::Range(0, 13));

TEST(CropRectForFrame, NoImageOrNoSizeOrNonFiniteGivesTheZeroRectangle) {
    auto view = UIImageView::create(CGRectMake(0, 0, 100, 100));
    EXPECT_EQ(cropRectForFrame(*view, CGRectMake(0, 0, 10, 10)), CGRectZero);
    view->setImage(std::make_shared<UIImage>());
    EXPECT_EQ(cropRectForFrame(*view, CGRectMake(0, 0, 10, 10)), CGRectZero);
    view->setImage(quadrants(20, 20));
    EXPECT_EQ(cropRectForFrame(*view, CGRectMake(std::numeric_limits<double>::quiet_NaN(), 0, 10, 10)),
              CGRectZero);
    view->setBounds(CGRectMake(0, 0, 0, 100));
    EXPECT_EQ(cropRectForFrame(*view, CGRectMake(0, 0, 10, 10)), CGRectZero);
}

TEST(CropRectForFrame, ValuesAreInSinglePrecision) {
    auto view = UIImageView::create(CGRectMake(0, 0, 300, 300));
    view->setImage(quadrants(700, 300));
    const CGRect r = cropRectForFrame(*view, CGRectMake(10, 10, 100, 100));
    EXPECT_EQ(r.origin.y, double(float(r.origin.y)));
    EXPECT_EQ(r.size.width, double(float(100 / (300.0 / 700))));
}

// The converters against the platform's own drawing: the centre of each quadrant of the image lands on
// a view pixel of that quadrant's colour, and converting back gives the image point again.
class ConvertForEveryMode : public ImageCropTest, public ::testing::WithParamInterface<int> {};

TEST_P(ConvertForEveryMode, ImagePointsLandOnTheirPixels) {
    auto view = UIImageView::create(CGRectMake(0, 0, 90, 100));
    view->setImage(quadrants(60, 40));
    view->setContentMode(UIViewContentMode(GetParam()));
    auto drawn = renderView(*view, 1);
    ASSERT_NE(drawn, nullptr);
    const struct {
        CGPoint p;
        std::uint32_t colour;
    } samples[] = {{{15, 10}, kRed}, {{45, 10}, kGreen}, {{15, 30}, kBlue}, {{45, 30}, kYellow}};
    for (const auto& s : samples) {
        const CGPoint v = convertPointFromImage(*view, s.p);
        const CGPoint back = convertPointFromView(*view, v);
        EXPECT_NEAR(back.x, s.p.x, 1e-9);
        EXPECT_NEAR(back.y, s.p.y, 1e-9);
        if (v.x < 0 || v.y < 0 || v.x >= 90 || v.y >= 100) continue;
        EXPECT_EQ(pixelAt(*drawn, int(v.x), int(v.y)), s.colour) << "mode " << GetParam();
    }
    const CGRect imageRect = CGRectMake(0, 0, 60, 40);
    const CGRect shown = convertRectFromImage(*view, imageRect);
    EXPECT_EQ(shown, imageRectForContentMode(view->bounds(), CGSizeMake(60, 40), view->contentMode()));
    const CGRect back = convertRectFromView(*view, shown);
    EXPECT_NEAR(back.size.width, 60, 1e-9);
    EXPECT_NEAR(back.size.height, 40, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Modes, ConvertForEveryMode, ::testing::Range(0, 13));

TEST(ImageViewConversions, NoImageOrNoSizeLeavesPointsAlone) {
    auto view = UIImageView::create(CGRectMake(0, 0, 90, 100));
    EXPECT_EQ(convertPointFromImage(*view, CGPointMake(3, 4)), CGPointMake(3, 4));
    view->setImage(std::make_shared<UIImage>());
    EXPECT_EQ(convertPointFromView(*view, CGPointMake(3, 4)), CGPointMake(3, 4));
    view->setImage(quadrants(60, 40));
    view->setBounds(CGRectZero);
    EXPECT_EQ(convertRectFromView(*view, CGRectMake(3, 4, 5, 6)), CGRectMake(3, 4, 5, 6));
}

}  // namespace
}  // namespace fv
