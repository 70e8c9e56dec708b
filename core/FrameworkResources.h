#pragma once
// Files of the framework bundle (kFrameworkBundleIdentifier), looked up by name.
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

// The path of "<name>.<type>" in the framework bundle; none when the bundle or the file is missing.
std::optional<std::string> frameworkResourcePath(const std::string& name, const std::string& type);

// "<name>.plist" of the framework bundle read as an array; none when it is missing, unreadable or
// holds no array.
std::optional<Value> readFrameworkArray(const std::string& name);

}  // namespace fv
