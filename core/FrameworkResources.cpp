#include "core/FrameworkResources.h"

#include "core/Constants.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/PropertyList.h"

namespace fv {

std::optional<std::string> frameworkResourcePath(const std::string& name, const std::string& type) {
    const auto bundle = NSBundle::bundleWithIdentifier(kFrameworkBundleIdentifier);
    return bundle ? bundle->pathForResource(name, type) : std::nullopt;
}

std::optional<Value> readFrameworkArray(const std::string& name) {
    const auto path = frameworkResourcePath(name, "plist");
    return path ? PropertyList::readArray(*path) : std::nullopt;
}

}  // namespace fv
