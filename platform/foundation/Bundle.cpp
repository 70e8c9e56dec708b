#include "platform/foundation/Bundle.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace fs = std::filesystem;

namespace {

std::string envOrEmpty(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool isDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool pathExists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

std::string& mainBundleOverride() {
    static std::string path;
    return path;
}

// Each test starts with the host's main bundle where the environment puts it.
[[maybe_unused]] const bool registered =
    ResetHooks::add("foundation.mainBundle", [] { NSBundle::setMainBundlePath(""); });

// Bundles are kept per folder so their parsed string tables are read once. Each folder named is
// resolved once too: resolving reads every link on the way, and the framework asks for its bundle on
// every resource it loads.
std::shared_ptr<NSBundle> bundleAt(const fs::path& folder, const std::string& identifier) {
    static std::map<std::string, std::shared_ptr<NSBundle>> bundles;
    static std::map<std::string, std::string> resolved;
    auto found = resolved.find(folder.string());
    if (found == resolved.end()) {
        std::error_code ec;
        fs::path canonical = fs::weakly_canonical(folder, ec);
        found = resolved.emplace(folder.string(), (ec ? folder : canonical).string()).first;
    }
    const std::string& key = found->second;
    auto& bundle = bundles[key + '\n' + identifier];
    if (!bundle) bundle = std::make_shared<NSBundle>(key, identifier);
    return bundle;
}

struct Registered {
    std::string identifier;
    NSBundle::Location location;
};

std::mutex& registryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<Registered>& registry() {
    static std::vector<Registered> entries;
    return entries;
}

// Folders found for an identifier under a value of its environment variable (under the registry's
// mutex; forgotten when a location is registered again).
std::map<std::string, fs::path>& foundFolders() {
    static std::map<std::string, fs::path> folders;
    return folders;
}

// The file of the library an address lies in never changes while the process runs, and dladdr walks
// every loaded object's symbols: each bundle lookup would pay for it again.
std::optional<fs::path> libraryFolderOf(const void* anchor) {
    static std::mutex mutex;
    static std::map<const void*, std::optional<fs::path>> known;
    std::lock_guard lock(mutex);
    auto it = known.find(anchor);
    if (it != known.end()) return it->second;
    Dl_info info{};
    std::optional<fs::path> folder;
    if (dladdr(anchor, &info) && info.dli_fname) folder = fs::path(info.dli_fname).parent_path();
    known.emplace(anchor, folder);
    return folder;
}

// The load address of the library an address lies in; none outside any loaded object.
const void* libraryBaseOf(const void* anchor) {
    static std::mutex mutex;
    static std::map<const void*, const void*> known;
    std::lock_guard lock(mutex);
    auto it = known.find(anchor);
    if (it != known.end()) return it->second;
    Dl_info info{};
    const void* base = dladdr(anchor, &info) ? info.dli_fbase : nullptr;
    known.emplace(anchor, base);
    return base;
}

// Said once per process for each variable and value: every resource the framework loads looks for
// its bundle again, and the folder is looked for again too, in case it appears meanwhile.
void reportMissingFolder(const std::string& variable, const std::string& value) {
    static std::mutex mutex;
    static std::set<std::string> reported;
    {
        std::lock_guard lock(mutex);
        if (!reported.insert(variable + '\n' + value).second) return;
    }
    log(variable + " names no folder: " + value);
}

std::optional<fs::path> folderOf(const NSBundle::Location& location) {
    if (!location.environmentVariable.empty()) {
        if (auto env = envOrEmpty(location.environmentVariable.c_str()); !env.empty()) {
            if (isDirectory(env)) return fs::path(env);
            reportMissingFolder(location.environmentVariable, env);
            return std::nullopt;
        }
    }
    if (auto libraryDir = location.anchor ? libraryFolderOf(location.anchor) : std::nullopt) {
        for (const auto& folder : location.foldersFromLibrary)
            if (isDirectory(*libraryDir / folder)) return *libraryDir / folder;
    }
    return std::nullopt;
}

fs::path executableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

// Resource names come from code, but must still never reach outside the bundle.
bool isSafeRelativeName(const std::string& name) {
    if (name.empty() || name.front() == '/') return false;
    for (std::size_t start = 0; start <= name.size();) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        if (name.compare(start, end - start, "..") == 0) return false;
        start = end + 1;
    }
    return true;
}

// Strings rather than paths: every resource the framework loads is looked for here, often in
// several folders, and path objects cost more than the look itself.
std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + '/' + name;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void addLanguage(std::vector<std::string>& out, std::string tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    if (tag.empty() || tag == "C" || tag == "POSIX") return;
    std::replace(tag.begin(), tag.end(), '_', '-');
    for (const std::string& candidate : {tag, tag.substr(0, tag.find('-'))})
        if (std::find(out.begin(), out.end(), candidate) == out.end()) out.push_back(candidate);
}

}  // namespace

NSBundle::NSBundle(std::string path, std::string identifier)
    : path_(std::move(path)), identifier_(std::move(identifier)) {}

void NSBundle::registerBundle(const std::string& identifier, Location location) {
    std::lock_guard lock(registryMutex());
    foundFolders().clear();
    auto& entries = registry();
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const Registered& r) { return r.identifier == identifier; });
    if (it != entries.end())
        it->location = std::move(location);
    else
        entries.push_back({identifier, std::move(location)});
}

// The environment may name another folder at any time, so the folder is looked for again whenever its
// variable changes; a folder once found is kept while it does not (every resource the framework
// loads asks for its bundle, and looking means a file-system call or more).
std::shared_ptr<NSBundle> NSBundle::bundleWithIdentifier(const std::string& identifier) {
    std::optional<Location> location;
    std::string key;
    {
        std::lock_guard lock(registryMutex());
        for (const auto& r : registry())
            if (r.identifier == identifier) location = r.location;
        if (!location) return nullptr;
        key = identifier + '\n' + envOrEmpty(location->environmentVariable.c_str());
        if (auto it = foundFolders().find(key); it != foundFolders().end())
            return bundleAt(it->second, identifier);
    }
    auto folder = folderOf(*location);
    if (!folder) return nullptr;
    {
        std::lock_guard lock(registryMutex());
        foundFolders()[key] = *folder;
    }
    return bundleAt(*folder, identifier);
}

std::shared_ptr<NSBundle> NSBundle::bundleForAddress(const void* anchor) {
    const void* library = anchor ? libraryBaseOf(anchor) : nullptr;
    if (!library) return nullptr;
    std::vector<Registered> entries;
    {
        std::lock_guard lock(registryMutex());
        entries = registry();
    }
    for (const auto& r : entries)
        if (r.location.anchor && libraryBaseOf(r.location.anchor) == library)
            return bundleWithIdentifier(r.identifier);
    return nullptr;
}

std::vector<std::shared_ptr<NSBundle>> NSBundle::allFrameworks() {
    std::vector<std::string> identifiers;
    {
        std::lock_guard lock(registryMutex());
        for (const auto& r : registry()) identifiers.push_back(r.identifier);
    }
    std::vector<std::shared_ptr<NSBundle>> bundles;
    for (const auto& identifier : identifiers)
        if (auto bundle = bundleWithIdentifier(identifier)) bundles.push_back(std::move(bundle));
    return bundles;
}

std::shared_ptr<NSBundle> NSBundle::mainBundle() {
    fs::path folder = envOrEmpty("FERNVAULT_MAIN_BUNDLE");
    if (folder.empty()) folder = mainBundleOverride();
    if (folder.empty()) folder = executableFolder();
    // Resolved once per folder: every localized string and named image asks for the main bundle, and
    // must not re-read Info.plist each time.
    static std::map<std::string, std::shared_ptr<NSBundle>> byFolder;
    auto& bundle = byFolder[folder.string()];
    if (!bundle) {
        std::string identifier;
        if (auto info = PropertyList::readDictionary((folder / "Info.plist").string()))
            identifier = (*info)["CFBundleIdentifier"].stringValue();
        bundle = bundleAt(folder, identifier);
    }
    return bundle;
}

void NSBundle::setMainBundlePath(const std::string& path) {
    mainBundleOverride() = path;
}

std::vector<std::string> NSBundle::preferredLanguages() {
    std::vector<std::string> out;
    const std::string list = envOrEmpty("LANGUAGE");
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        addLanguage(out, list.substr(start, end - start));
        start = end + 1;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (auto v = envOrEmpty(name); !v.empty()) {
            addLanguage(out, v);
            break;
        }
    }
    addLanguage(out, "en");
    return out;
}

std::optional<std::string> NSBundle::pathForResource(const std::string& name, const std::string& type) const {
    std::string file = name;
    if (!type.empty()) file += type.front() == '.' ? type : "." + type;
    if (!isSafeRelativeName(name) || !isSafeRelativeName(file)) return std::nullopt;
    if (std::string path = joined(path_, file); fileExists(path)) return path;
    for (const std::string& language : preferredLanguages())
        if (std::string path = joined(joined(path_, language + ".lproj"), file); fileExists(path))
            return path;
    if (std::string path = joined(joined(path_, "Base.lproj"), file); fileExists(path)) return path;
    return std::nullopt;
}

std::vector<std::string> NSBundle::pathsForResourcesOfType(const std::string& type) const {
    const std::string extension = type.empty() || type.front() == '.' ? type : "." + type;
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        if (extension.empty() || it->path().extension() == extension) out.push_back(it->path().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

const StringsFile::Table* NSBundle::table(const std::string& path) const {
    auto it = tables_.find(path);
    if (it == tables_.end()) {
        StringsFile::Table parsed;
        if (pathExists(path)) {
            if (auto t = StringsFile::readFile(path))
                parsed = std::move(*t);
            else
                log("Localized strings file is malformed, ignoring it: " + path);
        }
        it = tables_.emplace(path, std::move(parsed)).first;
    }
    return &it->second;
}

std::string NSBundle::localizedStringForKey(const std::string& key, const std::string& value,
                                            const std::string& table) const {
    const std::string file = (table.empty() ? std::string("Localizable") : table) + ".strings";
    std::vector<fs::path> folders;
    for (const std::string& language : preferredLanguages())
        folders.push_back(fs::path(path_) / (language + ".lproj"));
    folders.push_back(fs::path(path_) / "Base.lproj");
    folders.push_back(path_);
    for (const fs::path& folder : folders) {
        const StringsFile::Table* strings = this->table((folder / file).string());
        if (auto it = strings->find(key); it != strings->end()) return it->second;
    }
    return value.empty() ? key : value;
}

Value NSBundle::infoDictionary() const {
    auto info = PropertyList::readDictionary((fs::path(path_) / "Info.plist").string());
    return info ? std::move(*info) : Value();
}

Value NSBundle::objectForInfoDictionaryKey(const std::string& key) const {
    return infoDictionary()[key];
}

std::string NSLocalizedString(const std::string& key, const std::string& /*comment*/) {
    return NSBundle::mainBundle()->localizedStringForKey(key, "", "Localizable");
}

}  // namespace fv
