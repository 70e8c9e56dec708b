#include "locations/Custom_Annotation.h"

#include "platform/foundation/Log.h"
#include "platform/foundation/Numbers.h"
#include "platform/net/URL.h"
#include "platform/ui/UIApplication.h"

namespace fv {

FV_REGISTER_CLASS(Custom_Annotation);

namespace {

// "lat,lng" of a location; empty for none.
std::string coordinateText(const std::optional<CLLocation>& location) {
    if (!location) return "";
    const auto c = location->coordinate();
    return numbers::formatFixed(c.latitude) + "," + numbers::formatFixed(c.longitude);
}

std::string routeQuery(const std::optional<CLLocation>& start, const CLLocation& destination) {
    return "?saddr=" + coordinateText(start) + "&daddr=" + coordinateText(destination);
}

}  // namespace

// The application's answer is not looked at: a map application that is missing has nothing to say.
void Custom_Annotation::openRouteURL(const std::string& text) {
    if (!NSURL::URLWithString(text)) {
        log("Map route: the address did not form a URL; nothing opened");
        return;
    }
    UIApplication::sharedApplication()->openURL(text);
}

Custom_AnnotationPtr Custom_Annotation::create(CLLocationCoordinate2D coordinate,
                                               std::optional<std::string> title,
                                               std::optional<std::string> subtitle) {
    auto annotation = std::make_shared<Custom_Annotation>();
    annotation->setCoordinate(coordinate);
    annotation->setTitle(std::move(title));
    annotation->setSubtitle(std::move(subtitle));
    return annotation;
}

MKAnnotationViewPtr Custom_Annotation::annotaionView() {
    auto view = MKAnnotationView::create(std::dynamic_pointer_cast<Custom_Annotation>(shared_from_this()),
                                         kReuseIdentifier);
    view->sizeToFit();
    return view;
}

std::string Custom_Annotation::appleMapsRouteURL(const std::optional<CLLocation>& start,
                                                 const CLLocation& destination) {
    return kAppleMapsWebRoot + routeQuery(start, destination);
}

std::string Custom_Annotation::googleMapsAppRouteURL(const std::optional<CLLocation>& start,
                                                     const CLLocation& destination) {
    return kGoogleMapsAppRoot + routeQuery(start, destination);
}

std::string Custom_Annotation::googleMapsWebRouteURL(const std::optional<CLLocation>& start,
                                                     const CLLocation& destination) {
    return kGoogleMapsWebRoot + routeQuery(start, destination);
}

std::string Custom_Annotation::wazeURL(const CLLocation& destination) {
    return std::string(kWazeAppRoot) + "?ll=" + coordinateText(destination) + "&navigate=yes";
}

std::string Custom_Annotation::sygicURL(const CLLocation& destination) {
    const auto c = destination.coordinate();
    return percentEscape(std::string(kSygicAppScheme) + "://|coordinate|" + numbers::formatFixed(c.latitude) +
                         "|" + numbers::formatFixed(c.longitude) + "|show");
}

void Custom_Annotation::openLocationInAppleMaps(const std::optional<CLLocation>& start,
                                                const CLLocation& destination) {
    openRouteURL(appleMapsRouteURL(start, destination));
}

void Custom_Annotation::openLocationInGoogleMaps(const std::optional<CLLocation>& start,
                                                 const CLLocation& destination) {
    const std::string app = googleMapsAppRouteURL(start, destination);
    const std::string web = googleMapsWebRouteURL(start, destination);
    openRouteURL(UIApplication::sharedApplication()->canOpenURL(kGoogleMapsAppRoot) ? app : web);
}

void Custom_Annotation::openLocationInWazeMaps(const CLLocation& destination) {
    openRouteURL(wazeURL(destination));
}

void Custom_Annotation::openLocationInSygicMaps(const CLLocation& destination) {
    openRouteURL(sygicURL(destination));
}

}  // namespace fv
