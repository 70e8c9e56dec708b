#include <gtest/gtest.h>

#include "onboarding/capture/CameraCircularOverlayView.h"
#include "onboarding/capture/CameraOverlayView.h"
#include "platform/ui/UIViewRendering.h"
#include "tests/onboarding/capture/CaptureTestSupport.h"

namespace fv::wizard_test {
namespace {

// The overlay alone over nothing, at scale 1: what it leaves clear shows as alpha 0.
UIImagePtr drawn(const UIViewPtr& overlay) {
    overlay->setOpaque(false);
    overlay->setBackgroundColor(UIColor::clearColor());
    return renderView(*overlay, 1);
}

std::uint32_t alphaAt(const UIImagePtr& image, CGFloat x, CGFloat y) {
    return pixelAt(*image, int(x), int(y)) >> 24;
}

constexpr std::uint32_t kMaskAlpha = 204;  // black at 80 %

class CameraOverlayTest : public CaptureTest, public ::testing::WithParamInterface<CGFloat> {};

TEST_P(CameraOverlayTest, LeavesTheCardWindowClearAndWritesIt) {
    const CGFloat width = GetParam();
    auto overlay = std::make_shared<CameraOverlayView>(CGRectMake(0, 0, width, 480));
    EXPECT_TRUE(CGRectIsEmpty(ThemeManager::sharedInstance()->cameraOverlayRect())) << "zero until drawn";
    auto image = drawn(overlay);
    const CGRect w = CGRectMake(30, 55, width - 60, 250);
    EXPECT_TRUE(CGRectEqualToRect(ThemeManager::sharedInstance()->cameraOverlayRect(), w));
    // Clear inside, just within the white frame line.
    for (auto [x, y] : {std::pair{w.origin.x + 3, w.origin.y + 3},
                        {CGRectGetMidX(w), CGRectGetMidY(w)},
                        {CGRectGetMaxX(w) - 3, CGRectGetMaxY(w) - 3}})
        EXPECT_EQ(alphaAt(image, x, y), 0u) << x << "," << y;
    // Masked everywhere else, below the window too.
    for (auto [x, y] : {std::pair{5.0, 5.0},
                        {15.0, 200.0},
                        {width - 10, 200},
                        {width / 2, 40},
                        {width / 2, 340},
                        {width / 2, 470}})
        EXPECT_NEAR(alphaAt(image, x, y), kMaskAlpha, 2) << x << "," << y;
    // The white frame on the window's edge.
    EXPECT_EQ(pixelAt(*image, int(CGRectGetMidX(w)), int(w.origin.y)) & 0x00ffffff, 0x00ffffffu);
}

TEST_P(CameraOverlayTest, LeavesTheCircleClearWithARingOutsideAndWritesItsSquare) {
    const CGFloat width = GetParam();
    auto overlay = std::make_shared<CameraCircularOverlayView>(CGRectMake(0, 0, width, 600));
    EXPECT_TRUE(CGRectIsEmpty(ThemeManager::sharedInstance()->cameraCircularOverlayRect()));
    auto image = drawn(overlay);
    const CGFloat d = width - 60, r = d / 2, cx = 30 + r, cy = 55 + r;
    EXPECT_TRUE(CGRectEqualToRect(ThemeManager::sharedInstance()->cameraCircularOverlayRect(),
                                  CGRectMake(30, 55, d, d)));
    EXPECT_EQ(alphaAt(image, cx, cy), 0u);
    EXPECT_EQ(alphaAt(image, cx, 55 + 3), 0u) << "clear up to the edge";
    EXPECT_EQ(alphaAt(image, cx, 55 + d - 3), 0u);
    // The square's corners lie outside the circle: masked, as is everything below it.
    for (auto [x, y] : {std::pair{33.0, 58.0}, {30 + d - 3, 58}, {cx, 55 + d + 40}, {cx, 590}, {5, 5}})
        EXPECT_NEAR(alphaAt(image, x, y), kMaskAlpha, 2) << x << "," << y;
    // The ring shows only outside the circle's edge: light there, clear just inside.
    const std::uint32_t ring = pixelAt(*image, int(cx), 54);
    EXPECT_GT((ring >> 16) & 0xff, 0x80u) << std::hex << ring;
}

INSTANTIATE_TEST_SUITE_P(Widths, CameraOverlayTest, ::testing::Values(320.0, 375.0));

}  // namespace
}  // namespace fv::wizard_test
