// GeoLocationManager's heading requests: subscribing, cancelling, and answering each new heading.
#include "locations/GeoLocationManager.h"

#include "locations/GeoRequestIDGenerator.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

std::int64_t GeoLocationManager::subscribeToHeadingUpdatesWithBlock(HeadingRequestBlock block) {
    auto request = std::make_shared<GeoHeadingRequest>(std::move(block));
    if (headingServicesState() == HeadingServicesStateUnavailable) {
        RunLoop::main().post([block = request->block()] {
            if (block) block(std::nullopt, HeadingRequestStatusUnavailable);
        });
        return request->requestID();
    }
    auto list = headingRequests_;
    list.push_back(request);
    headingRequests_ = std::move(list);
    if (!isUpdatingHeading_) {
        locationManager_->startUpdatingHeading();
        isUpdatingHeading_ = true;
    }
    return request->requestID();
}

void GeoLocationManager::cancelHeadingRequest(std::int64_t requestID) {
    headingRequests_ = requestsWithout(headingRequests_, requestID);
    if (headingRequests_.empty() && isUpdatingHeading_) {
        locationManager_->stopUpdatingHeading();
        isUpdatingHeading_ = false;
    }
}

std::optional<CLHeading> GeoLocationManager::currentHeading() {
    if (currentHeading_ && !(currentHeading_->trueHeading() > 0 && currentHeading_->headingAccuracy() > 0)) {
        currentHeading_.reset();
    }
    return currentHeading_;
}

HeadingRequestStatus GeoLocationManager::statusForHeadingRequest() {
    if (headingServicesState() == HeadingServicesStateUnavailable) return HeadingRequestStatusUnavailable;
    return currentHeading() ? HeadingRequestStatusSuccess : HeadingRequestStatusInvalid;
}

void GeoLocationManager::locationManagerDidUpdateHeading(CLLocationManager&, const CLHeading& heading) {
    currentHeading_ = heading;
    processRecurringHeadingRequests();
}

void GeoLocationManager::processRecurringHeadingRequests() {
    const auto requests = headingRequests_;
    for (const auto& request : requests) {
        HeadingRequestStatus status = statusForHeadingRequest();
        if (status == HeadingRequestStatusUnavailable) {
            RunLoop::main().post([block = request->block()] {
                if (block) block(std::nullopt, HeadingRequestStatusUnavailable);
            });
            cancelHeadingRequest(request->requestID());
            continue;
        }
        // The heading judged here travels with its status: a later, invalid reading must not turn a
        // success into a success without a heading.
        RunLoop::main().post([block = request->block(), heading = currentHeading(), status] {
            if (block) block(heading, status);
        });
    }
}

}  // namespace fv
