#pragma once
// The framework bundle (kFrameworkBundleIdentifier) and its files, looked up by name.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Value.h"

namespace fv {

// Tells the platform where the framework bundle lives: $FERNVAULT_BUNDLE_PATH when set, else a
// resources/ folder beside the framework library (the build tree links the source's there), else the
// data folder it is installed with. Runs when the library loads; running it again does no harm.
void registerFrameworkBundle();

// The framework bundle, registered first if need be; none when its folder does not exist.
std::shared_ptr<NSBundle> frameworkBundle();

// The path of "<name>.<type>" in the framework bundle; none when the bundle or the file is missing.
std::optional<std::string> frameworkResourcePath(const std::string& name, const std::string& type);

// "<name>.plist" of the framework bundle read as an array; none when it is missing, unreadable or
// holds no array.
std::optional<Value> readFrameworkArray(const std::string& name);

}  // namespace fv
