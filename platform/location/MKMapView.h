#pragma once
// A map without tiles: a plain grid of latitude and longitude lines with their degrees written at the
// edges, and a view per annotation at its place, so that screenshots show where things are. The
// region given is shown whole, centred, with equal metres per point both ways. The user's own
// location comes from a location manager of the map's own while `showsUserLocation` is on; it is
// unknown until the first fix, then an annotation that cannot be removed; on a device with a compass
// the map follows the heading too. Main thread only.
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/location/CLLocationManager.h"
#include "platform/location/MKAnnotationView.h"
#include "platform/location/MKGeometry.h"
#include "platform/location/MKUserLocation.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

namespace fv {

class MKMapView;

enum MKMapType : std::int64_t { MKMapTypeStandard = 0, MKMapTypeSatellite = 1, MKMapTypeHybrid = 2 };
enum MKUserTrackingMode : std::int64_t {
    MKUserTrackingModeNone = 0,
    MKUserTrackingModeFollow = 1,
    MKUserTrackingModeFollowWithHeading = 2,
};

// Every method is optional.
class MKMapViewDelegate {
  public:
    virtual ~MKMapViewDelegate() = default;
    // None: the map's own view (a drawn pin, or a blue dot for the user).
    virtual MKAnnotationViewPtr mapViewViewForAnnotation(MKMapView&, const MKAnnotationPtr&) {
        return nullptr;
    }
    virtual void mapViewDidUpdateUserLocation(MKMapView&, const MKUserLocationPtr&) {}
    virtual void mapViewDidSelectAnnotationView(MKMapView&, const MKAnnotationViewPtr&) {}
    virtual void mapViewDidDeselectAnnotationView(MKMapView&, const MKAnnotationViewPtr&) {}
    virtual void mapViewRegionDidChangeAnimated(MKMapView&, bool) {}
};

class MKMapView : public UIView {
    FV_CLASS(MKMapView, UIView)
    static void registerMembers(ClassBuilder<MKMapView>& b);
    static std::shared_ptr<MKMapView> create(CGRect frame = CGRectZero);

    std::shared_ptr<MKMapViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<MKMapViewDelegate>& delegate) { delegate_ = delegate; }

    MKMapType mapType() const { return mapType_; }
    void setMapType(MKMapType type) { mapType_ = type; }
    bool isZoomEnabled() const { return zoomEnabled_; }
    void setZoomEnabled(bool enabled) { zoomEnabled_ = enabled; }
    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool enabled) { scrollEnabled_ = enabled; }
    bool isRotateEnabled() const { return rotateEnabled_; }
    void setRotateEnabled(bool enabled) { rotateEnabled_ = enabled; }

    // ---- the user ----
    bool showsUserLocation() const { return showsUserLocation_; }
    void setShowsUserLocation(bool shows);
    // Always the same object; its location is none before the first fix.
    const MKUserLocationPtr& userLocation() const { return userLocation_; }
    bool isUserLocationVisible() const;
    // Follow centres the map on every new fix of the user.
    MKUserTrackingMode userTrackingMode() const { return trackingMode_; }
    void setUserTrackingMode(MKUserTrackingMode mode, bool animated = false);

    // ---- annotations ----
    // Those added, in order, then the user's own once its location is known.
    std::vector<MKAnnotationPtr> annotations() const;
    void addAnnotation(const MKAnnotationPtr& annotation);  // adding one twice keeps one
    void addAnnotations(const std::vector<MKAnnotationPtr>& annotations);
    // The user's own annotation is never removed.
    void removeAnnotation(const MKAnnotationPtr& annotation);
    void removeAnnotations(const std::vector<MKAnnotationPtr>& annotations);
    // The view marking an annotation, once the map has laid out since it was added; none otherwise.
    MKAnnotationViewPtr viewForAnnotation(const MKAnnotationPtr& annotation) const;
    // Selects one annotation (the previous one is deselected); its view shows a callout with its title
    // when it allows one. The delegate hears both.
    void selectAnnotation(const MKAnnotationPtr& annotation, bool animated);
    void deselectAnnotation(const MKAnnotationPtr& annotation, bool animated);
    std::vector<MKAnnotationPtr> selectedAnnotations() const;
    // The callout on screen, or none.
    std::shared_ptr<UILabel> calloutView() const { return callout_; }

    // ---- the region ----
    // The whole world until set.
    MKCoordinateRegion region() const { return region_; }
    // Values that are not numbers are ignored; the rest is normalised (MKCoordinateRegionNormalized).
    void setRegion(MKCoordinateRegion region, bool animated);
    CLLocationCoordinate2D centerCoordinate() const { return region_.center; }
    void setCenterCoordinate(CLLocationCoordinate2D center, bool animated);
    // Fits a region around the annotations (MKCoordinateRegionForCoordinates) in which their views
    // show whole; nothing for none.
    void showAnnotations(const std::vector<MKAnnotationPtr>& annotations, bool animated);

    // Between coordinates and points of `view` (none: this map).
    CGPoint convertCoordinateToPointToView(CLLocationCoordinate2D coordinate,
                                           const UIView* view = nullptr) const;
    CLLocationCoordinate2D convertPointToCoordinateFromView(CGPoint point,
                                                            const UIView* view = nullptr) const;

    void layoutSubviews() override;
    void drawRect(CGRect rect) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;

    // From an annotation view the user tapped.
    void annotationViewTapped(MKAnnotationView& view);
    // From the map's location manager. A heading is kept on the user's annotation, whose view shows
    // it as a beam; the delegate hears it as an update of the user's location once that is known.
    void userLocationDidUpdate(const CLLocation& location);
    void userHeadingDidUpdate(const CLHeading& heading);

    MKMapView();
    ~MKMapView() override;

  private:
    struct Projection {
        double pointsPerDegreeLatitude, pointsPerDegreeLongitude;
    };
    Projection projection() const;
    MKAnnotationViewPtr makeView(const MKAnnotationPtr& annotation);
    // Where a view's centre stands from the point of its annotation.
    static CGPoint anchorOffset(const MKAnnotationView& view);
    MKCoordinateRegion regionShowingViews(MKCoordinateRegion fit,
                                          const std::vector<MKAnnotationPtr>& annotations);
    void placeView(const MKAnnotationViewPtr& view) const;
    void placeCallout();
    void dropViews(const std::unordered_set<const MKAnnotation*>& annotations);
    void drawGrid(CGContext& context) const;

    std::weak_ptr<MKMapViewDelegate> delegate_;
    MKMapType mapType_ = MKMapTypeStandard;
    bool zoomEnabled_ = true, scrollEnabled_ = true, rotateEnabled_ = true;
    bool showsUserLocation_ = false;
    MKUserTrackingMode trackingMode_ = MKUserTrackingModeNone;
    MKUserLocationPtr userLocation_;
    CLLocationManagerPtr locationManager_;
    std::shared_ptr<CLLocationManagerDelegate> tracker_;
    // In the order added; the sets index them so that a map of many thousand places is built, laid
    // out and cleared in linear time.
    std::vector<MKAnnotationPtr> annotations_;
    std::unordered_set<const MKAnnotation*> annotationSet_;
    std::vector<std::pair<MKAnnotationPtr, MKAnnotationViewPtr>> views_;
    std::unordered_map<const MKAnnotation*, MKAnnotationViewPtr> viewIndex_;
    MKAnnotationPtr selected_;
    std::shared_ptr<UILabel> callout_;
    MKCoordinateRegion region_{{0, 0}, {180, 360}};
    bool regionSet_ = false;
};
using MKMapViewPtr = std::shared_ptr<MKMapView>;

}  // namespace fv
