#pragma once
// The framework bundle (kFrameworkBundleIdentifier) and its files, looked up by name.
#include <cstddef>
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

// Bounds on a bundled list: far above anything the framework ships, low enough that an oversized or
// damaged file cannot stall a screen or exhaust memory. Entries are counted at every depth: the
// members of each array and dictionary.
struct BundledListLimits {
    std::size_t maxBytes;
    std::size_t maxEntries;
};
// Short lists of settings: account types, fonts, card controls, deposit details.
inline constexpr BundledListLimits kSettingsListLimits{1u << 20, 10'000};
// Lists of records: cards, recipients, bank accounts, transfers, addresses.
inline constexpr BundledListLimits kRecordListLimits{4u << 20, 100'000};

// "<name>.plist" of the framework bundle read as an array or a dictionary; none when it is missing,
// unreadable or of the other root type. A file over either limit is refused with one log line.
std::optional<Value> readFrameworkArray(const std::string& name,
                                        const BundledListLimits& limits = kRecordListLimits);
std::optional<Value> readFrameworkDictionary(const std::string& name,
                                             const BundledListLimits& limits = kSettingsListLimits);

}  // namespace fv
