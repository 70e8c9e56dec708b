#include "platform/location/MKMapView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/graphics/TextLayout.h"
#include "platform/location/LocationProvider.h"

namespace fv {

FV_REGISTER_CLASS(MKMapView);

namespace {

// Hears the map's own location manager and hands fixes to the map, without keeping it alive.
class UserLocationTracker : public CLLocationManagerDelegate {
  public:
    explicit UserLocationTracker(std::weak_ptr<MKMapView> map) : map_(std::move(map)) {}
    void locationManagerDidUpdateLocations(CLLocationManager&,
                                           const std::vector<CLLocation>& locations) override {
        if (auto map = map_.lock()) map->userLocationDidUpdate(locations.back());
    }
    void locationManagerDidUpdateHeading(CLLocationManager&, const CLHeading& heading) override {
        if (auto map = map_.lock()) map->userHeadingDidUpdate(heading);
    }

  private:
    std::weak_ptr<MKMapView> map_;
};

constexpr double kDefaultFollowDistance = 1000;  // metres, when following before any region was set

double wrapLongitude(double delta) {
    while (delta > 180) delta -= 360;
    while (delta < -180) delta += 360;
    return delta;
}

// A step of 1, 2 or 5 times a power of ten giving about `lines` lines over `extent` degrees.
double gridStep(double extent, double lines) {
    const double raw = extent / lines;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (raw <= m * magnitude) return m * magnitude;
    }
    return 10 * magnitude;
}

std::string degreesText(double value, double step, char positive, char negative) {
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
    char buf[40];
    if (std::abs(value) < step / 2) {
        std::snprintf(buf, sizeof buf, "%.*f°", decimals, 0.0);
    } else {
        std::snprintf(buf, sizeof buf, "%.*f°%c", decimals, std::abs(value), value < 0 ? negative : positive);
    }
    return buf;
}

}  // namespace

void MKMapView::registerMembers(ClassBuilder<MKMapView>& b) {
    b.property("mapType", &MKMapView::mapType, &MKMapView::setMapType);
    b.property("zoomEnabled", &MKMapView::isZoomEnabled, &MKMapView::setZoomEnabled);
    b.property("scrollEnabled", &MKMapView::isScrollEnabled, &MKMapView::setScrollEnabled);
    b.property("rotateEnabled", &MKMapView::isRotateEnabled, &MKMapView::setRotateEnabled);
    b.property("showsUserLocation", &MKMapView::showsUserLocation, &MKMapView::setShowsUserLocation);
}

std::shared_ptr<MKMapView> MKMapView::create(CGRect frame) {
    auto map = std::make_shared<MKMapView>();
    map->setFrame(frame);
    return map;
}

MKMapView::MKMapView() : userLocation_(std::make_shared<MKUserLocation>()) {
    setClipsToBounds(true);
    setBackgroundColor(UIColor::colorWithRed(0.93, 0.94, 0.91, 1));
}

MKMapView::~MKMapView() {
    if (!locationManager_) return;
    locationManager_->stopUpdatingLocation();
    locationManager_->stopUpdatingHeading();
}

// ---- the user ----

void MKMapView::setShowsUserLocation(bool shows) {
    if (shows == showsUserLocation_) return;
    showsUserLocation_ = shows;
    userLocation_->setUpdating(shows);
    if (shows) {
        if (!locationManager_) {
            locationManager_ = CLLocationManager::create();
            tracker_ = std::make_shared<UserLocationTracker>(sharedAs<MKMapView>());
            locationManager_->setDelegate(tracker_);
        }
        locationManager_->startUpdatingLocation();
        if (CLLocationManager::headingAvailable()) locationManager_->startUpdatingHeading();
    } else {
        if (locationManager_) {
            locationManager_->stopUpdatingLocation();
            locationManager_->stopUpdatingHeading();
        }
        dropViews({userLocation_.get()});
        userLocation_->setLocation(std::nullopt);
        userLocation_->setHeading(std::nullopt);
        if (selected_ == userLocation_) selected_.reset();
    }
    setNeedsLayout();
}

bool MKMapView::isUserLocationVisible() const {
    if (!userLocation_->location()) return false;
    const CGPoint p = convertCoordinateToPointToView(userLocation_->coordinate());
    return p.x >= 0 && p.y >= 0 && p.x <= bounds().size.width && p.y <= bounds().size.height;
}

void MKMapView::setUserTrackingMode(MKUserTrackingMode mode, bool animated) {
    trackingMode_ = mode;
    if (mode != MKUserTrackingModeNone && userLocation_->location()) {
        setCenterCoordinate(userLocation_->coordinate(), animated);
    }
}

void MKMapView::userLocationDidUpdate(const CLLocation& location) {
    if (!showsUserLocation_) return;
    userLocation_->setLocation(location);
    if (trackingMode_ != MKUserTrackingModeNone) {
        if (regionSet_) {
            setCenterCoordinate(location.coordinate(), true);
        } else {
            setRegion(MKCoordinateRegionMakeWithDistance(location.coordinate(), kDefaultFollowDistance,
                                                         kDefaultFollowDistance),
                      true);
        }
    }
    setNeedsLayout();
    if (auto d = delegate()) d->mapViewDidUpdateUserLocation(*this, userLocation_);
}

void MKMapView::userHeadingDidUpdate(const CLHeading& heading) {
    if (!showsUserLocation_) return;
    userLocation_->setHeading(heading);
    if (!userLocation_->location()) return;
    if (auto view = viewForAnnotation(userLocation_)) view->setNeedsDisplay();
    if (auto d = delegate()) d->mapViewDidUpdateUserLocation(*this, userLocation_);
}

// ---- annotations ----

std::vector<MKAnnotationPtr> MKMapView::annotations() const {
    auto all = annotations_;
    if (showsUserLocation_ && userLocation_->location()) all.push_back(userLocation_);
    return all;
}

void MKMapView::addAnnotation(const MKAnnotationPtr& annotation) {
    if (!annotation || annotation == userLocation_) return;
    if (!annotationSet_.insert(annotation.get()).second) return;
    annotations_.push_back(annotation);
    setNeedsLayout();
}

void MKMapView::addAnnotations(const std::vector<MKAnnotationPtr>& annotations) {
    for (const auto& a : annotations) addAnnotation(a);
}

void MKMapView::removeAnnotation(const MKAnnotationPtr& annotation) {
    removeAnnotations({annotation});
}

void MKMapView::removeAnnotations(const std::vector<MKAnnotationPtr>& annotations) {
    std::unordered_set<const MKAnnotation*> gone;
    for (const auto& a : annotations) {
        if (a && a != userLocation_ && annotationSet_.erase(a.get())) gone.insert(a.get());
    }
    if (gone.empty()) return;
    const auto isGone = [&](const MKAnnotationPtr& a) { return gone.contains(a.get()); };
    std::erase_if(annotations_, isGone);
    if (selected_ && isGone(selected_)) {
        selected_.reset();
        if (callout_) callout_->removeFromSuperview();
        callout_.reset();
    }
    dropViews(gone);
}

void MKMapView::dropViews(const std::unordered_set<const MKAnnotation*>& annotations) {
    const auto isGone = [&](const auto& entry) { return annotations.contains(entry.first.get()); };
    for (const auto& entry : views_) {
        if (isGone(entry)) entry.second->removeFromSuperview();
    }
    std::erase_if(views_, isGone);
    for (const MKAnnotation* a : annotations) viewIndex_.erase(a);
}

MKAnnotationViewPtr MKMapView::viewForAnnotation(const MKAnnotationPtr& annotation) const {
    const auto it = viewIndex_.find(annotation.get());
    return it == viewIndex_.end() ? nullptr : it->second;
}

MKAnnotationViewPtr MKMapView::makeView(const MKAnnotationPtr& annotation) {
    MKAnnotationViewPtr view;
    if (auto d = delegate()) view = d->mapViewViewForAnnotation(*this, annotation);
    if (!view) view = MKAnnotationView::create(annotation, "");
    if (!view->annotation()) view->setAnnotation(annotation);
    return view;
}

void MKMapView::selectAnnotation(const MKAnnotationPtr& annotation, bool animated) {
    if (!annotation || annotation == selected_) return;
    const auto all = annotations();
    if (std::find(all.begin(), all.end(), annotation) == all.end()) return;
    if (selected_) deselectAnnotation(selected_, animated);
    layoutIfNeeded();
    selected_ = annotation;
    auto view = viewForAnnotation(annotation);
    if (!view) return;
    view->setSelected(true, animated);
    const auto title = annotation->title();
    if (view->canShowCallout() && title && !title->empty()) {
        callout_ = UILabel::create();
        callout_->setText(*title);
        callout_->setFont(UIFont::systemFontOfSize(13));
        callout_->setTextAlignment(NSTextAlignment::Center);
        callout_->setBackgroundColor(UIColor::whiteColor());
        callout_->layer()->cornerRadius = 6;
        callout_->layer()->borderWidth = 0.5;
        callout_->layer()->borderColor = UIColor::lightGrayColor();
        addSubview(callout_);
        placeCallout();
    }
    if (auto d = delegate()) d->mapViewDidSelectAnnotationView(*this, view);
}

void MKMapView::deselectAnnotation(const MKAnnotationPtr& annotationRef, bool animated) {
    const MKAnnotationPtr annotation = annotationRef;  // the caller may pass selected_ itself
    if (!annotation || annotation != selected_) return;
    selected_.reset();
    if (callout_) callout_->removeFromSuperview();
    callout_.reset();
    auto view = viewForAnnotation(annotation);
    if (!view) return;
    view->setSelected(false, animated);
    if (auto d = delegate()) d->mapViewDidDeselectAnnotationView(*this, view);
}

std::vector<MKAnnotationPtr> MKMapView::selectedAnnotations() const {
    if (!selected_) return {};
    return {selected_};
}

void MKMapView::annotationViewTapped(MKAnnotationView& view) {
    selectAnnotation(view.annotation(), true);
}

void MKMapView::touchesEnded(const UITouchSet&, UIEvent*) {
    if (selected_) deselectAnnotation(selected_, true);
}

// ---- the region ----

void MKMapView::setRegion(MKCoordinateRegion region, bool animated) {
    auto normalized = MKCoordinateRegionNormalized(region);
    if (!normalized) return;
    region_ = *normalized;
    regionSet_ = true;
    setNeedsLayout();
    setNeedsDisplay();
    if (auto d = delegate()) d->mapViewRegionDidChangeAnimated(*this, animated);
}

void MKMapView::setCenterCoordinate(CLLocationCoordinate2D center, bool animated) {
    setRegion({center, region_.span}, animated);
}

void MKMapView::showAnnotations(const std::vector<MKAnnotationPtr>& annotations, bool animated) {
    std::vector<CLLocationCoordinate2D> coordinates;
    for (const auto& a : annotations) {
        if (a) coordinates.push_back(a->coordinate());
    }
    if (auto region = MKCoordinateRegionForCoordinates(coordinates))
        setRegion(regionShowingViews(*region, annotations), animated);
}

// A pin rises above its place, so a region holding the places can cut the pins off at its top. The
// places are fitted into the bounds less the room their views take around them instead; a map too
// small to give that room keeps the plain fit.
MKCoordinateRegion MKMapView::regionShowingViews(MKCoordinateRegion fit,
                                                 const std::vector<MKAnnotationPtr>& annotations) {
    layoutIfNeeded();  // the views of annotations added since the last layout
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const auto& annotation : annotations) {
        const auto view = annotation ? viewForAnnotation(annotation) : nullptr;
        if (!view) continue;
        const CGPoint offset = anchorOffset(*view);
        const CGSize size = view->bounds().size;
        left = std::max(left, size.width / 2 - offset.x);
        right = std::max(right, size.width / 2 + offset.x);
        top = std::max(top, size.height / 2 - offset.y);
        bottom = std::max(bottom, size.height / 2 + offset.y);
    }
    const double w = bounds().size.width, h = bounds().size.height;
    const double innerWidth = w - left - right, innerHeight = h - top - bottom;
    if (innerWidth < w / 2 || innerHeight < h / 2) return fit;
    const double cosine = std::max(0.01, std::cos(fit.center.latitude * std::numbers::pi / 180.0));
    const double perLatitude =
        std::min(innerHeight / fit.span.latitudeDelta, innerWidth / (fit.span.longitudeDelta * cosine));
    const double perLongitude = perLatitude * cosine;
    return {{fit.center.latitude + (top - bottom) / 2 / perLatitude,
             fit.center.longitude - (left - right) / 2 / perLongitude},
            {h / perLatitude, w / perLongitude}};
}

MKMapView::Projection MKMapView::projection() const {
    const double w = std::max(1.0, bounds().size.width), h = std::max(1.0, bounds().size.height);
    const double cosine = std::max(0.01, std::cos(region_.center.latitude * std::numbers::pi / 180.0));
    const double perLatitude =
        std::min(h / region_.span.latitudeDelta, w / (region_.span.longitudeDelta * cosine));
    return {perLatitude, perLatitude * cosine};
}

CGPoint MKMapView::convertCoordinateToPointToView(CLLocationCoordinate2D c, const UIView* view) const {
    const Projection p = projection();
    const CGPoint local{
        bounds().size.width / 2 +
            wrapLongitude(c.longitude - region_.center.longitude) * p.pointsPerDegreeLongitude,
        bounds().size.height / 2 - (c.latitude - region_.center.latitude) * p.pointsPerDegreeLatitude};
    return view ? convertPointToView(local, view) : local;
}

CLLocationCoordinate2D MKMapView::convertPointToCoordinateFromView(CGPoint point, const UIView* view) const {
    const CGPoint local = view ? convertPointFromView(point, view) : point;
    const Projection p = projection();
    return {region_.center.latitude - (local.y - bounds().size.height / 2) / p.pointsPerDegreeLatitude,
            wrapLongitude(region_.center.longitude +
                          (local.x - bounds().size.width / 2) / p.pointsPerDegreeLongitude)};
}

// ---- layout and drawing ----

CGPoint MKMapView::anchorOffset(const MKAnnotationView& view) {
    CGPoint offset = view.centerOffset();
    const bool drawnPin = (!view.image() || view.image()->isEmpty()) &&
                          !std::dynamic_pointer_cast<MKUserLocation>(view.annotation());
    if (drawnPin) offset.y -= view.bounds().size.height / 2;  // the pin's point marks the place
    return offset;
}

void MKMapView::placeView(const MKAnnotationViewPtr& view) const {
    const CGPoint at = convertCoordinateToPointToView(view->annotation()->coordinate());
    const CGPoint offset = anchorOffset(*view);
    view->setCenter({at.x + offset.x, at.y + offset.y});
}

void MKMapView::placeCallout() {
    auto view = viewForAnnotation(selected_);
    if (!callout_ || !view) return;
    const CGSize text = callout_->sizeThatFits({1e9, 1e9});
    const double width = std::min(text.width + 20, std::max(60.0, bounds().size.width - 20));
    const CGRect pin = view->frame();
    callout_->setFrame({pin.origin.x + pin.size.width / 2 - width / 2, pin.origin.y - 34, width, 28});
    bringSubviewToFront(callout_.get());
}

void MKMapView::layoutSubviews() {
    for (const auto& annotation : annotations()) {
        if (viewForAnnotation(annotation)) continue;
        auto view = makeView(annotation);
        views_.emplace_back(annotation, view);
        viewIndex_.emplace(annotation.get(), view);
        addSubview(view);
    }
    for (const auto& [annotation, view] : views_) placeView(view);
    // The user's dot stays above the pins.
    if (auto user = viewForAnnotation(userLocation_)) bringSubviewToFront(user.get());
    placeCallout();
}

void MKMapView::drawGrid(CGContext& context) const {
    const double w = bounds().size.width, h = bounds().size.height;
    const CLLocationCoordinate2D topLeft = convertPointToCoordinateFromView({0, 0});
    const CLLocationCoordinate2D bottomRight = convertPointToCoordinateFromView({w, h});
    const double latitudeExtent = topLeft.latitude - bottomRight.latitude;
    const double longitudeExtent = w / projection().pointsPerDegreeLongitude;
    // About one line every 70 points each way, whatever the latitude does to degrees of longitude.
    const double latitudeStep = gridStep(latitudeExtent, std::max(1.0, h / 70));
    const double longitudeStep = gridStep(longitudeExtent, std::max(1.0, w / 70));
    const auto labelColor = UIColor::colorWithWhite(0.45, 1);
    TextStyle style;
    style.font = UIFont::systemFontOfSize(9);
    style.textColor = labelColor;
    context.setStrokeColor(UIColor::colorWithWhite(0.78, 1));
    context.setLineWidth(1);
    // Lines at whole multiples of the step, counted rather than summed so labels stay exact.
    const double firstRow = std::ceil(std::max(-90.0, bottomRight.latitude) / latitudeStep);
    for (double k = firstRow; k * latitudeStep <= std::min(90.0, topLeft.latitude); ++k) {
        const double lat = k * latitudeStep;
        const double y = std::round(convertCoordinateToPointToView({lat, region_.center.longitude}).y) + 0.5;
        context.beginPath();
        context.moveToPoint({0, y});
        context.addLineToPoint({w, y});
        context.strokePath();
        // Whole or not at all at the top edge, and not over the longitudes along the bottom one.
        if (y >= 12 && y <= h - 13)
            TextLayout::drawText(context, degreesText(lat, latitudeStep, 'N', 'S'), style,
                                 {3, y - 12, 80, 12});
    }
    const double west = region_.center.longitude - longitudeExtent / 2;
    const double pointsPerDegree = projection().pointsPerDegreeLongitude;
    for (double k = std::ceil(west / longitudeStep); k * longitudeStep <= west + longitudeExtent; ++k) {
        const double lon = k * longitudeStep;
        const double x = std::round(w / 2 + (lon - region_.center.longitude) * pointsPerDegree) + 0.5;
        context.beginPath();
        context.moveToPoint({x, 0});
        context.addLineToPoint({x, h});
        context.strokePath();
        // Whole or not at all at the right edge.
        const std::string label = degreesText(wrapLongitude(lon), longitudeStep, 'E', 'W');
        if (x + 3 + TextLayout::widthOfText(label, style.font) <= w)
            TextLayout::drawText(context, label, style, {x + 3, h - 13, 80, 12});
    }
}

void MKMapView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    context->saveGState();
    drawGrid(*context);
    context->restoreGState();
}

}  // namespace fv
