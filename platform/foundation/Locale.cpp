#include "platform/foundation/Locale.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>

#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

struct LocaleState {
    std::mutex mutex;
    std::optional<std::string> identifier;  // none: not yet read from the environment
};

// Each test starts with the locale of the environment.
[[maybe_unused]] const bool registered =
    ResetHooks::add("foundation.locale", [] { NSLocale::setCurrentLocaleIdentifier(std::nullopt); });

LocaleState& state() {
    static LocaleState instance;
    return instance;
}

// "de_DE.UTF-8@euro" -> "de_DE"; "C", "POSIX" and empty texts give "en_US".
std::string normalise(std::string value) {
    value = value.substr(0, value.find_first_of(".@"));
    std::replace(value.begin(), value.end(), '-', '_');
    if (value.empty() || value == "C" || value == "POSIX") return "en_US";
    return value;
}

std::string fromEnvironment() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* raw = std::getenv(name);
        if (!raw || !*raw) continue;
        std::string value(raw);
        // LANGUAGE is a list of preferences: the first one counts.
        if (std::string(name) == "LANGUAGE") value = value.substr(0, value.find(':'));
        if (!value.empty()) return normalise(value);
    }
    return "en_US";
}

}  // namespace

std::string NSLocale::currentLocaleIdentifier() {
    LocaleState& s = state();
    std::lock_guard lock(s.mutex);
    if (!s.identifier) s.identifier = fromEnvironment();
    return *s.identifier;
}

std::string NSLocale::preferredLanguage() {
    std::string id = currentLocaleIdentifier();
    return id.substr(0, id.find('_'));
}

void NSLocale::setCurrentLocaleIdentifier(const std::optional<std::string>& identifier) {
    LocaleState& s = state();
    std::lock_guard lock(s.mutex);
    if (identifier) {
        s.identifier = normalise(*identifier);
    } else {
        s.identifier.reset();
    }
}

std::optional<std::string> NSLocale::countryDisplayName(const std::string& code) {
    bool letters = code.size() == 2 &&
                   std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isalpha(c); });
    bool digits = code.size() == 3 &&
                  std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isdigit(c); });
    if (!letters && !digits) return std::nullopt;
    std::string upper = code;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    icu::Locale region("", upper.c_str());
    icu::Locale display(currentLocaleIdentifier().c_str());
    icu::UnicodeString name;
    region.getDisplayCountry(display, name);
    std::string out;
    name.toUTF8String(out);
    // ICU answers with the bare code when it knows no name.
    if (out.empty() || out == upper) return std::nullopt;
    return out;
}

}  // namespace fv
