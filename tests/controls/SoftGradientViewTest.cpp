#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "controls/SoftGradientView.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// ARGB of a pixel of a rendered image.
std::uint32_t pixelAt(const UIImage& image, int x, int y) {
    cairo_surface_t* s = image.cairoSurface();
    cairo_surface_flush(s);
    std::uint32_t v;
    std::memcpy(&v, cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s) + 4 * x, 4);
    return v;
}

struct AngleCase {
    double angle;
    double stored;
    CGPoint start, end;
};

class SoftGradientAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(SoftGradientAngle, StoresTheTurnedAngleAndDerivesThePoints) {
    const auto& c = GetParam();
    auto view = SoftGradientView::create(CGRectMake(0, 0, 100, 100));
    view->setAngleº(c.angle);
    EXPECT_DOUBLE_EQ(view->angleº(), c.stored);
    const auto points = view->startEndPoints();
    EXPECT_DOUBLE_EQ(points.startPoint.x, c.start.x);
    EXPECT_DOUBLE_EQ(points.startPoint.y, c.start.y);
    EXPECT_DOUBLE_EQ(points.endPoint.x, c.end.x);
    EXPECT_DOUBLE_EQ(points.endPoint.y, c.end.y);
}

INSTANTIATE_TEST_SUITE_P(
    EveryQuarter, SoftGradientAngle,
    ::testing::Values(AngleCase{0, 45, {0.5, 0}, {0.5, 1}}, AngleCase{45, 90, {0, 0}, {1, 1}},
                      AngleCase{90, 135, {0, 0.5}, {1, 0.5}}, AngleCase{135, 180, {0, 1}, {1, 0}},
                      AngleCase{180, 225, {0.5, 1}, {0.5, 0}}, AngleCase{225, 270, {1, 1}, {0, 0}},
                      AngleCase{270, 315, {1, 0.5}, {0, 0.5}}, AngleCase{315, 0, {1, 0}, {0, 1}},
                      AngleCase{-90, 315, {1, 0.5}, {0, 0.5}}, AngleCase{-360, 45, {0.5, 0}, {0.5, 1}},
                      AngleCase{720, 45, {0.5, 0}, {0.5, 1}}, AngleCase{-405, 0, {1, 0}, {0, 1}},
                      AngleCase{1035, 0, {1, 0}, {0, 1}}));

TEST(SoftGradientView, NonFiniteAngleIsIgnored) {
    auto view = SoftGradientView::create();
    view->setAngleº(90);
    for (double bad : {kNaN, kInf, -kInf}) {
        view->setAngleº(bad);
        EXPECT_DOUBLE_EQ(view->angleº(), 135);
    }
}

struct LocationCase {
    double ratio, fade;
    double divider, first, second;
};

class SoftGradientLocations : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SoftGradientLocations, DividerAndLocations) {
    const auto& c = GetParam();
    auto view = SoftGradientView::create();
    view->setColorRatio(c.ratio);
    view->setFadeIntensity(c.fade);
    EXPECT_DOUBLE_EQ(view->divider(), c.divider);
    EXPECT_DOUBLE_EQ(view->locations().firstColor, c.first);
    EXPECT_DOUBLE_EQ(view->locations().secondColor, c.second);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SoftGradientLocations,
                         ::testing::Values(LocationCase{0.5, 1, 2, 0, 1}, LocationCase{0.5, 0, 2, 0.5, 0.5},
                                           LocationCase{0.25, 0.5, 4, 0.125, 0.375},
                                           LocationCase{0.75, 0.5, 4, 0.625, 0.875},
                                           LocationCase{0.1, 1, 10, 0, 0.2}, LocationCase{0, 1, kInf, 0, 0},
                                           LocationCase{1, 1, kInf, 1, 1}));

TEST(SoftGradientView, OutOfRangeValuesBecomeOneHalf) {
    auto view = SoftGradientView::create();
    for (double bad : {1.5, -0.1, kNaN, kInf}) {
        view->setColorRatio(0.2);
        view->setFadeIntensity(0.2);
        view->setBlurOpacity(0.2);
        view->setColorRatio(bad);
        view->setFadeIntensity(bad);
        view->setBlurOpacity(bad);
        EXPECT_DOUBLE_EQ(view->colorRatio(), 0.5);
        EXPECT_DOUBLE_EQ(view->fadeIntensity(), 0.5);
        EXPECT_DOUBLE_EQ(view->blurOpacity(), 0.5);
    }
}

TEST(SoftGradientView, DefaultsRunTopToBottomInWhiteWithAHardEdge) {
    auto view = SoftGradientView::create(CGRectMake(0, 0, 10, 10));
    EXPECT_DOUBLE_EQ(view->angleº(), 45);
    EXPECT_DOUBLE_EQ(view->colorRatio(), 0.5);
    EXPECT_DOUBLE_EQ(view->fadeIntensity(), 0);
    EXPECT_FALSE(view->isBlur());
    EXPECT_TRUE(*view->firstColor() == *UIColor::whiteColor());
    EXPECT_TRUE(*view->backgroundColor() == *UIColor::clearColor());
    EXPECT_EQ(view->gradientLayer(), nullptr);
}

class SoftGradientViewTest : public TestHostFixture {};

TEST_F(SoftGradientViewTest, FirstDrawMakesTheBottomLayerAndLaterChangesReachIt) {
    auto view = SoftGradientView::create(CGRectMake(20, 100, 200, 100));
    view->setAngleº(90);
    host.rootScreen()->view()->addSubview(view);
    host.runUntilIdle();
    ASSERT_NE(view->gradientLayer(), nullptr);
    ASSERT_FALSE(view->layer()->sublayers().empty());
    EXPECT_EQ(view->layer()->sublayers().front(), view->gradientLayer());
    EXPECT_EQ(view->gradientLayer()->frame(), CGRectMake(0, 0, 200, 100));
    EXPECT_EQ(view->gradientLayer()->startPoint, CGPointMake(0, 0.5));

    view->setColorRatio(0.25);
    view->setFadeIntensity(0.5);
    ASSERT_EQ(view->gradientLayer()->locations.size(), 2u);
    EXPECT_DOUBLE_EQ(view->gradientLayer()->locations[0], 0.125);
    EXPECT_DOUBLE_EQ(view->gradientLayer()->locations[1], 0.375);
    view->setSecondColor(UIColor::redColor());
    EXPECT_TRUE(*view->gradientLayer()->colors[1] == *UIColor::redColor());
}

TEST_F(SoftGradientViewTest, BlurMakesBothColoursTranslucentOverTheBlurAndGoesAwayWhenOff) {
    auto view = SoftGradientView::create(CGRectMake(20, 100, 200, 100));
    view->setFirstColor(UIColor::redColor());
    view->setSecondColor(UIColor::blueColor());
    view->setIsBlur(true);
    view->setBlurOpacity(1);
    host.rootScreen()->view()->addSubview(view);
    host.runUntilIdle();
    ASSERT_NE(view->gradientLayer(), nullptr);
    for (const auto& c : view->gradientLayer()->colors) EXPECT_NEAR(c->alpha(), 0.4, 1e-12);
    view->setFirstColor(UIColor::greenColor());
    EXPECT_NEAR(view->gradientLayer()->colors[0]->alpha(), 0.4, 1e-12);
    ASSERT_NE(view->blurView(), nullptr);
    const auto& layers = view->layer()->sublayers();
    ASSERT_GE(layers.size(), 2u);
    EXPECT_EQ(layers[0], view->blurView()->layer());
    EXPECT_EQ(layers[1], view->gradientLayer());

    view->setIsBlur(false);
    view->setNeedsDisplay();
    host.runUntilIdle();
    EXPECT_EQ(view->blurView(), nullptr);
    EXPECT_EQ(view->layer()->sublayers().front(), view->gradientLayer());
    EXPECT_DOUBLE_EQ(view->gradientLayer()->colors[0]->alpha(), 1);
}

TEST_F(SoftGradientViewTest, HardEdgeSplitsTheColoursAtTheRatio) {
    auto view = SoftGradientView::create(CGRectMake(0, 0, 100, 100));
    view->setFirstColor(UIColor::redColor());
    view->setSecondColor(UIColor::blueColor());
    view->setColorRatio(0.25);
    host.rootScreen()->view()->addSubview(view);
    host.runUntilIdle();
    auto image = renderView(*view, 1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pixelAt(*image, 50, 20), 0xffff0000u);
    EXPECT_EQ(pixelAt(*image, 50, 30), 0xff0000ffu);
}

TEST_F(SoftGradientViewTest, InterfaceFileSetsThePropertiesByName) {
    auto nib = UINib::nibWithXML(R"(<interface>
  <SoftGradientView id="band" frame="0 0 200 100" firstColor="#FF0000" secondColor="#0000FF"
                    angleº="90" colorRatio="0.25" fadeIntensity="0.5" isBlur="YES" blurOpacity="2"/>
</interface>)",
                                 "GradientSample");
    auto objects = nib->instantiateWithOwner(nullptr);
    ASSERT_TRUE(nib->errors().empty()) << nib->errors().front();
    ASSERT_EQ(objects.size(), 1u);
    auto view = std::dynamic_pointer_cast<SoftGradientView>(objects.front());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(*view->firstColor() == *UIColor::redColor());
    EXPECT_DOUBLE_EQ(view->angleº(), 135);
    EXPECT_DOUBLE_EQ(view->locations().firstColor, 0.125);
    EXPECT_TRUE(view->isBlur());
    EXPECT_DOUBLE_EQ(view->blurOpacity(), 0.5);
}

TEST_F(SoftGradientViewTest, SnapshotSoftDiagonal) {
    auto view = SoftGradientView::create(CGRectMake(20, 120, 335, 200));
    view->setFirstColor(UIColor::colorWithRed(0.05, 0.25, 0.32, 1));
    view->setSecondColor(UIColor::colorWithRed(0.1, 0.7, 0.6, 1));
    view->setAngleº(45);
    view->setColorRatio(0.5);
    view->setFadeIntensity(0.6);
    host.rootScreen()->view()->addSubview(view);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("SoftGradientDiagonal", view));
}

}  // namespace
}  // namespace fv
