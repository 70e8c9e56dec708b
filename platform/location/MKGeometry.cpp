#include "platform/location/MKGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fv {

double MKMetersPerDegreeOfLatitude() {
    return kCLEarthMeanRadius * std::numbers::pi / 180.0;
}

MKCoordinateRegion MKCoordinateRegionMakeWithDistance(CLLocationCoordinate2D center,
                                                      CLLocationDistance latitudinalMeters,
                                                      CLLocationDistance longitudinalMeters) {
    const double perDegree = MKMetersPerDegreeOfLatitude();
    const double latitudeDelta = latitudinalMeters / perDegree;
    const double cosine = std::cos(center.latitude * std::numbers::pi / 180.0);
    double longitudeDelta = 360.0;
    if (cosine > 1e-12) longitudeDelta = std::min(360.0, longitudinalMeters / (perDegree * cosine));
    return {center, {latitudeDelta, longitudeDelta}};
}

std::optional<MKCoordinateRegion> MKCoordinateRegionForCoordinates(
    const std::vector<CLLocationCoordinate2D>& coordinates) {
    bool any = false;
    double minLat = 0, maxLat = 0, minLon = 0, maxLon = 0;
    for (const auto& c : coordinates) {
        if (!CLLocationCoordinate2DIsValid(c)) continue;
        if (!any) {
            minLat = maxLat = c.latitude;
            minLon = maxLon = c.longitude;
            any = true;
        }
        minLat = std::min(minLat, c.latitude);
        maxLat = std::max(maxLat, c.latitude);
        minLon = std::min(minLon, c.longitude);
        maxLon = std::max(maxLon, c.longitude);
    }
    if (!any) return std::nullopt;
    const double grow = 1 + 2 * MKRegionFitMargin;
    MKCoordinateRegion region{{(minLat + maxLat) / 2, (minLon + maxLon) / 2},
                              {std::max(MKRegionMinimumSpan, (maxLat - minLat) * grow),
                               std::max(MKRegionMinimumSpan, (maxLon - minLon) * grow)}};
    return MKCoordinateRegionNormalized(region);
}

std::optional<MKCoordinateRegion> MKCoordinateRegionNormalized(MKCoordinateRegion r) {
    if (std::isnan(r.center.latitude) || std::isnan(r.center.longitude) || std::isnan(r.span.latitudeDelta) ||
        std::isnan(r.span.longitudeDelta) || !std::isfinite(r.center.longitude)) {
        return std::nullopt;
    }
    r.center.latitude = std::clamp(r.center.latitude, -90.0, 90.0);
    if (r.center.longitude < -180.0 || r.center.longitude >= 180.0) {
        r.center.longitude = std::fmod(r.center.longitude + 180.0, 360.0);
        if (r.center.longitude < 0) r.center.longitude += 360.0;
        r.center.longitude -= 180.0;
    }
    r.span.latitudeDelta = std::clamp(std::abs(r.span.latitudeDelta), 1e-9, 180.0);
    r.span.longitudeDelta = std::clamp(std::abs(r.span.longitudeDelta), 1e-9, 360.0);
    return r;
}

}  // namespace fv
