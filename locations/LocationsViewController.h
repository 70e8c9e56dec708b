#pragma once
// The locations finder: a map of the places of "locations.plist", a multi-select filter with one
// segment per location type, below the map the list of the places of the selected types, a button that
// folds the list away to enlarge the map, one that centres the map on the user, and on every row a
// direction button offering a route to that place in Apple Maps or Google Maps. The screen asks once
// for the device's location, keeps the fix in DataModel.UserLocation and starts every route there.
#include <memory>
#include <optional>
#include <string>

#include "controls/MultiChoiceSegmentedControl.h"
#include "locations/Geolocation.h"
#include "locations/MapUtilitiesDelegate.h"
#include "platform/foundation/Bundle.h"
#include "platform/location/MKMapView.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISearchBar.h"
#include "platform/ui/UITableView.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class LocationsViewController : public BaseViewController,
                                public MapUtilitiesDelegate,
                                public GeolocationDelegate,
                                public MultiChoiceSegmentedControlDelegate,
                                public UITableViewDataSource,
                                public UITableViewDelegate,
                                public UISearchBarDelegate {
    FV_CLASS(LocationsViewController, BaseViewController)
    static void registerMembers(ClassBuilder<LocationsViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~LocationsViewController() override;

    static constexpr const char* kResourceName = "locations";
    static constexpr double kLocationTimeout = 60.0;
    static constexpr CGFloat kListShownHeight = 280;
    static constexpr CGFloat kListFoldedHeight = 16;
    static constexpr double kFoldDuration = 0.5;

    void viewDidLoad() override;
    // Once: the location request, the map, colours, the search field, the types and the first list.
    void formatView();
    // Rebuilds the list and the map's pins from the selected types, then fits the map to them.
    void addNewAnnotaitons();

    void multiChoiceDidChangeValue(MultiChoiceSegmentedControl* control, bool value,
                                   std::uint64_t index) override;
    void currentLocationFound(const std::optional<CLLocation>& location) override;
    void currentLocationErrorOccured(const std::string& message) override;
    void GotUserLocationOnMap(const MKUserLocationPtr& userLocation) override;
    void PointSelected(const MKAnnotationPtr& annotation) override;

    long tableViewNumberOfRowsInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView& tableView,
                                                            const NSIndexPath& indexPath) override;
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                      const NSIndexPath& indexPath) override;
    void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) override;

    // The row's direction button: the chooser for that row's place. A tag outside the list is ignored.
    void directionTappedWithSender(UIButton* sender);
    // The chooser of the map application; the start is read when a button is pressed.
    void showOpenInAlertWithLocIn(const CLLocation& destination);

    void action_mapExpandTapped(UIButton* sender);
    void collapseMap();
    void expandMap();
    void action_move_to_userLocation(UIButton* sender);
    void sidemenuPressed(UIButton* sender);

    void searchBarSearchButtonClicked(UISearchBar* searchBar) override;
    void searchBarTextDidBeginEditing(UISearchBar* searchBar) override;
    void searchBarTextDidChange(UISearchBar* searchBar, const std::string& searchText) override;

    bool mapExpanded() const { return mapExpanded_; }
    const std::optional<CLLocation>& userLoc() const { return userLoc_; }
    // The groups of "locations.plist" in file order, and the places of the selected types in list order.
    const Value::Array& locationTypesArr() const { return locationTypesArr_; }
    const Value::Array& annotationsArr() const { return annotationsArr_; }

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UISearchBar, searchBar);
    FV_OUTLET(UIView, view_mapview);
    FV_OUTLET(MKMapView, mapView);
    FV_OUTLET(MultiChoiceSegmentedControl, segmenttrl_locationTypes);
    FV_OUTLET(UITableView, tbl_locationTable);
    FV_OUTLET(UIImageView, img_map_expand_arrow);
    FV_OUTLET(NSLayoutConstraint, constraint_view_table_height);
    FV_OUTLET(UIImageView, img_move_to_userlocation);

  private:
    void loadLocationTypes();
    void foldList(bool folded);

    bool mapExpanded_ = false;
    std::optional<CLLocation> userLoc_;
    Value::Array locationTypesArr_;
    Value::Array annotationsArr_;
};

}  // namespace fv
