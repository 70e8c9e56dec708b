#pragma once
// The backend's addresses and the result strings of every service completion.
#include <string>

namespace fv {

// The backend's base address, without a trailing "/". ServiceManager sends requests for this address
// to $FERNVAULT_SERVICE_URL instead when that is set (read once), so hosts and tests can point the
// framework at another backend.
inline const std::string SERVICE_URL = "https://api.fernvault.example/RestfulWS/restful/services";

// Action paths, appended to SERVICE_URL with nothing in between.
inline const std::string SERVICE_ACTION_CREATE_CARD = "/create_cardholder";

inline const std::string SERVICE_RESULT_SUCCESS = "Success";
inline const std::string SERVICE_RESULT_ERROR = "Error";
inline const std::string SERVICE_RESULT_FAILURE = "Failure";

}  // namespace fv
