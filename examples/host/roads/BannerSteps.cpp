#include "examples/host/roads/BannerSteps.h"

#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UserDriver.h"
#include "screenkit/BannerMessages.h"

namespace fv {

std::string awaitErrorBanner(const std::string& title) {
    if (!Walkthrough::awaitInRealTime([] { return !BannerMessages::visibleBanners().empty(); }))
        return "no banner came up";
    const auto banner = BannerMessages::visibleBanners().back();
    if (banner.title != title || banner.type != BannerMessageTypeError)
        return "the banner \"" + banner.title + "\" came up instead of the error \"" + title + "\"";
    // The banner's slide, so that the picture shows it whole.
    RunLoop::main().advance(BannerMessages::kSlideDuration);
    print("   banner: " + banner.title +
          (banner.message && !banner.message->empty() ? " / " + *banner.message : ""));
    return "";
}

std::string tapAwayBanner() {
    auto banner = BannerMessages::bannerView();
    if (!banner) return "";
    if (auto problem = UserDriver::tap(banner, "the banner"); !problem.empty()) return problem;
    if (!UserDriver::waitFor([] { return !BannerMessages::bannerView(); })) return "the banner stayed";
    return "";
}

}  // namespace fv
