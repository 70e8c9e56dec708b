#pragma once
// One compass-heading subscription: always recurring, answered through its completion until cancelled.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "locations/LocationRequestTypes.h"

namespace fv {

class GeoHeadingRequest {
  public:
    // Takes its identifier from GeoRequestIDGenerator.
    explicit GeoHeadingRequest(HeadingRequestBlock block);

    bool isRecurring() const { return true; }
    std::int64_t requestID() const { return requestID_; }
    const HeadingRequestBlock& block() const { return block_; }

    bool operator==(const GeoHeadingRequest& other) const { return requestID_ == other.requestID_; }
    std::size_t hash() const;

  private:
    std::int64_t requestID_;
    HeadingRequestBlock block_;
};
using GeoHeadingRequestPtr = std::shared_ptr<GeoHeadingRequest>;

}  // namespace fv
