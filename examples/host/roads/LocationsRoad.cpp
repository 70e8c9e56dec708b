#include "examples/host/roads/LocationsRoad.h"

#include <algorithm>
#include <regex>

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "core/ScreenNames.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/kits/ThemedAlertView.h"
#include "platform/location/LocationProvider.h"
#include "platform/location/MKMapView.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UISegmentedControl.h"
#include "platform/ui/UITableView.h"

namespace fv {

namespace {

// The row the walk picks and asks directions to: the second cash machine.
constexpr long kPickedRow = 1;

UIViewPtr outlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

std::string awaitFix(const Walkthrough& walk) {
    if (auto problem = walk.reach(screen::LocationsViewController); !problem.empty()) return problem;
    if (!UserDriver::waitFor([] { return DataModel::sharedInstance()->UserLocation().has_value(); }))
        return "no location fix arrived";
    auto map = std::dynamic_pointer_cast<MKMapView>(outlet(walk, "mapView"));
    if (!map || !map->userLocation()->location()) return "the map does not show the user";
    return "";
}

long listedRows(const Walkthrough& walk) {
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl_locationTable"));
    return table ? table->numberOfRowsInSection(0) : 0;
}

std::string addSegment(const Walkthrough& walk, const std::string& title) {
    auto control = std::dynamic_pointer_cast<UISegmentedControl>(outlet(walk, "segmenttrl_locationTypes"));
    if (!control) return "no type filter";
    const long before = listedRows(walk);
    for (const auto& segment : control->segmentViews()) {
        if (segment->title() != title) continue;
        // The control takes the touches of its segments.
        const CGRect b = segment->bounds();
        const CGPoint centre = segment->convertPointToView({CGRectGetMidX(b), CGRectGetMidY(b)}, nullptr);
        if (auto problem = UserDriver::tapAt(centre); !problem.empty()) return problem;
        if (listedRows(walk) <= before) return "the list did not grow";
        print("   " + std::to_string(listedRows(walk)) + " places listed");
        return "";
    }
    return "no segment " + title;
}

std::string tapWired(const Walkthrough& walk, const std::string& selector, const std::string& what) {
    const auto screen = walk.topScreen();
    if (!screen) return "no screen is showing";
    return UserDriver::tap(UserDriver::controlWiredTo(screen->view(), screen.get(), selector), what);
}

std::string fold(const Walkthrough& walk, bool away) {
    if (auto problem = tapWired(walk, "action_mapExpandTapped:", "the fold button"); !problem.empty())
        return problem;
    RunLoop::main().advance(0.6);
    auto table = outlet(walk, "tbl_locationTable");
    if (!table || (table->alpha() == 0) != away)
        return away ? "the list did not fold away" : "the list is not back";
    return "";
}

std::string turnDevice(const Walkthrough& walk, double degrees) {
    LocationProvider::current()->deliverHeading(CLHeading(degrees, 5));
    RunLoop::main().runUntilIdle();
    auto map = std::dynamic_pointer_cast<MKMapView>(outlet(walk, "mapView"));
    const auto& heading = map ? map->userLocation()->heading() : std::nullopt;
    if (!heading || heading->trueHeading() != degrees) return "the map did not take the heading";
    return "";
}

UITableViewCellPtr pickedRow(const Walkthrough& walk) {
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl_locationTable"));
    return table ? table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(kPickedRow, 0)) : nullptr;
}

std::string pickRow(const Walkthrough& walk) {
    auto row = pickedRow(walk);
    if (!row) return "no second row";
    if (auto problem = UserDriver::tap(row, "the second row"); !problem.empty()) return problem;
    if (walk.topScreen()->className() != std::string(screen::LocationsViewController.className))
        return "picking a row left the screen";
    const auto title = UserDriver::outlet(row, "lbl_title");
    print("   picked " + (title ? title->valueForKey("text").stringValue() : std::string("?")));
    return "";
}

std::string askDirections(const Walkthrough& walk) {
    auto row = pickedRow(walk);
    if (!row) return "no second row";
    auto button = UserDriver::outlet(row, "btn_directionToLocation");
    if (auto problem = UserDriver::tap(button, "the row's direction button"); !problem.empty())
        return problem;
    if (!UserDriver::waitFor([] { return ThemedAlertView::visibleAlert() != nullptr; }))
        return "no directions chooser";
    return "";
}

// The start is the user's position: printed to two decimals only.
std::string coarseStart(const std::string& url) {
    static const std::regex start(R"(saddr=(-?\d+\.\d\d)\d*,(-?\d+\.\d\d)\d*)");
    return std::regex_replace(url, start, "saddr=$1…,$2…");
}

std::string chooseAppleMaps() {
    auto alert = ThemedAlertView::visibleAlert();
    if (!alert || !alert->tapButton("Apple Maps")) return "no Apple Maps button";
    RunLoop::main().runUntilIdle();
    const auto& opened = UIApplication::sharedApplication()->openedURLs();
    if (opened.empty()) return "nothing was handed to the application";
    print("   handed to the application: " + coarseStart(opened.back()));
    return "";
}

std::string backToHost(const Walkthrough& walk) {
    walk.app().navigationController()->popToRootViewControllerAnimated(true);
    return walk.awaitHost();
}

}  // namespace

void openLocations(const UINavigationControllerPtr& hostStack) {
    auto device = LocationProvider::current();
    if (!device->fixedLocation())
        device->setFixedLocation(
            CLLocation(kHostSimulatedPosition.latitude, kHostSimulatedPosition.longitude));
    SDKManager::sharedInstance()->initAllView();
    const auto stack = DataModel::sharedInstance()->atmLocationsNavView();
    if (!stack || stack->viewControllers().empty() || !hostStack) return;
    auto screen = stack->viewControllers().front();
    // A screen lives on one stack at a time: the host shows it on its own.
    stack->setViewControllers({}, false);
    hostStack->pushViewController(screen, true);
}

bool walkLocations(Walkthrough& walk) {
    const Walkthrough& w = walk;
    return walk.run({
        {"locations", "\"Locations\" opens the locations finder: the cash machines on the list and the map",
         [&] { return w.openRoad("locations", screen::LocationsViewController); }},
        {"position", "the user allows the location: the map shows where the user stands",
         [&] { return awaitFix(w); }},
        {"reload", "the Reload segment adds the reload points", [&] { return addSegment(w, "Reload"); }},
        {"map", "the fold button folds the list away for the big map", [&] { return fold(w, true); }},
        {"heading-east", "the device turns east: the beam over the user follows",
         [&] { return turnDevice(w, 90); }},
        {"heading-south", "the device turns south", [&] { return turnDevice(w, 180); }},
        {"list", "the fold button brings the list back", [&] { return fold(w, false); }},
        {"row", "a row is picked: it only flashes", [&] { return pickRow(w); }},
        {"directions", "the row's direction button offers Apple Maps and Google Maps",
         [&] { return askDirections(w); }},
        {"route", "Apple Maps gets the route from the user's position", [&] { return chooseAppleMaps(); }},
        {"back", "back on the host's first screen", [&] { return backToHost(w); }},
    });
}

}  // namespace fv
