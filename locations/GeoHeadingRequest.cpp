#include "locations/GeoHeadingRequest.h"

#include <functional>
#include <string>

#include "locations/GeoRequestIDGenerator.h"

namespace fv {

GeoHeadingRequest::GeoHeadingRequest(HeadingRequestBlock block)
    : requestID_(GeoRequestIDGenerator::getUniqueRequestID()), block_(std::move(block)) {}

std::size_t GeoHeadingRequest::hash() const {
    return std::hash<std::string>{}(std::to_string(requestID_));
}

}  // namespace fv
