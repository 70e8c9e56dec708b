#include "platform/foundation/NSNull.h"

namespace fv {

FV_REGISTER_CLASS(NSNull);

std::shared_ptr<NSNull> NSNull::null() {
    static const std::shared_ptr<NSNull> instance = std::make_shared<NSNull>();
    return instance;
}

}  // namespace fv
