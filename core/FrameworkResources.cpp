#include "core/FrameworkResources.h"

#include <atomic>

#include "core/Constants.h"
#include "platform/foundation/PropertyList.h"

namespace fv {

namespace {

std::atomic<bool> frameworkBundleRegistered{false};

[[maybe_unused]] const bool registeredAtLoad = (registerFrameworkBundle(), true);

}  // namespace

void registerFrameworkBundle() {
    NSBundle::registerBundle(kFrameworkBundleIdentifier,
                             {"FERNVAULT_BUNDLE_PATH",
                              reinterpret_cast<const void*>(&registerFrameworkBundle),
                              {"resources", FV_BUNDLE_FROM_LIBRARY}});
    frameworkBundleRegistered.store(true);
}

std::shared_ptr<NSBundle> frameworkBundle() {
    if (!frameworkBundleRegistered.load()) registerFrameworkBundle();
    return NSBundle::bundleWithIdentifier(kFrameworkBundleIdentifier);
}

std::optional<std::string> frameworkResourcePath(const std::string& name, const std::string& type) {
    const auto bundle = frameworkBundle();
    return bundle ? bundle->pathForResource(name, type) : std::nullopt;
}

std::optional<Value> readFrameworkArray(const std::string& name) {
    const auto path = frameworkResourcePath(name, "plist");
    return path ? PropertyList::readArray(*path) : std::nullopt;
}

}  // namespace fv
