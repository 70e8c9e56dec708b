#pragma once
// The source of location and heading request identifiers: 1, 2, 3, ... in order of creation, shared by
// both kinds and never reused within a run (the test host's reset starts the count afresh).
#include <cstdint>
#include <memory>
#include <vector>

namespace fv {

class GeoRequestIDGenerator {
  public:
    static std::int64_t getUniqueRequestID();
    static void resetForTesting();
};

// The requests of `list` but the one with `requestID`, as a new list: a caller may be walking the old one.
template <typename Request>
std::vector<std::shared_ptr<Request>> requestsWithout(const std::vector<std::shared_ptr<Request>>& list,
                                                      std::int64_t requestID) {
    std::vector<std::shared_ptr<Request>> rest;
    for (const auto& r : list) {
        if (r->requestID() != requestID) rest.push_back(r);
    }
    return rest;
}

}  // namespace fv
