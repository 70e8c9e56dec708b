#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "LocationsScreenSupport.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "locations/Custom_Annotation.h"
#include "locations/LocationTableViewCell.h"
#include "locations/LocationsViewController.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/Text.h"
#include "platform/kits/ThemedAlertView.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIApplication.h"
#include "screenkit/BannerMessages.h"
#include "tests/support/TemporaryBundle.h"

namespace fv {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using Screen = LocationsViewController;

const Names kATMs{"Pioneer Square ATM", "Pearl District ATM", "Waterfront Park ATM", "Union Station ATM",
                  "Lloyd Center ATM"};
const Names kReloads{"Corner Market Reload", "Burnside Pharmacy Reload", "Goose Hollow Grocer Reload",
                     "Eastbank Mini Mart Reload"};
const Names kBranches{"Fernvault Downtown Branch", "Fernvault Northwest Branch", "Fernvault Eastside Branch"};

// Where the simulated user stands: Director Park, downtown Portland.
constexpr CLLocationCoordinate2D kUser{45.518634, -122.681172};

Names operator+(Names a, const Names& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Value point(const std::string& name, const std::string& lat, const std::string& lng) {
    return Value(
        Value::Dictionary{{"Name", name}, {"Address", name + " Street"}, {"Lat", lat}, {"Lng", lng}});
}

Value group(const std::string& type, Value::Array points) {
    return Value(Value::Dictionary{{"Type", type}, {"Points", Value(std::move(points))}});
}

class LocationsScreenTest : public LocationsScreenFixture {
  protected:
    void SetUp() override {
        LocationsScreenFixture::SetUp();
        device()->setFixedLocation(CLLocation(kUser.latitude, kUser.longitude));
    }
    // The user allows the app to use the location, and the first fix arrives.
    void letTheFixArrive() { authorise(); }

    static LocationTableViewCellPtr row(const std::shared_ptr<Screen>& screen, long r) {
        return std::dynamic_pointer_cast<LocationTableViewCell>(
            screen->tbl_locationTable.get()->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(r, 0)));
    }
    // The location pins on the map, in the order they were placed.
    static std::vector<Custom_AnnotationPtr> pins(const std::shared_ptr<Screen>& screen) {
        std::vector<Custom_AnnotationPtr> out;
        for (const auto& a : screen->mapView.get()->annotations())
            if (auto pin = std::dynamic_pointer_cast<Custom_Annotation>(a)) out.push_back(pin);
        return out;
    }
    static Names pinned(const std::shared_ptr<Screen>& screen) {
        Names out;
        for (const auto& pin : pins(screen)) out.push_back(pin->title().value_or("<untitled>"));
        return out;
    }
    void tapSegment(const std::shared_ptr<Screen>& screen, std::size_t index) {
        auto control = screen->segmenttrl_locationTypes.get();
        ASSERT_LT(index, control->segmentViews().size());
        const UIViewPtr segment = control->segmentViews()[index];
        const CGRect b = segment->bounds();
        ASSERT_TRUE(host.tap(segment->convertPointToView({CGRectGetMidX(b), CGRectGetMidY(b)}, nullptr)));
    }
    void tapDirections(const std::shared_ptr<Screen>& screen, long r) {
        auto cell = row(screen, r);
        ASSERT_TRUE(cell);
        ASSERT_TRUE(host.tap(cell->btn_directionToLocation.get()));
    }
    // The region of `map` fitted around exactly these pins; the map is left as it was.
    static MKCoordinateRegion fitOf(MKMapView& map, const std::vector<Custom_AnnotationPtr>& shown) {
        const auto before = map.region();
        map.showAnnotations({shown.begin(), shown.end()}, false);
        const auto fitted = map.region();
        map.setRegion(before, false);
        return fitted;
    }
};

TEST_F(LocationsScreenTest, StartsWithTheFirstTypeOnTheListAndTheMap) {
    auto screen = open();
    auto control = screen->segmenttrl_locationTypes.get();
    EXPECT_EQ(control->numberOfSegments(), 3u);
    EXPECT_EQ(control->selectedSegmentTitles(), (Names{"ATM"}));
    EXPECT_EQ(listed(screen), kATMs);
    EXPECT_EQ(pinned(screen), kATMs);
    const auto shown = pins(screen);
    EXPECT_EQ(shown[0]->coordinate(), CLLocationCoordinate2DMake(45.5189, -122.6793));
    EXPECT_EQ(shown[0]->subtitle(), "");
    EXPECT_EQ(screen->mapView.get()->region(), fitOf(*screen->mapView.get(), shown));

    EXPECT_FALSE(screen->view_mapview.get()->isHidden());
    EXPECT_FALSE(screen->mapExpanded());
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar.get()->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle.get()->textColor(), UIColor::whiteColor()));
    EXPECT_TRUE(colorsEqual(screen->img_move_to_userlocation.get()->tintColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(control->tintColor(), theme->main_color()));
    EXPECT_TRUE(host.snapshot("locations_list"));
}

TEST_F(LocationsScreenTest, RowsShowNameAndAddressInTheThemeColoursWithTheirOwnTag) {
    auto screen = open();
    auto theme = ThemeManager::sharedInstance();
    auto table = screen->tbl_locationTable.get();
    for (long r = 0; r < 3; ++r) {
        auto cell = row(screen, r);
        ASSERT_TRUE(cell) << "row " << r;
        EXPECT_EQ(cell->lbl_title.get()->text(), kATMs[r]);
        EXPECT_EQ(table->rectForRowAtIndexPath(NSIndexPath::indexPathForRow(r, 0)).size.height, 80);
        EXPECT_EQ(cell->btn_directionToLocation.get()->tag(), r);
        EXPECT_EQ(cell->selectionStyle(), UITableViewCellSelectionStyleNone);
        EXPECT_TRUE(colorsEqual(cell->backgroundColor(), UIColor::clearColor()));
        EXPECT_TRUE(colorsEqual(cell->lbl_title.get()->textColor(), theme->main_font_color()));
        EXPECT_TRUE(colorsEqual(cell->lbl_address.get()->textColor(), theme->light_font_color()));
        EXPECT_TRUE(colorsEqual(cell->lbl_miles.get()->textColor(), theme->light_font_color()));
        EXPECT_TRUE(colorsEqual(cell->view_separator.get()->backgroundColor(), theme->border_color()));
        EXPECT_TRUE(colorsEqual(cell->img_directionIcon.get()->tintColor(), theme->main_color()));
        EXPECT_EQ(
            cell->btn_directionToLocation.get()->actionsForTarget(screen.get(), UIControlEventTouchUpInside),
            (Names{"directionTappedWithSender:"}));
    }
    EXPECT_EQ(row(screen, 0)->lbl_address.get()->text(), "701 SW Sixth Ave, Portland, OR 97204");

    // Scrolled to the end, rows come back from the reuse queue with the tag of the row they now show.
    table->setContentOffset({0, table->contentSize().height - table->bounds().size.height});
    table->layoutIfNeeded();
    auto last = row(screen, 4);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->btn_directionToLocation.get()->tag(), 4);
    EXPECT_EQ(last->btn_directionToLocation.get()
                  ->actionsForTarget(screen.get(), UIControlEventTouchUpInside)
                  .size(),
              1u);
    EXPECT_EQ(last->lbl_title.get()->text(), kATMs[4]);
}

TEST_F(LocationsScreenTest, SelectedTypesShowInSegmentOrderAndTheLastOneStays) {
    auto screen = open();
    tapSegment(screen, 2);
    tapSegment(screen, 1);
    EXPECT_EQ(listed(screen), kATMs + kReloads + kBranches);
    tapSegment(screen, 0);
    EXPECT_EQ(listed(screen), kReloads + kBranches);
    EXPECT_EQ(pinned(screen), kReloads + kBranches);
    EXPECT_EQ(screen->mapView.get()->region(), fitOf(*screen->mapView.get(), pins(screen)));
    tapSegment(screen, 1);
    tapSegment(screen, 2);
    EXPECT_EQ(listed(screen), kBranches) << "the last selected segment stays selected";
    EXPECT_EQ(pinned(screen), kBranches);
    EXPECT_EQ(screen->segmenttrl_locationTypes.get()->selectedSegmentTitles(), (Names{"Branch"}));
}

TEST_F(LocationsScreenTest, GroupsOfOneTypeShareTheirPointsAndMalformedOnesAreLeftOut) {
    LogCapture log;
    BundleWithLocations bundle(Value(Value::Array{
        group("ATM", {point("North ATM", "45.53", "-122.67")}),
        group("Kiosk", {point("Kiosk One", "45.51", "-122.66"), point("No Longitude", "45.5", ""),
                        point("Off The Globe", "123.0", "10.0"), Value("not a point")}),
        group("ATM", {point("South ATM", "45.50abc", "-122.68")}),
        Value(Value::Dictionary{{"Type", "Untyped points"}}),
    }));
    auto screen = open();
    EXPECT_EQ(screen->segmenttrl_locationTypes.get()->numberOfSegments(), 3u);
    EXPECT_EQ(listed(screen), (Names{"North ATM", "South ATM"}));
    EXPECT_EQ(pins(screen)[1]->coordinate(), CLLocationCoordinate2DMake(45.50, -122.68))
        << "a text is read as far as it holds a number";
    tapSegment(screen, 2);
    EXPECT_EQ(listed(screen), (Names{"North ATM", "South ATM", "North ATM", "South ATM"}));
    tapSegment(screen, 0);
    tapSegment(screen, 1);
    EXPECT_EQ(listed(screen), (Names{"Kiosk One", "North ATM", "South ATM"}));
    EXPECT_TRUE(log.contains("locations.plist: 4 malformed entries left out"));
}

TEST_F(LocationsScreenTest, NoGroupsGiveNoSegmentsNoRowsAndNoPins) {
    BundleWithLocations bundle{Value(Value::Array{})};
    auto screen = open();
    EXPECT_EQ(screen->segmenttrl_locationTypes.get()->numberOfSegments(), 0u);
    EXPECT_TRUE(screen->segmenttrl_locationTypes.get()->selectedSegmentTitles().empty());
    EXPECT_TRUE(listed(screen).empty());
    EXPECT_TRUE(pins(screen).empty());
}

TEST_F(LocationsScreenTest, TheFixIsKeptAndLoggedCoarsely) {
    LogCapture log;
    auto screen = open();
    EXPECT_FALSE(DataModel::sharedInstance()->UserLocation());
    letTheFixArrive();
    ASSERT_TRUE(DataModel::sharedInstance()->UserLocation());
    EXPECT_EQ(DataModel::sharedInstance()->UserLocation()->coordinate(), kUser);
    EXPECT_EQ(screen->userLoc(), DataModel::sharedInstance()->UserLocation());
    EXPECT_TRUE(log.contains("Current location: 45.52,-122.68"));
    for (const auto& line : log.lines()) EXPECT_EQ(line.find("45.518"), std::string::npos) << line;
    EXPECT_TRUE(screen->mapView.get()->userLocation()->location());
}

TEST_F(LocationsScreenTest, ATimeOutWithoutAnyFixKeepsTheLastKnownStart) {
    LogCapture log;
    const CLLocation earlier(45.52, -122.67);
    DataModel::sharedInstance()->setUserLocation(earlier);
    device()->setFixedLocation(std::nullopt);
    auto screen = open();
    authorise();
    host.advance(Screen::kLocationTimeout + 1);
    EXPECT_TRUE(log.contains("Current location: none yet")) << "the request timed out without a fix";
    EXPECT_EQ(DataModel::sharedInstance()->UserLocation(), earlier);
    EXPECT_FALSE(screen->userLoc());
    tapDirections(screen, 0);
    ASSERT_TRUE(ThemedAlertView::visibleAlert());
    ASSERT_TRUE(ThemedAlertView::visibleAlert()->tapButton("Apple Maps"));
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs(),
              (Names{"https://maps.apple.com/?saddr=45.520000,-122.670000&daddr=45.518900,-122.679300"}));
}

TEST_F(LocationsScreenTest, EveryEntryBuildsTheFinderAsTheRootOfItsOwnStack) {
    DataModel::sharedInstance()->initAllViews();
    const auto first = DataModel::sharedInstance()->atmLocationsNavView();
    ASSERT_TRUE(first);
    ASSERT_EQ(first->viewControllers().size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<Screen>(first->viewControllers().front()));
    EXPECT_TRUE(first->isNavigationBarHidden());
    DataModel::sharedInstance()->initAllViews();
    EXPECT_NE(DataModel::sharedInstance()->atmLocationsNavView(), first);
}

TEST_F(LocationsScreenTest, ALocationErrorShowsNothingAndRoutesGetNoStart) {
    auto screen = open();
    authorise(kCLAuthorizationStatusDenied);
    EXPECT_FALSE(DataModel::sharedInstance()->UserLocation());
    EXPECT_TRUE(host.overlayWindows().empty());
    tapDirections(screen, 0);
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    ASSERT_TRUE(alert->tapButton("Apple Maps"));
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs(),
              (Names{"https://maps.apple.com/?saddr=&daddr=45.518900,-122.679300"}));
}

TEST_F(LocationsScreenTest, TheDirectionButtonOffersBothApplicationsAndRoutesFromTheLatestFix) {
    auto screen = open();
    tapDirections(screen, 2);
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Direction To Location");
    EXPECT_EQ(alert->subtitle(), "Select option to navigate to selected location");
    EXPECT_EQ(alert->buttonTitles(), (Names{"Apple Maps", "Google Maps"}));
    EXPECT_FALSE(alert->touchOutside() && !ThemedAlertView::visibleAlert());
    EXPECT_TRUE(host.snapshot("locations_directions", host.overlayWindows().back()));

    // The fix arrives while the chooser is up: the route starts there.
    letTheFixArrive();
    ASSERT_TRUE(alert->tapButton("Google Maps"));
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs(),
              (Names{"https://maps.google.com/?saddr=45.518634,-122.681172&daddr=45.514900,-122.671600"}));

    UIApplication::sharedApplication()->setInstalledSchemes({"comgooglemaps"});
    tapDirections(screen, 3);
    ASSERT_TRUE(ThemedAlertView::visibleAlert());
    ASSERT_TRUE(ThemedAlertView::visibleAlert()->tapButton("Google Maps"));
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs().back(),
              "comgooglemaps://?saddr=45.518634,-122.681172&daddr=45.528900,-122.676800");
}

TEST_F(LocationsScreenTest, ATagOutsideTheListAndARowTapDoNothing) {
    auto screen = open();
    auto stray = UIButton::create();
    stray->setTag(5);
    screen->directionTappedWithSender(stray.get());
    stray->setTag(-1);
    screen->directionTappedWithSender(stray.get());
    EXPECT_FALSE(ThemedAlertView::visibleAlert());

    ASSERT_TRUE(host.tap(row(screen, 1)));
    EXPECT_FALSE(screen->tbl_locationTable.get()->indexPathForSelectedRow());
    EXPECT_FALSE(ThemedAlertView::visibleAlert());
    EXPECT_EQ(host.topViewController(), screen);
}

TEST_F(LocationsScreenTest, TheFoldButtonEnlargesTheMapAndBringsTheListBackAt280) {
    auto screen = open();
    auto fold = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_mapExpandTapped:");
    ASSERT_TRUE(fold);
    auto map = screen->mapView.get();
    auto table = screen->tbl_locationTable.get();
    const CGFloat listedMapHeight = screen->view_mapview.get()->frame().size.height;

    ASSERT_TRUE(host.tap(fold));
    EXPECT_TRUE(screen->mapExpanded());
    EXPECT_EQ(screen->constraint_view_table_height.get()->constant(), 16);
    EXPECT_EQ(table->alpha(), 0.0);
    const auto turned = screen->img_map_expand_arrow.get()->transform();
    const auto half = CGAffineTransformMakeRotation(std::numbers::pi);
    EXPECT_NEAR(turned.a, half.a, 1e-12);
    EXPECT_NEAR(turned.b, half.b, 1e-12);
    EXPECT_EQ(screen->view_mapview.get()->frame().size.height, listedMapHeight + 300 - 16);
    EXPECT_EQ(map->frame().size.height, listedMapHeight + 300 - 16);
    // The map is fitted to the pins again once the list has folded away.
    map->setRegion(MKCoordinateRegionMakeWithDistance(kUser, 100, 100), false);
    host.advance(0.6);
    EXPECT_EQ(map->region(), fitOf(*map, pins(screen)));
    EXPECT_TRUE(host.snapshot("locations_map"));

    ASSERT_TRUE(host.tap(fold));
    host.advance(0.6);
    EXPECT_FALSE(screen->mapExpanded());
    EXPECT_EQ(screen->constraint_view_table_height.get()->constant(), 280);
    EXPECT_EQ(table->alpha(), 1.0);
    EXPECT_EQ(screen->img_map_expand_arrow.get()->transform(), CGAffineTransformIdentity);
    EXPECT_EQ(screen->view_mapview.get()->frame().size.height, listedMapHeight + 300 - 280);
    EXPECT_EQ(table->frame().size.height, 280 - 16);
}

TEST_F(LocationsScreenTest, TheCentreButtonShowsTheUserOnceTheMapKnowsWhereTheyAre) {
    auto screen = open();
    auto centre = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_move_to_userLocation:");
    ASSERT_TRUE(centre);
    auto map = screen->mapView.get();
    const auto fitted = map->region();
    ASSERT_TRUE(host.tap(centre));
    EXPECT_EQ(map->region(), fitted) << "before any fix";

    letTheFixArrive();
    map->setRegion(fitted, false);
    ASSERT_TRUE(host.tap(centre));
    EXPECT_EQ(map->region(),
              *MKCoordinateRegionNormalized(MKCoordinateRegionMakeWithDistance(kUser, 300, 300)));
}

TEST_F(LocationsScreenTest, TypingInTheSearchFieldFiltersNothingAndSearchOnlyClosesTheKeyboard) {
    auto screen = open();
    auto bar = screen->searchBar.get();
    // So the field promises no search either.
    const std::string placeholder = text::lowercase(bar->placeholder().value_or(""));
    EXPECT_FALSE(placeholder.empty());
    for (const char* promise : {"search", "find", "filter"})
        EXPECT_EQ(placeholder.find(promise), std::string::npos) << placeholder;
    ASSERT_TRUE(host.typeText(bar->searchField(), "Pearl"));
    EXPECT_EQ(listed(screen), kATMs);
    EXPECT_EQ(pinned(screen), kATMs);
    EXPECT_TRUE(bar->searchField()->isFirstResponder());
    screen->searchBarSearchButtonClicked(bar.get());
    EXPECT_FALSE(bar->searchField()->isFirstResponder());
    EXPECT_EQ(listed(screen), kATMs);

    ASSERT_TRUE(host.typeText(bar->searchField(), "x"));
    ASSERT_TRUE(host.tap(UserDriver::controlWiredTo(screen->view(), screen.get(), "sidemenuPressed:")));
    EXPECT_FALSE(bar->searchField()->isFirstResponder());
    EXPECT_EQ(host.topViewController(), screen);
}

// A locale with a decimal comma changes neither how "Lat"/"Lng" are read nor how routes are written.
TEST_F(LocationsScreenTest, TheProcessLocaleChangesNoCoordinate) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool comma = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_ALL, name)) {
            comma = true;
            break;
        }
    if (!comma) GTEST_SKIP() << "no decimal-comma locale installed";
    auto screen = open();
    letTheFixArrive();
    tapDirections(screen, 0);
    ASSERT_TRUE(ThemedAlertView::visibleAlert());
    ThemedAlertView::visibleAlert()->tapButton("Apple Maps");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(pins(screen)[0]->coordinate(), CLLocationCoordinate2DMake(45.5189, -122.6793));
    EXPECT_EQ(UIApplication::sharedApplication()->openedURLs(),
              (Names{"https://maps.apple.com/?saddr=45.518634,-122.681172&daddr=45.518900,-122.679300"}));
}

}  // namespace
}  // namespace fv
