#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/location/CLLocation.h"

namespace fv {
namespace {

struct CoordinateCase {
    double latitude, longitude;
    bool valid;
};

class CoordinateValidity : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(CoordinateValidity, HoldsWithinRangesOnly) {
    const auto& c = GetParam();
    EXPECT_EQ(CLLocationCoordinate2DIsValid(CLLocationCoordinate2DMake(c.latitude, c.longitude)), c.valid)
        << c.latitude << ", " << c.longitude;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Ranges, CoordinateValidity,
                         ::testing::Values(CoordinateCase{0, 0, true}, CoordinateCase{90, 180, true},
                                           CoordinateCase{-90, -180, true}, CoordinateCase{90.0001, 0, false},
                                           CoordinateCase{0, -180.0001, false},
                                           CoordinateCase{kNaN, 0, false}, CoordinateCase{0, kNaN, false},
                                           CoordinateCase{-180, -180, false},
                                           CoordinateCase{INFINITY, 0, false}));

TEST(CLLocation, DistanceIsGreatCircle) {
    const CLLocation paris(48.8566, 2.3522), london(51.5074, -0.1278);
    EXPECT_NEAR(paris.distanceFromLocation(london), 343'500, 1'500);
    EXPECT_DOUBLE_EQ(paris.distanceFromLocation(london), london.distanceFromLocation(paris));
    EXPECT_EQ(paris.distanceFromLocation(paris), 0.0);
    // A quarter of the meridian, and two points across the antimeridian that are close together.
    EXPECT_NEAR(CLLocation(0, 0).distanceFromLocation(CLLocation(90, 0)), 10'007'543, 100);
    EXPECT_NEAR(CLLocation(0, 179.999).distanceFromLocation(CLLocation(0, -179.999)), 222.4, 1);
    EXPECT_TRUE(std::isnan(paris.distanceFromLocation(CLLocation(kNaN, 0))));
}

}  // namespace
}  // namespace fv
