#pragma once
// A location pin on the map, and the openers that hand a route to a map application by URL.
//
// A route's coordinates are written in fixed notation with six decimals ("%f" in the C locale),
// latitude before longitude, start before destination. With no start location (no fix yet) the start
// is left empty ("saddr=&daddr=..."), so the map application starts from where it thinks the user is.
// A text that does not form a URL is never handed to the application.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"
#include "platform/location/CLLocation.h"
#include "platform/location/MKAnnotationView.h"
#include "platform/location/MKPointAnnotation.h"

namespace fv {

class Custom_Annotation;
using Custom_AnnotationPtr = std::shared_ptr<Custom_Annotation>;

// A point annotation (coordinate, title, subtitle) with the extra details a location may carry.
class Custom_Annotation : public MKPointAnnotation {
    FV_CLASS(Custom_Annotation, MKPointAnnotation)
    static constexpr const char* kReuseIdentifier = "MyAnnotation";
    // Web addresses for the routes; the map applications' own sites, over HTTPS.
    static constexpr const char* kAppleMapsWebRoot = "https://maps.apple.com/";
    static constexpr const char* kGoogleMapsWebRoot = "https://maps.google.com/";
    static constexpr const char* kGoogleMapsAppRoot = "comgooglemaps://";
    static constexpr const char* kWazeAppRoot = "waze://";
    static constexpr const char* kSygicAppScheme = "com.sygic.aura";

    static Custom_AnnotationPtr create(CLLocationCoordinate2D coordinate,
                                       std::optional<std::string> title = std::nullopt,
                                       std::optional<std::string> subtitle = std::nullopt);

    // Free-form details of the point, its type and an index; the locations screen sets none of them.
    Value CompleteInfo;
    std::string type;
    std::int64_t tag = 0;

    // A new view for this pin every time (none is taken from a reuse queue), sized to fit.
    MKAnnotationViewPtr annotaionView();

    // The route texts, as the openers build them.
    static std::string appleMapsRouteURL(const std::optional<CLLocation>& start,
                                         const CLLocation& destination);
    static std::string googleMapsAppRouteURL(const std::optional<CLLocation>& start,
                                             const CLLocation& destination);
    static std::string googleMapsWebRouteURL(const std::optional<CLLocation>& start,
                                             const CLLocation& destination);
    static std::string wazeURL(const CLLocation& destination);
    static std::string sygicURL(const CLLocation& destination);

    static void openLocationInAppleMaps(const std::optional<CLLocation>& start,
                                        const CLLocation& destination);
    // The Google Maps app when it is installed, else its web site.
    static void openLocationInGoogleMaps(const std::optional<CLLocation>& start,
                                         const CLLocation& destination);
    static void openLocationInWazeMaps(const CLLocation& destination);
    static void openLocationInSygicMaps(const CLLocation& destination);
    // Hands `text` to the application when it forms a URL; otherwise logs and opens nothing.
    static void openRouteURL(const std::string& text);
};

}  // namespace fv
