#pragma once
// What a map can show: anything with a coordinate, and optionally a title and subtitle.
#include <memory>
#include <optional>
#include <string>

#include "platform/location/CLLocation.h"

namespace fv {

class MKAnnotation {
  public:
    virtual ~MKAnnotation() = default;
    virtual CLLocationCoordinate2D coordinate() const = 0;
    virtual std::optional<std::string> title() const { return std::nullopt; }
    virtual std::optional<std::string> subtitle() const { return std::nullopt; }
};
using MKAnnotationPtr = std::shared_ptr<MKAnnotation>;

}  // namespace fv
