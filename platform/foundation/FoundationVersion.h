#pragma once
// The platform's Foundation version number, which callers compare against the numbers of earlier
// platform releases to choose between old and new behaviour. Hosts and tests may pretend to run on an
// older release; the test host's reset puts the current one back.
namespace fv {

// The version of the current release: above 1299.0, the last release before the newer permission keys.
inline constexpr double kNSFoundationVersionNumberCurrent = 1953.1;

double NSFoundationVersionNumber();
void setNSFoundationVersionNumber(double version);
// Back to the current release; the test host calls this between tests.
void resetNSFoundationVersionNumber();

}  // namespace fv
