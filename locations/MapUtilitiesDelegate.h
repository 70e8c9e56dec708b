#pragma once
// What the shared map helper tells the screen that set it up: the user's place on the map was
// updated, or a pin was selected.
#include "platform/location/MKAnnotation.h"
#include "platform/location/MKUserLocation.h"

namespace fv {

class MapUtilitiesDelegate {
  public:
    virtual ~MapUtilitiesDelegate() = default;
    virtual void GotUserLocationOnMap(const MKUserLocationPtr& userLocation) = 0;
    virtual void PointSelected(const MKAnnotationPtr& annotation) = 0;
};

}  // namespace fv
