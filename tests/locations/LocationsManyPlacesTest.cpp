#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "LocationsScreenSupport.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "locations/Custom_Annotation.h"
#include "locations/LocationsViewController.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "screenkit/BannerMessages.h"
#include "tests/support/TemporaryBundle.h"

namespace fv {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using Screen = LocationsViewController;

// `count` places of one type spread over a grid around Portland, named "<type> <n>".
Value group(const std::string& type, int count) {
    Value::Array points;
    for (int i = 0; i < count; ++i) {
        const std::string lat = std::to_string(45.3 + (i % 100) * 0.004);
        const std::string lng = std::to_string(-122.9 + (i / 100) * 0.004);
        points.push_back(Value(Value::Dictionary{{"Name", type + " " + std::to_string(i)},
                                                 {"Address", "Street " + std::to_string(i)},
                                                 {"Lat", lat},
                                                 {"Lng", lng}}));
    }
    return Value(Value::Dictionary{{"Type", type}, {"Points", Value(std::move(points))}});
}

class LocationsManyPlacesTest : public LocationsScreenFixture {
  protected:
    // The pins on the map, each with its own view placed on the map, in the order they were placed.
    static Names pinned(const std::shared_ptr<Screen>& screen) {
        auto map = screen->mapView.get();
        map->layoutIfNeeded();
        Names out;
        for (const auto& a : map->annotations()) {
            auto pin = std::dynamic_pointer_cast<Custom_Annotation>(a);
            if (!pin) continue;
            auto view = map->viewForAnnotation(pin);
            if (!view || view->superview() != map.get() || view->annotation() != pin) return {"<no view>"};
            out.push_back(pin->title().value_or("<untitled>"));
        }
        std::size_t views = 0;
        for (const auto& subview : map->subviews())
            views += std::dynamic_pointer_cast<MKAnnotationView>(subview) ? 1 : 0;
        if (views != out.size()) return {"<stale views>"};
        return out;
    }

    BundleWithLocations bundle;
};

// Thousands of places still give one pin each, with its own view, as the list shows them; changing
// the types leaves no pin or view of the old ones behind.
TEST_F(LocationsManyPlacesTest, EveryPlaceGetsItsPinAndChangingTypesLeavesNoneBehind) {
    PropertyList::writeFile(bundle.file().string(),
                            Value(Value::Array{group("ATM", 1500), group("Kiosk", 700)}));
    auto screen = open();
    const Names atms = listed(screen);
    ASSERT_EQ(atms.size(), 1500u);
    EXPECT_EQ(atms.back(), "ATM 1499");
    EXPECT_EQ(pinned(screen), atms);

    screen->segmenttrl_locationTypes.get()->setSelectedSegmentIndexes(NSIndexSet(1));
    screen->addNewAnnotaitons();
    const Names kiosks = listed(screen);
    ASSERT_EQ(kiosks.size(), 700u);
    EXPECT_EQ(kiosks.front(), "Kiosk 0");
    EXPECT_EQ(pinned(screen), kiosks);
}

// A locations file far larger than any real one is not read at all: the screen opens empty and one
// line says why.
TEST_F(LocationsManyPlacesTest, AnOversizedFileIsRefusedAndTheScreenOpensEmpty) {
    {
        std::ofstream out(bundle.file());
        out << "<plist version=\"1.0\"><array>";
        const std::string place = "<dict><key>Type</key><string>ATM</string><key>Points</key><array/></dict>";
        for (std::size_t written = 0; written <= (16u << 20); written += place.size()) out << place;
        out << "</array></plist>";
    }
    LogCapture console;
    auto screen = open();
    EXPECT_EQ(screen->segmenttrl_locationTypes.get()->numberOfSegments(), 0u);
    EXPECT_TRUE(listed(screen).empty());
    EXPECT_TRUE(pinned(screen).empty());
    EXPECT_TRUE(console.contains("locations.plist: ")) << testing::PrintToString(console.lines());
    EXPECT_TRUE(console.contains("it is not read"));
}

}  // namespace
}  // namespace fv
