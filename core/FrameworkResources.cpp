#include "core/FrameworkResources.h"

#include <atomic>
#include <filesystem>
#include <system_error>

#include "core/Constants.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"

namespace fv {

namespace {

std::atomic<bool> frameworkBundleRegistered{false};

[[maybe_unused]] const bool registeredAtLoad = (registerFrameworkBundle(), true);

// The entries of `value` at every depth, counted no further than just past `limit`.
std::size_t entryCount(const Value& value, std::size_t limit) {
    std::size_t count = 0;
    const auto add = [&](const Value& member) {
        if (count <= limit) count += 1 + entryCount(member, limit - count);
    };
    if (const Value::Array* items = value.asArray()) {
        for (const Value& item : *items) add(item);
    } else if (const Value::Dictionary* members = value.asDictionary()) {
        for (const auto& [key, member] : *members) add(member);
    }
    return count;
}

std::optional<Value> readBundledList(const std::string& name, Value::Type root,
                                     const BundledListLimits& limits) {
    const auto path = frameworkResourcePath(name, "plist");
    if (!path) return std::nullopt;
    std::error_code ec;
    const auto size = std::filesystem::file_size(*path, ec);
    if (!ec && size > limits.maxBytes) {
        log(name + ".plist: " + std::to_string(size) + " bytes, over the " + std::to_string(limits.maxBytes) +
            " a bundled list may have; it is not read");
        return std::nullopt;
    }
    const auto bytes = readFileContents(*path, limits.maxBytes);
    auto value = bytes ? PropertyList::readData(*bytes) : std::nullopt;
    if (!value || value->type() != root) return std::nullopt;
    if (entryCount(*value, limits.maxEntries) > limits.maxEntries) {
        log(name + ".plist: over the " + std::to_string(limits.maxEntries) +
            " entries a bundled list may have; it is not read");
        return std::nullopt;
    }
    return value;
}

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

std::optional<Value> readFrameworkArray(const std::string& name, const BundledListLimits& limits) {
    return readBundledList(name, Value::Type::Array, limits);
}

std::optional<Value> readFrameworkDictionary(const std::string& name, const BundledListLimits& limits) {
    return readBundledList(name, Value::Type::Dictionary, limits);
}

}  // namespace fv
