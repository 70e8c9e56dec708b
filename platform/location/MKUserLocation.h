#pragma once
// The annotation of the user's own position on a map: no location until the map has its first fix.
#include <memory>
#include <optional>

#include "platform/foundation/NSObject.h"
#include "platform/location/CLHeading.h"
#include "platform/location/MKAnnotation.h"

namespace fv {

class MKUserLocation : public NSObject, public MKAnnotation {
    FV_CLASS(MKUserLocation, NSObject)
    // kCLLocationCoordinate2DInvalid before the first fix.
    CLLocationCoordinate2D coordinate() const override {
        return location_ ? location_->coordinate() : kCLLocationCoordinate2DInvalid;
    }
    std::optional<std::string> title() const override { return title_; }
    void setTitle(std::optional<std::string> title) { title_ = std::move(title); }

    const std::optional<CLLocation>& location() const { return location_; }
    const std::optional<CLHeading>& heading() const { return heading_; }
    bool isUpdating() const { return updating_; }

    // Set by the map view.
    void setLocation(std::optional<CLLocation> location) { location_ = std::move(location); }
    void setHeading(std::optional<CLHeading> heading) { heading_ = std::move(heading); }
    void setUpdating(bool updating) { updating_ = updating; }

  private:
    std::optional<CLLocation> location_;
    std::optional<CLHeading> heading_;
    std::optional<std::string> title_ = "My Location";
    bool updating_ = false;
};
using MKUserLocationPtr = std::shared_ptr<MKUserLocation>;

}  // namespace fv
