#pragma once
// Bundles: a folder of resources with optional language folders ("<lang>.lproj", "Base.lproj").
// The framework's own bundle is found by its identifier; the main bundle is the host's.
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
    // The framework bundle answers to "com.tarvex.Fernvault-SDK". It is $FERNVAULT_BUNDLE_PATH when
    // set, else a resources/ folder beside the shared library holding this code (the build tree
    // links the source's there), else the data folder it is installed with
    // (../share/fernvault/resources from the library). None when no such folder exists or the
    // identifier is unknown.
    static std::shared_ptr<NSBundle> bundleWithIdentifier(const std::string& identifier);
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
