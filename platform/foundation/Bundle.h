#pragma once
// Bundles: a folder of resources with optional language folders ("<lang>.lproj", "Base.lproj").
// Libraries register their bundles by identifier; the main bundle is the host's.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/StringsFile.h"
#include "platform/foundation/Value.h"

namespace fv {

class NSBundle {
  public:
    // Where a library's resource bundle lives: the folder named by $<environmentVariable> when that is
    // set, else the first existing folder of `foldersFromLibrary`, each relative to the folder of the
    // shared library holding the code at `anchor` (a build tree links its resources there; an
    // installed library finds its data folder).
    struct Location {
        std::string environmentVariable;
        const void* anchor = nullptr;
        std::vector<std::string> foldersFromLibrary;
    };
    // A library registers its bundle at start-up; registering an identifier again replaces its location.
    static void registerBundle(const std::string& identifier, Location location);
    // The registered bundle of that identifier; none when it is unknown or its folder does not exist.
    static std::shared_ptr<NSBundle> bundleWithIdentifier(const std::string& identifier);
    // The registered bundle of the shared library holding the code at `anchor` (a function of that
    // library's); none when that library registered none. Lets code find its own library's bundle
    // without naming it.
    static std::shared_ptr<NSBundle> bundleForAddress(const void* anchor);
    // The registered bundles whose folders exist, in the order they were registered.
    static std::vector<std::shared_ptr<NSBundle>> allFrameworks();
    // The host's bundle: $FERNVAULT_MAIN_BUNDLE, else the path set below, else the executable's folder.
    // Its identifier comes from that folder's Info.plist, read once per folder.
    static std::shared_ptr<NSBundle> mainBundle();
    static void setMainBundlePath(const std::string& path);

    // Preferred languages from LANGUAGE, LC_ALL, LC_MESSAGES or LANG, most wanted first ("fr-CA",
    // "fr", ...), always ending in "en".
    static std::vector<std::string> preferredLanguages();

    explicit NSBundle(std::string path, std::string identifier = "");

    const std::string& bundleIdentifier() const { return identifier_; }
    const std::string& bundlePath() const { return path_; }
    const std::string& resourcePath() const { return path_; }

    // `type` may be empty, with or without a leading dot; `name` may carry the extension. Searches the
    // bundle root, then the preferred language's folder, then "Base.lproj".
    std::optional<std::string> pathForResource(const std::string& name, const std::string& type) const;
    // Every file of that extension in the bundle root, sorted by name.
    std::vector<std::string> pathsForResourcesOfType(const std::string& type) const;

    // Looks `key` up in "<table>.strings" (default "Localizable") of the preferred languages' folders,
    // then "en.lproj", "Base.lproj" and the bundle root. When no table has the key: `value` if
    // non-empty, else the key itself.
    std::string localizedStringForKey(const std::string& key, const std::string& value,
                                      const std::string& table) const;

    // The bundle's Info.plist as a dictionary: a null value when the file is missing or is not a
    // property-list dictionary. Read at each call, so a host or test may rewrite it meanwhile.
    Value infoDictionary() const;
    // One entry of it; a null value when absent.
    Value objectForInfoDictionaryKey(const std::string& key) const;

  private:
    const StringsFile::Table* table(const std::string& path) const;

    std::string path_;
    std::string identifier_;
    // Parsed tables by file path; a missing or malformed file is cached as empty.
    mutable std::map<std::string, StringsFile::Table> tables_;
};

// The main bundle's text for `key` in the "Localizable" table; the comment is for translators only.
std::string NSLocalizedString(const std::string& key, const std::string& comment);

}  // namespace fv
