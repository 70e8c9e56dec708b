#pragma once
// A compass reading: true and magnetic heading in degrees from north, and how far off it may be.
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

using CLLocationDirection = double;  // degrees; negative when unknown

class CLHeading {
  public:
    CLHeading() = default;
    CLHeading(CLLocationDirection trueHeading, CLLocationDirection headingAccuracy,
              CLLocationDirection magneticHeading = -1, Date timestamp = {})
        : trueHeading_(trueHeading),
          magneticHeading_(magneticHeading),
          headingAccuracy_(headingAccuracy),
          timestamp_(timestamp) {}

    CLLocationDirection trueHeading() const { return trueHeading_; }
    CLLocationDirection magneticHeading() const { return magneticHeading_; }
    // Largest error in degrees; negative means the heading is not usable.
    CLLocationDirection headingAccuracy() const { return headingAccuracy_; }
    Date timestamp() const { return timestamp_; }

    // "magneticHeading 12.5 trueHeading 10.0 accuracy 5.0".
    std::string description() const;

    bool operator==(const CLHeading&) const = default;

  private:
    CLLocationDirection trueHeading_ = -1;
    CLLocationDirection magneticHeading_ = -1;
    CLLocationDirection headingAccuracy_ = -1;
    Date timestamp_;
};

}  // namespace fv
