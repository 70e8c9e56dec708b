#include "locations/GeoRequestIDGenerator.h"

namespace fv {

namespace {

// Main thread only, like every request.
std::int64_t nextRequestID = 0;

}  // namespace

std::int64_t GeoRequestIDGenerator::getUniqueRequestID() {
    return ++nextRequestID;
}

void GeoRequestIDGenerator::resetForTesting() {
    nextRequestID = 0;
}

}  // namespace fv
