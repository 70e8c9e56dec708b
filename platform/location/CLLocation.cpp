#include "platform/location/CLLocation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>

namespace fv {

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

std::string utcText(Date date) {
    const double seconds = std::floor(date.secondsSince1970);
    if (!std::isfinite(seconds)) return "(no time)";
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (!gmtime_r(&t, &tm)) return "(no time)";
    char buf[40];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S +0000", &tm);
    return buf;
}

}  // namespace

bool CLLocationCoordinate2DIsValid(CLLocationCoordinate2D c) {
    return c.latitude >= -90.0 && c.latitude <= 90.0 && c.longitude >= -180.0 && c.longitude <= 180.0;
}

CLLocation::CLLocation(CLLocationDegrees latitude, CLLocationDegrees longitude, Date timestamp)
    : coordinate_{latitude, longitude}, timestamp_(timestamp) {}

CLLocation::CLLocation(CLLocationCoordinate2D coordinate, CLLocationDistance altitude,
                       CLLocationAccuracy horizontalAccuracy, Date timestamp)
    : coordinate_(coordinate),
      altitude_(altitude),
      horizontalAccuracy_(horizontalAccuracy),
      timestamp_(timestamp) {}

CLLocationDistance CLLocation::distanceFromLocation(const CLLocation& other) const {
    if (!CLLocationCoordinate2DIsValid(coordinate_) || !CLLocationCoordinate2DIsValid(other.coordinate_)) {
        return std::nan("");
    }
    // Haversine: well conditioned for the short distances a map deals with.
    const double lat1 = radians(coordinate_.latitude), lat2 = radians(other.coordinate_.latitude);
    const double dLat = lat2 - lat1;
    const double dLon = radians(other.coordinate_.longitude - coordinate_.longitude);
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kCLEarthMeanRadius * std::asin(std::sqrt(std::min(1.0, h)));
}

std::string CLLocation::description() const {
    char buf[160];
    std::snprintf(buf, sizeof buf, "<%+.8f,%+.8f> +/- %.2fm (altitude %.2fm) @ ", coordinate_.latitude,
                  coordinate_.longitude, horizontalAccuracy_, altitude_);
    return buf + utcText(timestamp_);
}

}  // namespace fv
