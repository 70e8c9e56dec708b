#include "platform/foundation/FoundationVersion.h"

#include <atomic>

namespace fv {

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
