#pragma once
// The user's locale, read once from LANGUAGE, LC_ALL, LC_MESSAGES, LANG (first set wins;
// "de_DE.UTF-8" gives "de_DE" and "de"; unset, "C" or "POSIX" give "en_US" and "en").
// Tests may set it.
#include <optional>
#include <string>

namespace fv {

class NSLocale {
  public:
    static std::string currentLocaleIdentifier();  // "de_DE"
    static std::string preferredLanguage();        // "de"

    // For tests and hosts: use this identifier instead of the environment; none returns to it.
    static void setCurrentLocaleIdentifier(const std::optional<std::string>& identifier);

    // The region's name in the current locale ("DE" -> "Deutschland" in "de_DE"); none for a code
    // that names no region.
    static std::optional<std::string> countryDisplayName(const std::string& code);
};

}  // namespace fv
