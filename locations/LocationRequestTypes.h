#pragma once
// The values location and heading requests are made and answered with.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/location/CLHeading.h"
#include "platform/location/CLLocation.h"

namespace fv {

// 0 asks for no accuracy; 1 (5000 m, 600 s) to 5 (5 m, 5 s) are increasingly strict.
using LocationAccuracy = std::int64_t;

using LocationRequestType = std::int64_t;
inline constexpr LocationRequestType LocationRequestTypeSingle = 0;
inline constexpr LocationRequestType LocationRequestTypeSubscription = 1;
inline constexpr LocationRequestType LocationRequestTypeSignificantChanges = 2;

using LocationServicesState = std::int64_t;
inline constexpr LocationServicesState LocationServicesStateAvailable = 0;
inline constexpr LocationServicesState LocationServicesStateNotDetermined = 1;
inline constexpr LocationServicesState LocationServicesStateDenied = 2;
inline constexpr LocationServicesState LocationServicesStateRestricted = 3;
inline constexpr LocationServicesState LocationServicesStateDisabled = 4;

// Statuses 2 to 5 are the services states 1 to 4 plus one.
using LocationRequestStatus = std::int64_t;
inline constexpr LocationRequestStatus LocationRequestStatusSuccess = 0;
inline constexpr LocationRequestStatus LocationRequestStatusTimedOut = 1;
inline constexpr LocationRequestStatus LocationRequestStatusServicesNotDetermined = 2;
inline constexpr LocationRequestStatus LocationRequestStatusServicesDenied = 3;
inline constexpr LocationRequestStatus LocationRequestStatusServicesRestricted = 4;
inline constexpr LocationRequestStatus LocationRequestStatusServicesDisabled = 5;
inline constexpr LocationRequestStatus LocationRequestStatusError = 6;

using HeadingServicesState = std::int64_t;
inline constexpr HeadingServicesState HeadingServicesStateAvailable = 0;
inline constexpr HeadingServicesState HeadingServicesStateUnavailable = 1;

using HeadingRequestStatus = std::int64_t;
inline constexpr HeadingRequestStatus HeadingRequestStatusSuccess = 0;
inline constexpr HeadingRequestStatus HeadingRequestStatusInvalid = 1;
inline constexpr HeadingRequestStatus HeadingRequestStatusUnavailable = 2;

// The fix (or none), the accuracy it achieved and how the request ended or was served.
using LocationRequestBlock =
    std::function<void(const std::optional<CLLocation>&, LocationAccuracy, LocationRequestStatus)>;
using HeadingRequestBlock = std::function<void(const std::optional<CLHeading>&, HeadingRequestStatus)>;

}  // namespace fv
