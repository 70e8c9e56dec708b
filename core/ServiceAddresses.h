#pragma once
// The base addresses of every outside service the framework talks to. Each is, in order of
// precedence: what the host set in code, else its environment variable (read at each use), else the
// built-in default. Tests point a service at a loopback server and put it back with reset().
//
// | service                 | environment variable                   | built-in default              |
// | backend                 | FERNVAULT_SERVICE_URL                  | SERVICE_URL                   |
// | bank-link vendor (REST) | FERNVAULT_BANKLINK_URL                 | BANKLINK_SERVICE_URL          |
// | IP geolocation 0 to 6   | FERNVAULT_GEOLOCATION_SERVICE_<n>_URL  | GEOLOCATION_SERVICE_URLS[n]   |
//
// A base address is a scheme ("http" or "https"), a host, an optional port and an optional path; a
// trailing "/" is dropped. The geolocation services' fixed paths ("/json/", "/geoip/", ...) are added
// to their base by geolocationServiceURL().
#include <cstdint>
#include <optional>
#include <string>

namespace fv {

enum class OutsideService : int {
    Backend,
    BankLink,
    Geolocation0,
    Geolocation1,
    Geolocation2,
    Geolocation3,
    Geolocation4,
    Geolocation5,
    Geolocation6,
};

class ServiceAddresses {
  public:
    static constexpr int kGeolocationServiceCount = 7;

    // The base address in force for `service`.
    static std::string baseURL(OutsideService service);
    // Sets (or with none, clears) the host's base address. False, and nothing changed, when `url` is
    // not an absolute http or https address with a host.
    static bool setBaseURL(OutsideService service, const std::optional<std::string>& url);
    static std::string defaultBaseURL(OutsideService service);
    static std::string environmentVariable(OutsideService service);
    // Clears every base address set in code.
    static void reset();

    // `url` with a service's built-in base at its start replaced by that service's base in force;
    // any other address unchanged. Lets callers keep building addresses from the built-in constants.
    static std::string resolve(const std::string& url);

    // Geolocation service `n` (0 to 6) as an OutsideService; none for other numbers.
    static std::optional<OutsideService> geolocationService(std::uint64_t n);
    // The whole address of geolocation service `n`: its base and its fixed path; none above 6.
    static std::optional<std::string> geolocationServiceURL(std::uint64_t n);
};

}  // namespace fv
