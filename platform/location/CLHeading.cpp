#include "platform/location/CLHeading.h"

#include <cstdio>

namespace fv {

std::string CLHeading::description() const {
    char buf[120];
    std::snprintf(buf, sizeof buf, "magneticHeading %.1f trueHeading %.1f accuracy %.1f", magneticHeading_,
                  trueHeading_, headingAccuracy_);
    return buf;
}

}  // namespace fv
