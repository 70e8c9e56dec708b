#pragma once
// Fixtures for the locations finder's screen tests: the framework bundle with a "locations.plist" of
// the test's own, and the screen opened on the host's stack with nobody's position known yet.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LocationsTestSupport.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "locations/LocationsViewController.h"
#include "platform/foundation/PropertyList.h"
#include "screenkit/BannerMessages.h"
#include "tests/support/TemporaryBundle.h"

namespace fv {

// The framework bundle with its own "locations.plist", in force while alive: the groups given, or a
// file the test writes itself at `file()`.
class BundleWithLocations {
  public:
    explicit BundleWithLocations(const std::optional<Value>& groups = std::nullopt) {
        for (const auto& entry : std::filesystem::directory_iterator(FV_SOURCE_DIR "/resources"))
            if (entry.path().filename() != "locations.plist")
                std::filesystem::create_symlink(entry.path(), bundle_.path() / entry.path().filename());
        if (groups) PropertyList::writeFile(file().string(), *groups);
    }
    std::filesystem::path file() const { return bundle_.path() / "locations.plist"; }

  private:
    test::TemporaryBundle bundle_;
};

class LocationsScreenFixture : public LocationsTest {
  protected:
    using Screen = LocationsViewController;
    using Names = std::vector<std::string>;

    void SetUp() override {
        DataModel::sharedInstance()->setUserLocation(std::nullopt);
        host.navigationController()->setNavigationBarHidden(true);
    }
    void TearDown() override {
        host.advance(BannerMessages::kDuration + 1);
        LocationsTest::TearDown();
    }
    std::shared_ptr<Screen> open() {
        auto screen = std::make_shared<Screen>("LocationsViewController", frameworkBundle());
        host.show(screen);
        screen->tbl_locationTable.get()->layoutIfNeeded();
        return screen;
    }
    // What the list holds, top to bottom.
    static Names listed(const std::shared_ptr<Screen>& screen) {
        Names out;
        for (const Value& p : screen->annotationsArr()) out.push_back(p["Name"].stringValue());
        EXPECT_EQ(screen->tbl_locationTable.get()->numberOfRowsInSection(0), static_cast<long>(out.size()));
        return out;
    }
};

}  // namespace fv
