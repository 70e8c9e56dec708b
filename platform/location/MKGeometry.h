#pragma once
// Map regions: a centre and the span of latitude and longitude shown around it. Distances convert to
// degrees on the same sphere CLLocation measures on, so a region made from 300 m spans 300 m.
#include <optional>
#include <vector>

#include "platform/location/CLLocation.h"

namespace fv {

struct MKCoordinateSpan {
    CLLocationDegrees latitudeDelta = 0, longitudeDelta = 0;
    bool operator==(const MKCoordinateSpan&) const = default;
};

struct MKCoordinateRegion {
    CLLocationCoordinate2D center;
    MKCoordinateSpan span;
    bool operator==(const MKCoordinateRegion&) const = default;
};

inline MKCoordinateSpan MKCoordinateSpanMake(CLLocationDegrees latitudeDelta,
                                             CLLocationDegrees longitudeDelta) {
    return {latitudeDelta, longitudeDelta};
}

inline MKCoordinateRegion MKCoordinateRegionMake(CLLocationCoordinate2D center, MKCoordinateSpan span) {
    return {center, span};
}

// Metres along a meridian in one degree of latitude.
double MKMetersPerDegreeOfLatitude();

// A region of `latitudinalMeters` north to south and `longitudinalMeters` east to west around
// `center`: degrees of latitude = metres / metres per degree; degrees of longitude likewise, divided
// by cos(latitude), at most 360 (near the poles a degree of longitude shrinks to nothing).
MKCoordinateRegion MKCoordinateRegionMakeWithDistance(CLLocationCoordinate2D center,
                                                      CLLocationDistance latitudinalMeters,
                                                      CLLocationDistance longitudinalMeters);

// The smallest region holding every coordinate, widened by `MKRegionFitMargin` on each side and at
// least `MKRegionMinimumSpan` degrees wide each way. Longitudes are taken as given (no wrap across
// the 180th meridian). None for an empty list or invalid coordinates only.
inline constexpr double MKRegionFitMargin = 0.15;
inline constexpr double MKRegionMinimumSpan = 0.005;
std::optional<MKCoordinateRegion> MKCoordinateRegionForCoordinates(
    const std::vector<CLLocationCoordinate2D>& coordinates);

// A region the map can show: latitude within [-90, 90], longitude wrapped into [-180, 180), spans
// within (0, 180] and (0, 360]. None when any value is not a number.
std::optional<MKCoordinateRegion> MKCoordinateRegionNormalized(MKCoordinateRegion region);

}  // namespace fv
