#pragma once
// A device location: a coordinate in degrees, its accuracy, altitude and the time of the fix.
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

using CLLocationDegrees = double;
using CLLocationDistance = double;  // metres
using CLLocationAccuracy = double;  // metres; negative when unknown

struct CLLocationCoordinate2D {
    CLLocationDegrees latitude = 0, longitude = 0;
    bool operator==(const CLLocationCoordinate2D&) const = default;
};

inline CLLocationCoordinate2D CLLocationCoordinate2DMake(CLLocationDegrees latitude,
                                                         CLLocationDegrees longitude) {
    return {latitude, longitude};
}

// Latitude within [-90, 90] and longitude within [-180, 180], neither NaN.
bool CLLocationCoordinate2DIsValid(CLLocationCoordinate2D coordinate);

// The sphere distances and map regions are measured on, in metres.
inline constexpr double kCLEarthMeanRadius = 6371008.8;

// The coordinate no fix has, as the platform reports it.
inline constexpr CLLocationCoordinate2D kCLLocationCoordinate2DInvalid{-180.0, -180.0};

class CLLocation {
  public:
    CLLocation() = default;
    // initWithLatitude:longitude: accuracy 0, altitude 0, timestamp as given.
    CLLocation(CLLocationDegrees latitude, CLLocationDegrees longitude, Date timestamp = {});
    CLLocation(CLLocationCoordinate2D coordinate, CLLocationDistance altitude,
               CLLocationAccuracy horizontalAccuracy, Date timestamp);

    CLLocationCoordinate2D coordinate() const { return coordinate_; }
    CLLocationAccuracy horizontalAccuracy() const { return horizontalAccuracy_; }
    CLLocationDistance altitude() const { return altitude_; }
    Date timestamp() const { return timestamp_; }

    // Great-circle distance in metres over a sphere of the Earth's mean radius; NaN when either
    // coordinate is invalid.
    CLLocationDistance distanceFromLocation(const CLLocation& other) const;

    // "<+lat,+lon> +/- accuracy m (altitude m) @ yyyy-MM-dd HH:mm:ss +0000".
    std::string description() const;

    bool operator==(const CLLocation&) const = default;

  private:
    CLLocationCoordinate2D coordinate_;
    CLLocationDistance altitude_ = 0;
    CLLocationAccuracy horizontalAccuracy_ = 0;
    Date timestamp_;
};

}  // namespace fv
