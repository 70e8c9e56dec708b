#include "platform/foundation/UserDefaults.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/foundation/FileContents.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"

namespace fv {

namespace {

std::string envOrEmpty(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string defaultsPath() {
    if (auto path = envOrEmpty("FERNVAULT_DEFAULTS_PATH"); !path.empty()) return path;
    std::string dataHome = envOrEmpty("XDG_DATA_HOME");
    // Relative values are invalid for XDG and would put settings wherever the process happens to run.
    if (dataHome.empty() || dataHome.front() != '/') {
        const std::string home = envOrEmpty("HOME");
        if (home.empty()) return {};
        dataHome = home + "/.local/share";
    }
    return dataHome + "/fernvault/defaults.plist";
}

std::string timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &utc);
    return buf;
}

std::unique_ptr<NSUserDefaults>& standardInstance() {
    static std::unique_ptr<NSUserDefaults> instance;
    return instance;
}

}  // namespace

NSUserDefaults& NSUserDefaults::standardUserDefaults() {
    auto& instance = standardInstance();
    if (!instance) instance = std::make_unique<NSUserDefaults>(defaultsPath());
    return *instance;
}

void NSUserDefaults::resetStandardUserDefaultsForTesting() {
    standardInstance().reset();
}

NSUserDefaults::NSUserDefaults(std::string path) : path_(std::move(path)), values_(Value::Dictionary{}) {
    load();
}

NSUserDefaults::~NSUserDefaults() = default;

void NSUserDefaults::load() {
    if (path_.empty()) return;
    PropertyList::removeStaleTemporaryFiles(path_);
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) return;
    corrupt_ = true;
    if (!isRegularFile(path_)) {
        log("User defaults file " + path_ + " is not a regular file; starting with empty defaults, " +
            "it will be moved aside");
        return;
    }
    if (auto dict = PropertyList::readDictionary(path_)) {
        values_ = std::move(*dict);
        corrupt_ = false;
        return;
    }
    log("User defaults file " + path_ + " is unreadable or damaged; starting with empty defaults, " +
        "the file will be kept aside");
}

bool NSUserDefaults::moveCorruptFileAside() {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) return true;
    // Through a symbolic link, so that the link stays and the next write reaches what it names.
    const std::string file = resolveSymbolicLinks(path_).value_or(path_);
    std::string aside = file + ".corrupt-" + timestamp();
    for (int n = 1; std::filesystem::exists(std::filesystem::symlink_status(aside, ec)); ++n)
        aside = file + ".corrupt-" + timestamp() + "-" + std::to_string(n);
    std::filesystem::rename(file, aside, ec);
    if (ec) {
        log("User defaults: could not move the damaged file " + file + " aside (" + ec.message() +
            "); not writing over it");
        return false;
    }
    log("User defaults: moved the damaged file aside to " + aside);
    return true;
}

Value NSUserDefaults::objectForKey(const std::string& key) const {
    return values_[key];
}

std::optional<Value::Bytes> NSUserDefaults::dataForKey(const std::string& key) const {
    if (const Value::Bytes* data = values_[key].asData()) return *data;
    return std::nullopt;
}

std::optional<std::string> NSUserDefaults::stringForKey(const std::string& key) const {
    const Value& v = values_[key];
    if (v.isString() || v.isNumber()) return v.stringValue();
    return std::nullopt;
}

bool NSUserDefaults::boolForKey(const std::string& key) const {
    return values_[key].boolValue(false);
}

std::int64_t NSUserDefaults::integerForKey(const std::string& key) const {
    return values_[key].integerValue(0);
}

bool NSUserDefaults::setObject(const Value& value, const std::string& key) {
    if (value.isNull()) {
        removeObjectForKey(key);
        return true;
    }
    // An unchanged value leaves the file alone (and needs no second check): the framework seeds the
    // same values on every start.
    if (values_[key] == value) return true;
    if (key.find('\0') != std::string::npos || PropertyList::toXML(value).empty()) {
        log("User defaults: the value for key \"" + key + "\" cannot be stored in a property list");
        return false;
    }
    values_.set(key, value);
    dirty_ = true;
    return true;
}

void NSUserDefaults::setBool(bool value, const std::string& key) {
    setObject(Value(value), key);
}

void NSUserDefaults::removeObjectForKey(const std::string& key) {
    if (values_.remove(key)) dirty_ = true;
}

bool NSUserDefaults::synchronize() {
    if (!dirty_) return true;
    if (path_.empty()) {
        log("User defaults: no location to write to (HOME is not set)");
        return false;
    }
    if (corrupt_) {
        if (!moveCorruptFileAside()) return false;
        corrupt_ = false;
    }
    // The settings hold card data: folders made here are private, like the file itself.
    const auto parent = std::filesystem::path(resolveSymbolicLinks(path_).value_or(path_)).parent_path();
    if (!parent.empty() && !createPrivateDirectories(parent.string())) {
        log("User defaults: could not create the folder " + parent.string());
        return false;
    }
    if (!PropertyList::writeFile(path_, values_)) {
        log("User defaults: could not write " + path_);
        return false;
    }
    dirty_ = false;
    return true;
}

}  // namespace fv
