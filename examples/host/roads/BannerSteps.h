#pragma once
// What the failure steps of the roads share: waiting for the error banner a failed request raises,
// so that the step's picture shows it, and taking it away before the road goes on.
#include <string>

namespace fv {

// Waits in real time (the failing answer comes from another thread) until an error banner titled
// `title` is on screen, then for its slide in; prints its title and message. A problem when another
// banner shows or none comes.
std::string awaitErrorBanner(const std::string& title);

// A tap on the banner on screen slides it away, as a user's would; nothing when none shows.
std::string tapAwayBanner();

}  // namespace fv
