#pragma once
// The null marker: one shared object standing for "nothing" where a container cannot hold none,
// e.g. a cache entry recording that a lookup found nothing.
#include <memory>

#include "platform/foundation/NSObject.h"

namespace fv {

class NSNull : public NSObject {
    FV_CLASS(NSNull, NSObject)
    // The one instance; every call returns the same object.
    static std::shared_ptr<NSNull> null();
};

}  // namespace fv
