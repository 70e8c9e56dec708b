#include "locations/GeoLocationRequest.h"

#include <cmath>
#include <functional>
#include <string>

#include "locations/GeoRequestIDGenerator.h"

namespace fv {

namespace {

double wallNow() {
    return RunLoop::main().wallTime();
}

}  // namespace

std::shared_ptr<GeoLocationRequest> GeoLocationRequest::initWithType(LocationRequestType type) {
    return std::shared_ptr<GeoLocationRequest>(new GeoLocationRequest(type));
}

GeoLocationRequest::GeoLocationRequest(LocationRequestType type)
    : requestID_(GeoRequestIDGenerator::getUniqueRequestID()), type_(type) {}

GeoLocationRequest::~GeoLocationRequest() {
    stopTimer();
}

bool GeoLocationRequest::isRecurring() const {
    return type_ == LocationRequestTypeSubscription || type_ == LocationRequestTypeSignificantChanges;
}

double GeoLocationRequest::timeAlive() const {
    if (!requestStartTime_) return 0;
    return std::fabs(wallNow() - requestStartTime_->secondsSince1970);
}

double GeoLocationRequest::updateTimeStaleThreshold() const {
    switch (desiredAccuracy_) {
        case 1:
            return 600.0;
        case 2:
            return 300.0;
        case 3:
            return 60.0;
        case 4:
            return 15.0;
        case 5:
            return 5.0;
        default:
            return 0.0;
    }
}

double GeoLocationRequest::horizontalAccuracyThreshold() const {
    switch (desiredAccuracy_) {
        case 1:
            return 5000.0;
        case 2:
            return 1000.0;
        case 3:
            return 100.0;
        case 4:
            return 15.0;
        case 5:
            return 5.0;
        default:
            return 0.0;
    }
}

void GeoLocationRequest::startTimeoutTimerIfNeeded() {
    if (!hasTimeLimit() || timeoutTimer_) return;
    requestStartTime_ = Date{wallNow()};
    std::weak_ptr<GeoLocationRequest> weak = weak_from_this();
    timeoutTimer_ = RunLoop::main().scheduleTimer(timeout_, false, [weak](Timer&) {
        if (auto self = weak.lock()) self->timeoutTimerFired();
    });
}

bool GeoLocationRequest::hasTimedOut() {
    if (hasTimeLimit() && timeAlive() > timeout_) hasTimedOut_ = true;
    return hasTimedOut_;
}

// A limit that is not a number, or is infinite, would otherwise make a timer that fires at once or
// never; neither is a limit a caller can have meant.
bool GeoLocationRequest::hasTimeLimit() const {
    return std::isfinite(timeout_) && timeout_ > 0;
}

void GeoLocationRequest::forceTimeout() {
    if (!isRecurring()) hasTimedOut_ = true;
}

void GeoLocationRequest::complete() {
    stopTimer();
    requestStartTime_.reset();
}

void GeoLocationRequest::cancel() {
    stopTimer();
    requestStartTime_.reset();
}

void GeoLocationRequest::timeoutTimerFired() {
    hasTimedOut_ = true;
    // The timer has done its work; dropping it also ends the closure's hold on this request.
    timeoutTimer_.reset();
    if (auto d = delegate()) d->locationRequestDidTimeout(*this);
}

std::size_t GeoLocationRequest::hash() const {
    return std::hash<std::string>{}(std::to_string(requestID_));
}

void GeoLocationRequest::stopTimer() {
    if (timeoutTimer_) timeoutTimer_->invalidate();
    timeoutTimer_.reset();
}

}  // namespace fv
