#include <gtest/gtest.h>

#include "LocationsTestSupport.h"
#include "core/FrameworkResources.h"
#include "locations/Custom_Annotation.h"
#include "locations/Map_Utilities.h"
#include "platform/foundation/Log.h"
#include "platform/location/MKPointAnnotation.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewController.h"

namespace fv {
namespace {

class RecordingMapScreen : public MapUtilitiesDelegate {
  public:
    void GotUserLocationOnMap(const MKUserLocationPtr& user) override { users.push_back(user); }
    void PointSelected(const MKAnnotationPtr& annotation) override { selected.push_back(annotation); }
    std::vector<MKUserLocationPtr> users;
    std::vector<MKAnnotationPtr> selected;
};

class MapUtilitiesTest : public LocationsTest {
  protected:
    void SetUp() override {
        LocationsTest::SetUp();
        map = MKMapView::create({0, 0, 375, 400});
        host.rootScreen()->view()->addSubview(map);
        utilities = Map_Utilities::sharedInstance();
        utilities->setDelegate(screen);
        utilities->InitializeMap(map);
    }
    void giveUserAFix(CLLocationCoordinate2D at) {
        device()->setFixedLocation(CLLocation(at.latitude, at.longitude));
        authorise();
    }
    static Custom_AnnotationPtr pin(double latitude, double longitude, const std::string& name) {
        return Custom_Annotation::create({latitude, longitude}, name, "");
    }

    MKMapViewPtr map;
    Map_UtilitiesPtr utilities;
    std::shared_ptr<RecordingMapScreen> screen = std::make_shared<RecordingMapScreen>();
};

TEST_F(MapUtilitiesTest, InitializeMapKeepsAndSetsUpTheMap) {
    EXPECT_EQ(Map_Utilities::sharedInstance(), utilities);
    EXPECT_EQ(utilities->mapView(), map);
    EXPECT_EQ(map->delegate(), utilities);
    EXPECT_TRUE(map->isRotateEnabled());
    EXPECT_TRUE(map->isZoomEnabled());
    EXPECT_EQ(map->mapType(), MKMapTypeStandard);
    EXPECT_EQ(map->userTrackingMode(), MKUserTrackingModeFollow);
    EXPECT_TRUE(map->showsUserLocation());
}

TEST_F(MapUtilitiesTest, AnnotationsReplaceThoseHeldAndTheFitTakesEveryAnnotationOnTheMap) {
    auto harbour = pin(45.52, -122.68, "Harbour ATM");
    auto market = pin(45.53, -122.66, "Market ATM");
    utilities->AddAnnotationsOnMap({harbour});
    utilities->AddAnnotationsOnMap({market});
    EXPECT_EQ(map->annotations(), (std::vector<MKAnnotationPtr>{market}));

    // Placed by someone else, yet part of the fit.
    auto other = MKPointAnnotation::create({45.50, -122.70}, "Other");
    map->addAnnotation(other);
    const auto before = map->region();
    utilities->ZoomToAllAnnotations();
    const auto zoomed = map->region();
    EXPECT_NE(zoomed, before);
    map->showAnnotations({market, other}, false);
    EXPECT_EQ(map->region(), zoomed);

    utilities->AddAnnotationsOnMap({});
    EXPECT_TRUE(map->annotations().empty());
}

TEST_F(MapUtilitiesTest, ZoomToTheUserDoesNothingBeforeAFixThenShows300Metres) {
    map->setRegion(MKCoordinateRegionMakeWithDistance({10, 20}, 5000, 5000), false);
    const auto before = map->region();
    utilities->ZoomToUserLocation();
    EXPECT_EQ(map->region(), before);

    giveUserAFix({45.5231, -122.6765});
    map->setRegion(before, false);
    utilities->ZoomToUserLocation();
    const auto expected = MKCoordinateRegionMakeWithDistance({45.5231, -122.6765}, 300, 300);
    EXPECT_EQ(map->region(), *MKCoordinateRegionNormalized(expected));
}

TEST_F(MapUtilitiesTest, LocationPinsGetTheirImageWithoutACalloutAndSelectionReachesTheDelegate) {
    auto harbour = pin(45.52, -122.68, "Harbour ATM");
    auto plain = MKPointAnnotation::create({45.53, -122.66}, "Plain");
    EXPECT_EQ(utilities->mapViewViewForAnnotation(*map, plain), nullptr);
    auto view = utilities->mapViewViewForAnnotation(*map, harbour);
    ASSERT_TRUE(view);
    EXPECT_NE(view, utilities->mapViewViewForAnnotation(*map, harbour)) << "a new view every time";
    EXPECT_EQ(view->reuseIdentifier(), "MyAnnotation");
    EXPECT_EQ(view->annotation(), harbour);
    EXPECT_FALSE(view->canShowCallout());
    ASSERT_TRUE(view->image());
    EXPECT_TRUE(view->image()->isEqual(*UIImage::imageNamed("mapPin", frameworkBundle())));
    EXPECT_EQ(view->bounds().size, view->image()->size());
    EXPECT_EQ(view->centerOffset(), CGPointMake(0, -view->bounds().size.height / 2))
        << "the tip marks the place";

    map->setRegion(MKCoordinateRegionMakeWithDistance({45.52, -122.68}, 3000, 3000), false);
    utilities->AddAnnotationsOnMap({harbour});
    host.runUntilIdle();
    ASSERT_TRUE(host.tap(map->viewForAnnotation(harbour)));
    EXPECT_EQ(screen->selected, (std::vector<MKAnnotationPtr>{harbour}));
    EXPECT_EQ(map->calloutView(), nullptr);
}

TEST_F(MapUtilitiesTest, TheUsersPlaceOnTheMapReachesTheDelegate) {
    giveUserAFix({45.5231, -122.6765});
    ASSERT_FALSE(screen->users.empty());
    EXPECT_EQ(screen->users.back(), map->userLocation());
}

// ---- route URLs ----

struct RouteCase {
    const char* name;
    std::optional<CLLocation> start;
    bool googleAppInstalled;
    void (*open)(const std::optional<CLLocation>&, const CLLocation&);
    const char* url;
};

class RouteURLTest : public TestHostFixture, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(RouteURLTest, HandsTheRouteToTheApplication) {
    const auto& c = GetParam();
    auto app = UIApplication::sharedApplication();
    if (c.googleAppInstalled) app->setInstalledSchemes({"comgooglemaps"});
    c.open(c.start, CLLocation(10, 20));
    EXPECT_EQ(app->openedURLs(), (std::vector<std::string>{c.url}));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, RouteURLTest,
    ::testing::Values(
        RouteCase{"AppleMaps", CLLocation(1.5, -2.25), false, &Custom_Annotation::openLocationInAppleMaps,
                  "https://maps.apple.com/?saddr=1.500000,-2.250000&daddr=10.000000,20.000000"},
        RouteCase{"AppleMapsBeforeAnyFix", std::nullopt, false, &Custom_Annotation::openLocationInAppleMaps,
                  "https://maps.apple.com/?saddr=&daddr=10.000000,20.000000"},
        RouteCase{"GoogleMapsApp", CLLocation(1.5, -2.25), true, &Custom_Annotation::openLocationInGoogleMaps,
                  "comgooglemaps://?saddr=1.500000,-2.250000&daddr=10.000000,20.000000"},
        RouteCase{"GoogleMapsWeb", CLLocation(1.5, -2.25), false,
                  &Custom_Annotation::openLocationInGoogleMaps,
                  "https://maps.google.com/?saddr=1.500000,-2.250000&daddr=10.000000,20.000000"},
        RouteCase{"GoogleMapsWebBeforeAnyFix", std::nullopt, false,
                  &Custom_Annotation::openLocationInGoogleMaps,
                  "https://maps.google.com/?saddr=&daddr=10.000000,20.000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RouteURLTest, WazeAndSygicGetTheDestinationOnly) {
    auto app = UIApplication::sharedApplication();
    Custom_Annotation::openLocationInWazeMaps(CLLocation(-33.8688, 151.2093));
    Custom_Annotation::openLocationInSygicMaps(CLLocation(-33.8688, 151.2093));
    EXPECT_EQ(app->openedURLs(),
              (std::vector<std::string>{"waze://?ll=-33.868800,151.209300&navigate=yes",
                                        "com.sygic.aura://%7Ccoordinate%7C-33.868800%7C151.209300%7Cshow"}));
}

TEST_F(RouteURLTest, ATextThatFormsNoURLIsNotOpened) {
    LogCapture log;
    Custom_Annotation::openRouteURL("https://maps.apple.com/?saddr=1 2|3");
    EXPECT_TRUE(UIApplication::sharedApplication()->openedURLs().empty());
    EXPECT_TRUE(log.contains("did not form a URL"));
}

}  // namespace
}  // namespace fv
