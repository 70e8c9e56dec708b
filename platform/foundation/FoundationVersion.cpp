#include "platform/foundation/FoundationVersion.h"

#include <atomic>

#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

std::atomic<double> version{kNSFoundationVersionNumberCurrent};

[[maybe_unused]] const bool registered =
    ResetHooks::add("foundation.foundationVersion", [] { resetNSFoundationVersionNumber(); });

}  // namespace

double NSFoundationVersionNumber() {
    return version.load();
}

void setNSFoundationVersionNumber(double value) {
    version.store(value);
}

void resetNSFoundationVersionNumber() {
    version.store(kNSFoundationVersionNumberCurrent);
}

}  // namespace fv
