#include "locations/LocationsViewController.h"

#include <cmath>
#include <numbers>

#include "controls/UIImageViewTint.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "locations/Custom_Annotation.h"
#include "locations/LocationTableViewCell.h"
#include "locations/Map_Utilities.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Numbers.h"
#include "screenkit/UISearchBarTheme.h"

namespace fv {

FV_REGISTER_CLASS(LocationsViewController);

namespace {

// Tens of thousands of places, each a dictionary of four texts, and their groups.
constexpr BundledListLimits kLocationListLimits{16u << 20, 250'000};

// "Lat" and "Lng" are decimal texts, read as far as they hold a number, whatever the process locale.
CLLocationCoordinate2D coordinateOf(const Value& point) {
    return CLLocationCoordinate2DMake(numbers::doubleValue(point["Lat"].stringValue()),
                                      numbers::doubleValue(point["Lng"].stringValue()));
}

// Whether a decimal text begins with a number (after any blanks), as "Lat" and "Lng" must.
bool startsWithNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t\n");
    if (i == std::string::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// A point the screen can show: a coordinate given as texts that read as a place on Earth, so that
// every row has its pin. Anything else is left out. A missing name or address shows empty.
std::optional<Value> wellFormedPoint(const Value& point) {
    const auto isNumberText = [](const Value& v) { return v.isString() && startsWithNumber(*v.asString()); };
    if (!point.isDictionary() || !isNumberText(point["Lat"]) || !isNumberText(point["Lng"]))
        return std::nullopt;
    if (!CLLocationCoordinate2DIsValid(coordinateOf(point))) return std::nullopt;
    Value out = point;
    for (const char* key : {"Name", "Address"})
        if (point[key].isNull()) out.set(key, Value(std::string()));
    return out;
}

// The user's position goes to the log rounded to two decimals (about a kilometre), never finer.
std::string coarsePosition(const CLLocation& location) {
    const auto c = location.coordinate();
    return numbers::formatFixed(c.latitude, 2) + "," + numbers::formatFixed(c.longitude, 2);
}

}  // namespace

void LocationsViewController::registerMembers(ClassBuilder<LocationsViewController>& b) {
    using Self = LocationsViewController;
    b.action("directionTappedWithSender:", &Self::directionTappedWithSender);
    b.action("action_mapExpandTapped:", &Self::action_mapExpandTapped);
    b.action("action_move_to_userLocation:", &Self::action_move_to_userLocation);
    b.action("sidemenuPressed:", &Self::sidemenuPressed);
}

LocationsViewController::~LocationsViewController() = default;

void LocationsViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void LocationsViewController::formatView() {
    auto self = std::dynamic_pointer_cast<LocationsViewController>(shared_from_this());
    auto geolocation = Geolocation::sharedInstance();
    geolocation->setDelegate(self);
    geolocation->GetUserCurrentLocation(1, kLocationTimeout);

    auto map = Map_Utilities::sharedInstance();
    map->setDelegate(self);
    map->InitializeMap(mapView.get());

    auto theme = ThemeManager::sharedInstance();
    tintAsTemplate(*img_move_to_userlocation, theme->main_color());
    segmenttrl_locationTypes->setTintColor(theme->main_color());
    segmenttrl_locationTypes->setDelegate(self);
    lbl_headerTitle->setTextColor(UIColor::whiteColor());
    view_navbar->setBackgroundColor(theme->main_color());
    applySearchBarTheme(*searchBar);

    loadLocationTypes();
    auto types = segmenttrl_locationTypes.get();
    types->removeAllSegments();
    for (std::size_t i = 0; i < locationTypesArr_.size(); ++i)
        types->insertSegmentWithTitle(locationTypesArr_[i]["Type"].stringValue(), i, false);
    types->setSelectedSegmentIndexes(NSIndexSet(0));
    addNewAnnotaitons();
    view_mapview->setHidden(false);
}

void LocationsViewController::loadLocationTypes() {
    const auto groups = readFrameworkArray(kResourceName, kLocationListLimits);
    if (!groups) log("locations.plist could not be read; no locations are shown");
    locationTypesArr_.clear();
    std::size_t leftOut = 0;
    for (const Value& group : groups ? *groups->asArray() : Value::Array{}) {
        const Value::Array* points = group["Points"].asArray();
        if (!group["Type"].isString() || !points) {
            ++leftOut;
            continue;
        }
        Value::Array kept;
        for (const Value& point : *points) {
            if (auto good = wellFormedPoint(point))
                kept.push_back(*good);
            else
                ++leftOut;
        }
        Value clean = group;
        clean.set("Points", Value(std::move(kept)));
        locationTypesArr_.push_back(std::move(clean));
    }
    if (leftOut > 0) log("locations.plist: " + std::to_string(leftOut) + " malformed entries left out");
}

void LocationsViewController::addNewAnnotaitons() {
    annotationsArr_.clear();
    for (const std::string& title : segmenttrl_locationTypes->selectedSegmentTitles()) {
        for (const Value& group : locationTypesArr_) {
            if (group["Type"].stringValue() != title) continue;
            for (const Value& point : *group["Points"].asArray()) annotationsArr_.push_back(point);
        }
    }
    std::vector<MKAnnotationPtr> pins;
    pins.reserve(annotationsArr_.size());
    for (const Value& point : annotationsArr_)
        pins.push_back(Custom_Annotation::create(coordinateOf(point), point["Name"].description(), ""));
    mapView->removeAnnotations(mapView->annotations());
    auto map = Map_Utilities::sharedInstance();
    map->AddAnnotationsOnMap(pins);
    map->ZoomToAllAnnotations();
    tbl_locationTable->reloadData();
    tbl_locationTable->setContentOffset(CGPointZero, false);
}

void LocationsViewController::multiChoiceDidChangeValue(MultiChoiceSegmentedControl*, bool, std::uint64_t) {
    addNewAnnotaitons();
}

void LocationsViewController::currentLocationFound(const std::optional<CLLocation>& location) {
    // A time-out before any fix brings no location: the last known start of routes stays.
    if (!location) {
        log("Current location: none yet");
        return;
    }
    DataModel::sharedInstance()->setUserLocation(location);
    userLoc_ = location;
    log("Current location: " + coarsePosition(*location));
}

void LocationsViewController::currentLocationErrorOccured(const std::string&) {}

void LocationsViewController::GotUserLocationOnMap(const MKUserLocationPtr&) {}

void LocationsViewController::PointSelected(const MKAnnotationPtr&) {}

// ---- the list ----

long LocationsViewController::tableViewNumberOfRowsInSection(UITableView&, long) {
    return static_cast<long>(annotationsArr_.size());
}

std::optional<CGFloat> LocationsViewController::tableViewHeightForRowAtIndexPath(UITableView&,
                                                                                 const NSIndexPath&) {
    return LocationTableViewCell::kRowHeight;
}

UITableViewCellPtr LocationsViewController::tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                                           const NSIndexPath& indexPath) {
    auto cell = LocationTableViewCell::dequeue(tableView);
    if (!cell || indexPath.row < 0 || indexPath.row >= static_cast<long>(annotationsArr_.size()))
        return UITableViewCell::create();
    cell->showLocation(annotationsArr_[indexPath.row], indexPath.row, shared_from_this(),
                       "directionTappedWithSender:");
    return cell;
}

void LocationsViewController::tableViewDidSelectRowAtIndexPath(UITableView& tableView,
                                                               const NSIndexPath& indexPath) {
    tableView.deselectRowAtIndexPath(indexPath, true);
}

// ---- directions ----

void LocationsViewController::directionTappedWithSender(UIButton* sender) {
    if (!sender) return;
    const long row = sender->tag();
    if (row < 0 || row >= static_cast<long>(annotationsArr_.size())) return;
    const auto c = coordinateOf(annotationsArr_[row]);
    showOpenInAlertWithLocIn(CLLocation(c.latitude, c.longitude));
}

void LocationsViewController::showOpenInAlertWithLocIn(const CLLocation& destination) {
    auto alert = AlertView();
    alert->addButton(NSLocalizedString("Apple Maps", ""), [destination] {
        Custom_Annotation::openLocationInAppleMaps(DataModel::sharedInstance()->UserLocation(), destination);
    });
    alert->addButton(NSLocalizedString("Google Maps", ""), [destination] {
        Custom_Annotation::openLocationInGoogleMaps(DataModel::sharedInstance()->UserLocation(), destination);
    });
    alert->showAlertWithTitle(NSLocalizedString("Direction To Location", ""),
                              NSLocalizedString("Select option to navigate to selected location", ""),
                              nullptr, std::nullopt, {});
}

// ---- folding the list ----

void LocationsViewController::action_mapExpandTapped(UIButton*) {
    mapExpanded_ = !mapExpanded_;
    if (mapExpanded_)
        expandMap();
    else
        collapseMap();
}

void LocationsViewController::collapseMap() {
    foldList(false);
}

void LocationsViewController::expandMap() {
    foldList(true);
}

void LocationsViewController::foldList(bool folded) {
    auto arrow = img_map_expand_arrow.get();
    UIView::animateWithDuration(kFoldDuration, [arrow, folded] {
        arrow->setTransform(folded ? CGAffineTransformMakeRotation(std::numbers::pi)
                                   : CGAffineTransformIdentity);
    });
    constraint_view_table_height->setConstant(folded ? kListFoldedHeight : kListShownHeight);
    auto table = tbl_locationTable.get();
    auto root = view();
    UIView::animateWithDuration(
        kFoldDuration,
        [table, root, folded] {
            table->setAlpha(folded ? 0.0 : 1.0);
            root->layoutIfNeeded();
        },
        [](bool) { Map_Utilities::sharedInstance()->ZoomToAllAnnotations(); });
}

// ---- the other buttons and the search bar ----

void LocationsViewController::action_move_to_userLocation(UIButton*) {
    Map_Utilities::sharedInstance()->ZoomToUserLocation();
}

void LocationsViewController::sidemenuPressed(UIButton*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

void LocationsViewController::searchBarSearchButtonClicked(UISearchBar*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

void LocationsViewController::searchBarTextDidBeginEditing(UISearchBar* bar) {
    if (bar) applySearchBarClearButtonTheme(*bar);
}

void LocationsViewController::searchBarTextDidChange(UISearchBar* bar, const std::string&) {
    if (bar) applySearchBarClearButtonTheme(*bar);
}

}  // namespace fv
