#pragma once
// The one helper around the locations map: sets the map up, places and fits the pins, centres on the
// user, gives each location pin its image without a callout, and tells its delegate when the user's
// place on the map changes or a pin is selected. It serves the map of the screen that set it up last.
// Main thread only.
#include <memory>
#include <vector>

#include "locations/MapUtilitiesDelegate.h"
#include "platform/location/MKMapView.h"

namespace fv {

class Map_Utilities : public MKMapViewDelegate, public std::enable_shared_from_this<Map_Utilities> {
  public:
    static constexpr const char* kPinImageName = "mapPin";
    // The square, in metres, shown around the user.
    static constexpr double kUserRegionMeters = 300.0;

    static std::shared_ptr<Map_Utilities> sharedInstance();

    std::shared_ptr<MapUtilitiesDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<MapUtilitiesDelegate>& delegate) { delegate_ = delegate; }
    const MKMapViewPtr& mapView() const { return mapView_; }

    // Keeps the map and sets it up: this helper as its delegate, rotation and zoom on, the standard
    // map, following the user, the user's location shown.
    void InitializeMap(const MKMapViewPtr& mapView);
    // The map then holds exactly these (and the user's own place, which is never removed).
    void AddAnnotationsOnMap(const std::vector<MKAnnotationPtr>& annotations);
    // Fits every annotation the map holds now, whoever placed it.
    void ZoomToAllAnnotations();
    // 300 m around the user; before the map knows where the user is it does nothing.
    void ZoomToUserLocation();

    MKAnnotationViewPtr mapViewViewForAnnotation(MKMapView& mapView,
                                                 const MKAnnotationPtr& annotation) override;
    void mapViewDidUpdateUserLocation(MKMapView& mapView, const MKUserLocationPtr& userLocation) override;
    void mapViewDidSelectAnnotationView(MKMapView& mapView, const MKAnnotationViewPtr& view) override;

    // Drops the shared helper; the test host's reset calls this.
    static void resetForTesting();

  private:
    std::weak_ptr<MapUtilitiesDelegate> delegate_;
    MKMapViewPtr mapView_;
};
using Map_UtilitiesPtr = std::shared_ptr<Map_Utilities>;

}  // namespace fv
