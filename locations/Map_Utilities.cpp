#include "locations/Map_Utilities.h"

#include "core/FrameworkResources.h"
#include "locations/Custom_Annotation.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

std::shared_ptr<Map_Utilities>& sharedSlot() {
    static std::shared_ptr<Map_Utilities> helper;
    return helper;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("locations.map_utilities", [] { Map_Utilities::resetForTesting(); });

}  // namespace

std::shared_ptr<Map_Utilities> Map_Utilities::sharedInstance() {
    auto& slot = sharedSlot();
    if (!slot) slot = std::make_shared<Map_Utilities>();
    return slot;
}

void Map_Utilities::resetForTesting() {
    sharedSlot().reset();
}

void Map_Utilities::InitializeMap(const MKMapViewPtr& mapView) {
    mapView_ = mapView;
    if (!mapView_) return;
    mapView_->setDelegate(shared_from_this());
    mapView_->setRotateEnabled(true);
    mapView_->setMapType(MKMapTypeStandard);
    mapView_->setZoomEnabled(true);
    mapView_->setUserTrackingMode(MKUserTrackingModeFollow);
    mapView_->setShowsUserLocation(true);
}

void Map_Utilities::AddAnnotationsOnMap(const std::vector<MKAnnotationPtr>& annotations) {
    if (!mapView_) return;
    mapView_->removeAnnotations(mapView_->annotations());
    mapView_->addAnnotations(annotations);
}

void Map_Utilities::ZoomToAllAnnotations() {
    if (!mapView_) return;
    mapView_->showAnnotations(mapView_->annotations(), true);
}

void Map_Utilities::ZoomToUserLocation() {
    if (!mapView_) return;
    const auto& location = mapView_->userLocation()->location();
    if (!location) return;
    const auto region =
        MKCoordinateRegionMakeWithDistance(location->coordinate(), kUserRegionMeters, kUserRegionMeters);
    mapView_->setRegion(region, true);
}

MKAnnotationViewPtr Map_Utilities::mapViewViewForAnnotation(MKMapView&, const MKAnnotationPtr& annotation) {
    auto pin = std::dynamic_pointer_cast<Custom_Annotation>(annotation);
    if (!pin) return nullptr;
    auto view = pin->annotaionView();
    view->setImage(UIImage::imageNamed(kPinImageName, frameworkBundle()));
    view->setCanShowCallout(false);
    // The pin's tip, not its middle, marks the place.
    view->setCenterOffset({0, -view->bounds().size.height / 2});
    return view;
}

void Map_Utilities::mapViewDidUpdateUserLocation(MKMapView&, const MKUserLocationPtr& userLocation) {
    if (auto d = delegate()) d->GotUserLocationOnMap(userLocation);
}

void Map_Utilities::mapViewDidSelectAnnotationView(MKMapView&, const MKAnnotationViewPtr& view) {
    if (auto d = delegate()) d->PointSelected(view ? view->annotation() : nullptr);
}

}  // namespace fv
