#pragma once
#include <string>

#include "platform/location/CLLocation.h"
#include "platform/ui/UINavigationController.h"

namespace fv {

class Walkthrough;

// Where the example host's simulated device stands, and what its compass reads on the road.
inline constexpr CLLocationCoordinate2D kHostSimulatedPosition{45.518634, -122.681172};

// The "locations" road's button: the host gives its simulated device a position (unless it has one),
// then shows DataModel's locations finder on its own stack.
void openLocations(const UINavigationControllerPtr& hostStack);

// The "locations" road. "Locations" from the host's first screen: the list of cash machines and the
// map around the simulated position once the user has allowed the location, the reload points added
// by their segment, the list folded away for the big map, two turns of the device shown by the heading
// beam, the list back, a row picked, the directions chooser of a row, Apple Maps chosen (the URL handed
// to the application is printed, the start rounded to two decimals), and back to the host.
bool walkLocations(Walkthrough& walk);

}  // namespace fv
