#pragma once
// The Foundation version number of the running platform, as code that branches on the platform's
// release reads it. Settable for tests and hosts that stand for an older release.
namespace fv {

// 1854.0 (the release of UIDevice's default system version, 15.0) unless set.
double NSFoundationVersionNumber();
void setNSFoundationVersionNumber(double version);
// Back to the default; the test host calls this between tests.
void resetNSFoundationVersionNumber();

}  // namespace fv
