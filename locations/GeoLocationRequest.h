#pragma once
// One registered location request: its kind, accuracy level, time limit and completion. Requests are
// the same when they carry the same identifier. Main thread only.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "locations/LocationRequestTypes.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Value.h"

namespace fv {

class GeoLocationRequest;

class GeoLocationRequestDelegate {
  public:
    virtual ~GeoLocationRequestDelegate() = default;
    virtual void locationRequestDidTimeout(GeoLocationRequest& request) = 0;
};

class GeoLocationRequest : public std::enable_shared_from_this<GeoLocationRequest> {
  public:
    // A request cannot exist without a type; its identifier comes from GeoRequestIDGenerator.
    static std::shared_ptr<GeoLocationRequest> initWithType(LocationRequestType type);
    ~GeoLocationRequest();
    GeoLocationRequest(const GeoLocationRequest&) = delete;
    GeoLocationRequest& operator=(const GeoLocationRequest&) = delete;

    std::shared_ptr<GeoLocationRequestDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<GeoLocationRequestDelegate>& delegate) { delegate_ = delegate; }

    std::int64_t requestID() const { return requestID_; }
    LocationRequestType type() const { return type_; }
    bool isRecurring() const;

    LocationAccuracy desiredAccuracy() const { return desiredAccuracy_; }
    void setDesiredAccuracy(LocationAccuracy accuracy) { desiredAccuracy_ = accuracy; }
    // Seconds; a value not above 0, not a number or infinite means no time limit.
    double timeout() const { return timeout_; }
    void setTimeout(double seconds) { timeout_ = seconds; }
    const LocationRequestBlock& block() const { return block_; }
    void setBlock(LocationRequestBlock block) { block_ = std::move(block); }

    const std::optional<Date>& requestStartTime() const { return requestStartTime_; }
    bool hasTimeoutTimer() const { return timeoutTimer_ != nullptr; }
    // Seconds since the time limit started running; 0 while it has not.
    double timeAlive() const;

    // The largest age (seconds) and horizontal accuracy (metres) a fix may have at this level; 0.0 for
    // a level outside 1 to 5.
    double updateTimeStaleThreshold() const;
    double horizontalAccuracyThreshold() const;

    // Starts the time limit now, unless there is none or it already runs.
    void startTimeoutTimerIfNeeded();
    // Whether the time limit has passed; remembered once it has.
    bool hasTimedOut();
    // Marks a one-shot request as timed out; a recurring one is left alone.
    void forceTimeout();
    // Both stop the time limit; they differ only in what the manager does with the request.
    void complete();
    void cancel();
    void timeoutTimerFired();

    bool operator==(const GeoLocationRequest& other) const { return requestID_ == other.requestID_; }
    // The hash of the identifier's decimal text.
    std::size_t hash() const;

  private:
    explicit GeoLocationRequest(LocationRequestType type);
    void stopTimer();
    bool hasTimeLimit() const;

    bool hasTimedOut_ = false;
    std::weak_ptr<GeoLocationRequestDelegate> delegate_;
    std::int64_t requestID_;
    LocationRequestType type_;
    LocationAccuracy desiredAccuracy_ = 0;
    double timeout_ = 0;
    LocationRequestBlock block_;
    std::optional<Date> requestStartTime_;
    std::shared_ptr<Timer> timeoutTimer_;
};
using GeoLocationRequestPtr = std::shared_ptr<GeoLocationRequest>;

}  // namespace fv
