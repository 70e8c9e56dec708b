#include <gtest/gtest.h>

#include <cmath>

#include "platform/location/MKGeometry.h"

namespace fv {
namespace {

struct DistanceCase {
    double latitude;
    double meters;
    double latitudeDelta, longitudeDelta;  // worked by hand: metres / (6371008.8 * pi / 180) [/ cos lat]
};

class RegionFromDistance : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(RegionFromDistance, ConvertsMetresToDegrees) {
    const auto& c = GetParam();
    const auto region = MKCoordinateRegionMakeWithDistance({c.latitude, 10}, c.meters, c.meters);
    EXPECT_EQ(region.center, CLLocationCoordinate2DMake(c.latitude, 10));
    EXPECT_NEAR(region.span.latitudeDelta, c.latitudeDelta, 1e-9);
    EXPECT_NEAR(region.span.longitudeDelta, c.longitudeDelta, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(WorkedNumbers, RegionFromDistance,
                         ::testing::Values(DistanceCase{0, 300, 0.002697961091, 0.002697961091},
                                           DistanceCase{60, 300, 0.002697961091, 0.005395922182},
                                           DistanceCase{40.7128, 1000, 0.008993203637, 0.011864562603},
                                           DistanceCase{90, 1000, 0.008993203637, 360}));

TEST(RegionFromDistanceTest, SpansTheDistanceCLLocationMeasures) {
    const auto region = MKCoordinateRegionMakeWithDistance({51.5, -0.12}, 300, 300);
    const CLLocation south(51.5 - region.span.latitudeDelta / 2, -0.12);
    const CLLocation north(51.5 + region.span.latitudeDelta / 2, -0.12);
    EXPECT_NEAR(south.distanceFromLocation(north), 300, 1e-6);
}

TEST(RegionForCoordinatesTest, FitsEveryPointWithAMargin) {
    auto region = MKCoordinateRegionForCoordinates({{40.70, -74.02}, {40.76, -73.96}, {40.72, -74.00}});
    ASSERT_TRUE(region);
    EXPECT_NEAR(region->center.latitude, 40.73, 1e-12);
    EXPECT_NEAR(region->center.longitude, -73.99, 1e-12);
    EXPECT_NEAR(region->span.latitudeDelta, 0.06 * 1.3, 1e-12);
    EXPECT_NEAR(region->span.longitudeDelta, 0.06 * 1.3, 1e-12);
}

TEST(RegionForCoordinatesTest, OnePointGetsTheMinimumSpanAndInvalidOnesAreSkipped) {
    auto region = MKCoordinateRegionForCoordinates({{10, 20}, kCLLocationCoordinate2DInvalid});
    ASSERT_TRUE(region);
    EXPECT_EQ(region->center, CLLocationCoordinate2DMake(10, 20));
    EXPECT_EQ(region->span, MKCoordinateSpanMake(MKRegionMinimumSpan, MKRegionMinimumSpan));
    EXPECT_FALSE(MKCoordinateRegionForCoordinates({}));
    EXPECT_FALSE(MKCoordinateRegionForCoordinates({kCLLocationCoordinate2DInvalid}));
}

TEST(RegionNormalizedTest, ClampsWrapsAndRefusesNaN) {
    auto r = MKCoordinateRegionNormalized({{95, 190}, {-0.5, 400}});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->center.latitude, 90);
    EXPECT_NEAR(r->center.longitude, -170, 1e-12);
    EXPECT_EQ(r->span.latitudeDelta, 0.5);
    EXPECT_EQ(r->span.longitudeDelta, 360);
    EXPECT_FALSE(MKCoordinateRegionNormalized({{NAN, 0}, {1, 1}}));
    EXPECT_FALSE(MKCoordinateRegionNormalized({{0, 0}, {1, NAN}}));
}

}  // namespace
}  // namespace fv
