#include "LocationTestSupport.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/location/MKMapView.h"
#include "platform/location/MKPointAnnotation.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIViewRendering.h"
#include "tests/support/Pixels.h"

namespace fv {
namespace {

class RecordingMapDelegate : public MKMapViewDelegate {
  public:
    MKAnnotationViewPtr mapViewViewForAnnotation(MKMapView&, const MKAnnotationPtr& annotation) override {
        ++viewRequests;
        auto point = std::dynamic_pointer_cast<MKPointAnnotation>(annotation);
        if (!point || !customViews) return nullptr;
        auto view = MKAnnotationView::create(annotation, "Pin");
        view->setCanShowCallout(callouts);
        return view;
    }
    void mapViewDidUpdateUserLocation(MKMapView&, const MKUserLocationPtr& user) override {
        events.push_back("user " + std::to_string(user->location().has_value()));
    }
    void mapViewDidSelectAnnotationView(MKMapView&, const MKAnnotationViewPtr& view) override {
        events.push_back("select " + view->annotation()->title().value_or("?"));
    }
    void mapViewDidDeselectAnnotationView(MKMapView&, const MKAnnotationViewPtr& view) override {
        events.push_back("deselect " + view->annotation()->title().value_or("?"));
    }

    bool customViews = true;
    bool callouts = false;
    int viewRequests = 0;
    std::vector<std::string> events;
};

class MapViewTest : public LocationTest {
  protected:
    void SetUp() override {
        LocationTest::SetUp();
        map = MKMapView::create({0, 0, 300, 400});
        delegate = std::make_shared<RecordingMapDelegate>();
        map->setDelegate(delegate);
        host.rootScreen()->view()->addSubview(map);
    }
    void giveUserAFix(CLLocationCoordinate2D at) {
        device()->setAuthorizationStatus(kCLAuthorizationStatusAuthorizedWhenInUse);
        device()->setFixedLocation(CLLocation(at.latitude, at.longitude));
        map->setShowsUserLocation(true);
        host.runUntilIdle();
    }

    MKMapViewPtr map;
    std::shared_ptr<RecordingMapDelegate> delegate;
    MKAnnotationPtr harbour = MKPointAnnotation::create({51.505, -0.09}, "Harbour ATM");
    MKAnnotationPtr market = MKPointAnnotation::create({51.515, -0.07}, "Market ATM");
};

TEST_F(MapViewTest, UserLocationIsUnknownBeforeTheFirstFix) {
    EXPECT_TRUE(map->userLocation());
    EXPECT_FALSE(map->userLocation()->location());
    EXPECT_FALSE(CLLocationCoordinate2DIsValid(map->userLocation()->coordinate()));
    map->setShowsUserLocation(true);
    host.runUntilIdle();
    EXPECT_TRUE(map->annotations().empty()) << "not authorised: no fix, no user annotation";
    EXPECT_TRUE(delegate->events.empty());
}

TEST_F(MapViewTest, UserAnnotationComesWithTheFixAndCannotBeRemoved) {
    map->addAnnotation(harbour);
    giveUserAFix({51.51, -0.08});
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"user 1"}));
    ASSERT_TRUE(map->userLocation()->location());
    EXPECT_EQ(map->userLocation()->coordinate(), CLLocationCoordinate2DMake(51.51, -0.08));
    auto all = map->annotations();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], harbour);
    EXPECT_EQ(all[1], map->userLocation());

    map->removeAnnotations(map->annotations());
    ASSERT_EQ(map->annotations().size(), 1u);
    EXPECT_EQ(map->annotations()[0], map->userLocation());
    map->addAnnotation(map->userLocation());
    EXPECT_EQ(map->annotations().size(), 1u);

    map->setShowsUserLocation(false);
    EXPECT_TRUE(map->annotations().empty());
}

TEST_F(MapViewTest, HeadingsReachTheUsersAnnotationAndTurnItsBeam) {
    giveUserAFix({51.51, -0.08});
    host.runUntilIdle();
    auto view = map->viewForAnnotation(map->userLocation());
    ASSERT_TRUE(view);
    EXPECT_EQ(view->bounds().size, CGSizeMake(44, 44));
    const auto plain = renderView(*view);

    device()->deliverHeading(CLHeading(90, 5));
    host.runUntilIdle();
    ASSERT_TRUE(map->userLocation()->heading());
    EXPECT_EQ(map->userLocation()->heading()->trueHeading(), 90);
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"user 1", "user 1"}));
    const auto east = renderView(*view);
    device()->deliverHeading(CLHeading(270, 5));
    host.runUntilIdle();
    const auto west = renderView(*view);
    EXPECT_FALSE(east->isEqual(*plain));
    EXPECT_FALSE(east->isEqual(*west));

    map->setShowsUserLocation(false);
    EXPECT_FALSE(map->userLocation()->heading());
}

TEST_F(MapViewTest, FollowingCentresOnTheUser) {
    map->setUserTrackingMode(MKUserTrackingModeFollow, false);
    giveUserAFix({40.7128, -74.006});
    EXPECT_EQ(map->region().center, CLLocationCoordinate2DMake(40.7128, -74.006));
    EXPECT_NEAR(map->region().span.latitudeDelta, 1000 / MKMetersPerDegreeOfLatitude(), 1e-12);
    EXPECT_TRUE(map->isUserLocationVisible());
}

TEST_F(MapViewTest, ShowAnnotationsFitsThemAndRegionsAreKept) {
    EXPECT_EQ(map->region().span, MKCoordinateSpanMake(180, 360)) << "the whole world at first";
    map->addAnnotations({harbour, market});
    map->showAnnotations(map->annotations(), true);
    // Both pins whole, with room around them, and the fit no wider than that room asks.
    map->layoutIfNeeded();
    const CGRect inside = CGRectInset(map->bounds(), 1, 1);
    for (const auto& place : {harbour, market}) {
        const CGRect pin = map->viewForAnnotation(place)->frame();
        EXPECT_TRUE(CGRectContainsRect(inside, pin)) << place->title().value_or("?");
    }
    const double span = map->region().span.longitudeDelta;
    EXPECT_GT(span, 0.026);
    EXPECT_LT(span, 0.026 * 1.2);
    EXPECT_GT(map->region().center.latitude, 51.51) << "pins rise above their places";
    map->showAnnotations({}, true);
    EXPECT_EQ(map->region().span.longitudeDelta, span);

    // A map too small to give the pins room keeps the plain fit.
    map->setFrame({0, 0, 30, 40});
    map->showAnnotations(map->annotations(), false);
    EXPECT_NEAR(map->region().center.latitude, 51.51, 1e-12);
    EXPECT_NEAR(map->region().span.longitudeDelta, 0.026, 1e-12);

    const auto region = MKCoordinateRegionMakeWithDistance({51.5, -0.1}, 300, 300);
    map->setRegion(region, true);
    EXPECT_EQ(map->region(), region);
    map->setRegion({{NAN, 0}, {1, 1}}, false);
    EXPECT_EQ(map->region(), region);
}

TEST_F(MapViewTest, PointsAndCoordinatesConvertBothWays) {
    map->setRegion(MKCoordinateRegionMakeWithDistance({51.5, -0.1}, 1000, 1000), false);
    const CGPoint centre = map->convertCoordinateToPointToView({51.5, -0.1});
    EXPECT_NEAR(centre.x, 150, 1e-9);
    EXPECT_NEAR(centre.y, 200, 1e-9);
    // 1000 m fill the narrower side, 300 points: 500 m north is 150 points up.
    const CGPoint north =
        map->convertCoordinateToPointToView({51.5 + 500 / MKMetersPerDegreeOfLatitude(), -0.1});
    EXPECT_NEAR(north.y, 50, 1e-6);
    const CLLocationCoordinate2D back = map->convertPointToCoordinateFromView({37, 321});
    const CGPoint again = map->convertCoordinateToPointToView(back);
    EXPECT_NEAR(again.x, 37, 1e-6);
    EXPECT_NEAR(again.y, 321, 1e-6);
    const CGPoint inRoot = map->convertCoordinateToPointToView({51.5, -0.1}, host.rootScreen()->view().get());
    EXPECT_NEAR(inRoot.x, map->frame().origin.x + 150, 1e-9);
}

TEST_F(MapViewTest, AsksTheDelegateForViewsOnLayoutAndFallsBackToItsOwn) {
    map->addAnnotations({harbour, market});
    EXPECT_EQ(map->viewForAnnotation(harbour), nullptr);
    delegate->customViews = false;
    map->layoutIfNeeded();
    EXPECT_EQ(delegate->viewRequests, 2);
    auto view = map->viewForAnnotation(harbour);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->annotation(), harbour);
    EXPECT_EQ(view->superview(), map.get());
    EXPECT_EQ(view->bounds().size, (CGSize{24, 36}));
    map->layoutIfNeeded();
    EXPECT_EQ(delegate->viewRequests, 2) << "a view is asked for once per annotation";

    map->removeAnnotation(harbour);
    EXPECT_EQ(view->superview(), nullptr);
    EXPECT_EQ(map->viewForAnnotation(harbour), nullptr);
}

TEST_F(MapViewTest, ADrawnPinPointsAtItsPlaceAndAnImageViewIsCentredOnIt) {
    map->setRegion(MKCoordinateRegionMakeWithDistance({51.51, -0.08}, 3000, 3000), false);
    map->addAnnotations({harbour, market});
    delegate->customViews = false;
    map->layoutIfNeeded();
    const CGPoint at = map->convertCoordinateToPointToView(harbour->coordinate());
    const CGRect pin = map->viewForAnnotation(harbour)->frame();
    EXPECT_NEAR(pin.origin.y + pin.size.height, at.y, 1e-9);
    EXPECT_NEAR(pin.origin.x + pin.size.width / 2, at.x, 1e-9);

    auto marketView = map->viewForAnnotation(market);
    // The test's own picture: a platform test must not rely on the framework's images being loaded.
    auto image = UIGraphicsImageRenderer({20, 28}, false, 2).imageWithActions([](const CGContextRef& c) {
        c->setFillColor(UIColor::blackColor());
        c->fillRect({4, 4, 12, 20});
    });
    marketView->setImage(image);
    EXPECT_EQ(marketView->bounds().size, image->size());
    map->setNeedsLayout();
    map->layoutIfNeeded();
    const CGPoint marketAt = map->convertCoordinateToPointToView(market->coordinate());
    EXPECT_NEAR(marketView->center().x, marketAt.x, 1e-9);
    EXPECT_NEAR(marketView->center().y, marketAt.y, 1e-9);
}

TEST_F(MapViewTest, TappingAPinSelectsItWithoutACalloutUnlessAllowed) {
    map->setRegion(MKCoordinateRegionMakeWithDistance({51.51, -0.08}, 3000, 3000), false);
    map->addAnnotations({harbour, market});
    host.runUntilIdle();
    ASSERT_TRUE(host.tap(map->viewForAnnotation(harbour)));
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"select Harbour ATM"}));
    EXPECT_EQ(map->selectedAnnotations(), (std::vector<MKAnnotationPtr>{harbour}));
    EXPECT_TRUE(map->viewForAnnotation(harbour)->isSelected());
    EXPECT_EQ(map->calloutView(), nullptr);

    map->viewForAnnotation(market)->setCanShowCallout(true);
    map->selectAnnotation(market, true);
    EXPECT_EQ(delegate->events,
              (std::vector<std::string>{"select Harbour ATM", "deselect Harbour ATM", "select Market ATM"}));
    ASSERT_TRUE(map->calloutView());
    EXPECT_EQ(map->calloutView()->text(), "Market ATM");

    ASSERT_TRUE(host.tap(map->convertPointToView({10, 10}, nullptr)));
    EXPECT_TRUE(map->selectedAnnotations().empty());
    EXPECT_EQ(map->calloutView(), nullptr);
}

TEST_F(MapViewTest, RendersAGridWithPinsWhereThingsAre) {
    map->setRegion(MKCoordinateRegionMakeWithDistance({51.51, -0.08}, 2500, 2500), false);
    delegate->customViews = false;
    map->addAnnotations({harbour, market, MKPointAnnotation::create({51.502, -0.068}, "Station ATM")});
    giveUserAFix({51.509, -0.084});
    map->viewForAnnotation(market)->setCanShowCallout(true);
    map->selectAnnotation(market, false);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("map_grid_pins", map));
}

// The darkest grey drawn in the map's top `rows` points from its left edge over `width` points.
int darkestAtTheTop(MKMapView& map, int rows, int width) {
    const auto image = renderView(map, 1);
    int darkest = 255;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) darkest = std::min<int>(darkest, test::pixelAt(*image, x, y) & 0xff);
    return darkest;
}

TEST_F(MapViewTest, LatitudeLabelsStayWholeAtTheTopEdge) {
    // The region slides north by small steps so that a line of latitude passes through the top
    // points; its label, written above the line, must then be left out rather than cut.
    const auto region = MKCoordinateRegionMakeWithDistance({51.51, -0.08}, 2500, 2500);
    for (int step = 0; step < 40; ++step) {
        map->setRegion({{region.center.latitude + step * 0.0005, region.center.longitude}, region.span},
                       false);
        EXPECT_GT(darkestAtTheTop(*map, 2, 60), 170)
            << "a label's glyphs reach the top edge at step " << step;
    }
}

TEST_F(MapViewTest, SetsItsPropertiesByName) {
    EXPECT_TRUE(map->setValueForKey("mapType", Value(2)));
    EXPECT_EQ(map->mapType(), MKMapTypeHybrid);
    EXPECT_TRUE(map->setValueForKey("zoomEnabled", Value(false)));
    EXPECT_FALSE(map->isZoomEnabled());
    EXPECT_TRUE(map->setValueForKey("rotateEnabled", Value(false)));
    EXPECT_FALSE(map->isRotateEnabled());
    auto made = ClassRegistry::create("MKMapView");
    EXPECT_TRUE(std::dynamic_pointer_cast<MKMapView>(made));
}

TEST_F(MapViewTest, ComesFromAnInterfaceFile) {
    auto nib = UINib::nibWithXML(R"(<interface>
        <MKMapView id="map" frame="0 64 375 300" mapType="0" zoomEnabled="NO" scrollEnabled="YES"/>
    </interface>)",
                                 "MapOnly");
    auto objects = nib->instantiateWithOwner(nullptr);
    ASSERT_EQ(objects.size(), 1u);
    auto loaded = std::dynamic_pointer_cast<MKMapView>(objects[0]);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->frame(), (CGRect{0, 64, 375, 300}));
    EXPECT_EQ(loaded->mapType(), MKMapTypeStandard);
    EXPECT_FALSE(loaded->isZoomEnabled());
    EXPECT_TRUE(UINib::loadErrors().empty());
}

}  // namespace
}  // namespace fv
