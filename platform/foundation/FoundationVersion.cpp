#include "platform/foundation/FoundationVersion.h"

#include <atomic>

#include "platform/foundation/ResetHooks.h"

namespace fv {

// The test host puts the default version back before and after every test.
[[maybe_unused]] const bool registered =
    ResetHooks::add("foundation.version", [] { resetNSFoundationVersionNumber(); });

namespace {
constexpr double kDefaultVersion = 1854.0;
std::atomic<double> version{kDefaultVersion};
}  // namespace

double NSFoundationVersionNumber() {
    return version.load();
}

void setNSFoundationVersionNumber(double v) {
    version = v;
}

void resetNSFoundationVersionNumber() {
    version = kDefaultVersion;
}

}  // namespace fv
