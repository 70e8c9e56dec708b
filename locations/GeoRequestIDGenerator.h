#pragma once
// The source of location and heading request identifiers: 1, 2, 3, ... in order of creation, shared by
// both kinds and never reused within a run (the test host's reset starts the count afresh).
#include <cstdint>

namespace fv {

class GeoRequestIDGenerator {
  public:
    static std::int64_t getUniqueRequestID();
    static void resetForTesting();
};

}  // namespace fv
