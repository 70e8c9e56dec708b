// The locations screen over 25,000 places: reading the bundled list, one row and one pin each, the
// map laid out and fitted to them. The raw twin puts the same pins on a bare map: the screen should
// cost a small multiple of it, growing with the places in step.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/FrameworkResources.h"
#include "locations/Custom_Annotation.h"
#include "locations/LocationsViewController.h"
#include "platform/foundation/PropertyList.h"
#include "platform/location/MKMapView.h"

namespace {

using namespace fv;
namespace fs = std::filesystem;

Value places(int count) {
    Value::Array points;
    for (int i = 0; i < count; ++i) {
        // Built in place: GCC 12 takes the moved-from temporary's storage for uninitialized.
        points.emplace_back(Value::Dictionary{{"Name", "Place " + std::to_string(i)},
                                              {"Address", "Street " + std::to_string(i)},
                                              {"Lat", std::to_string(45.3 + (i % 150) * 0.003)},
                                              {"Lng", std::to_string(-122.9 + (i / 150) * 0.003)}});
    }
    return Value(
        Value::Array{Value(Value::Dictionary{{"Type", "ATM"}, {"Points", Value(std::move(points))}})});
}

// The framework bundle with a locations list of `count` places, in force while alive.
class BundleWithPlaces {
  public:
    explicit BundleWithPlaces(int count) {
        const auto real = frameworkBundle();
        dir_ = fs::temp_directory_path() / ("fv-bench-locations-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        if (real) {
            for (const auto& entry : fs::directory_iterator(real->bundlePath()))
                if (entry.path().filename() != "locations.plist")
                    fs::create_symlink(entry.path(), dir_ / entry.path().filename());
        }
        PropertyList::writeFile((dir_ / "locations.plist").string(), places(count));
        ::setenv("FERNVAULT_BUNDLE_PATH", dir_.c_str(), 1);
    }
    ~BundleWithPlaces() {
        ::unsetenv("FERNVAULT_BUNDLE_PATH");
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string list() const { return (dir_ / "locations.plist").string(); }

  private:
    fs::path dir_;
};

void BM_LocationsScreen(benchmark::State& state) {
    BundleWithPlaces bundle(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto screen = std::make_shared<LocationsViewController>("LocationsViewController", frameworkBundle());
        screen->view()->setFrame({{0, 0}, {375, 667}});
        screen->view()->layoutIfNeeded();
        benchmark::DoNotOptimize(screen->mapView.get()->annotations().size());
    }
}
BENCHMARK(BM_LocationsScreen)->Arg(2500)->Arg(25000)->Unit(benchmark::kMillisecond);

void BM_LocationsRawMap(benchmark::State& state) {
    BundleWithPlaces bundle(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto groups = PropertyList::readArray(bundle.list());
        std::vector<MKAnnotationPtr> pins;
        for (const Value& point : *(*groups->asArray())[0]["Points"].asArray()) {
            pins.push_back(
                Custom_Annotation::create(CLLocationCoordinate2DMake(std::stod(point["Lat"].stringValue()),
                                                                     std::stod(point["Lng"].stringValue())),
                                          point["Name"].stringValue(), ""));
        }
        auto map = MKMapView::create({{0, 0}, {375, 400}});
        map->addAnnotations(pins);
        map->layoutIfNeeded();
        map->showAnnotations(map->annotations(), false);
        benchmark::DoNotOptimize(map->annotations().size());
    }
}
BENCHMARK(BM_LocationsRawMap)->Arg(2500)->Arg(25000)->Unit(benchmark::kMillisecond);

}  // namespace
