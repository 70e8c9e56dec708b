#pragma once
// Objects whose properties can be read by name, e.g. by predicates over model objects.
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

class KeyValueCoding {
  public:
    virtual ~KeyValueCoding() = default;
    // A missing property reads as a null Value.
    virtual Value valueForKey(const std::string& key) const = 0;
};

}  // namespace fv
