#pragma once
// The outside services' built-in addresses and the result strings of every service completion.
// ServiceAddresses says where each service is reached in fact (hosts and tests may move them).
#include <array>
#include <string>

namespace fv {

// The backend's base address, without a trailing "/".
inline const std::string SERVICE_URL = "https://api.fernvault.example/RestfulWS/restful/services";

// Action paths, appended to SERVICE_URL with nothing in between.
inline const std::string SERVICE_ACTION_CREATE_CARD = "/create_cardholder";

// The bank-link vendor's sandbox REST service and its two paths.
inline const std::string BANKLINK_SERVICE_URL = "https://sandbox.banklink.example";
inline const std::string BANKLINK_PATH_TOKEN_EXCHANGE = "/item/public_token/exchange";
inline const std::string BANKLINK_PATH_AUTH = "/auth/get";

// The IP-geolocation services 0 to 6: each one's base address (scheme and host) and fixed path. The
// hosts are placeholders the host application replaces with the services it has chosen.
inline const std::array<std::string, 7> GEOLOCATION_SERVICE_URLS = {
    "http://geolocation-0.fernvault.example",  "http://geolocation-1.fernvault.example",
    "https://geolocation-2.fernvault.example", "https://geolocation-3.fernvault.example",
    "http://geolocation-4.fernvault.example",  "http://geolocation-5.fernvault.example",
    "http://geolocation-6.fernvault.example",
};
inline const std::array<std::string, 7> GEOLOCATION_SERVICE_PATHS = {
    "/json/", "/json/", "/json/", "/", "/api/", "/geoip/", "/geoip/",
};

inline const std::string SERVICE_RESULT_SUCCESS = "Success";
inline const std::string SERVICE_RESULT_ERROR = "Error";
inline const std::string SERVICE_RESULT_FAILURE = "Failure";

}  // namespace fv
