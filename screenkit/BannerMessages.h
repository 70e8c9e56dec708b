#pragma once
// Banner messages: a coloured card at the top of the screen with an icon, a title and an optional
// message, shown for kDuration seconds of the main run loop's clock and hidden earlier by a tap or a
// swipe on it. Banners raised while one is up wait their turn, in order.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/UIColor.h"
#include "platform/ui/UIView.h"

namespace fv {

enum BannerMessageType : int {
    BannerMessageTypeSuccess = 0,
    BannerMessageTypeError = 1,
    BannerMessageTypeWarning = 2,
    BannerMessageTypeInfo = 3,
    BannerMessageTypeCustom = 4,
};

struct BannerInfo {
    std::string title;
    std::optional<std::string> message;
    BannerMessageType type = BannerMessageTypeInfo;
    bool operator==(const BannerInfo&) const = default;
};

class BannerMessages {
  public:
    static constexpr double kDuration = 6.0;
    // Length of the slide in and out.
    static constexpr double kSlideDuration = 0.3;

    // Shows the banner now, or after the ones already up or waiting. A type outside 0...4 shows as
    // custom.
    static void showNotification(const std::string& title, const std::optional<std::string>& message,
                                 long type);
    // Slides the banner on screen away (as a tap does); the next one follows.
    static void dismissCurrent();

    // The banners on screen (at most one), for tests; a banner sliding away is no longer listed.
    static std::vector<BannerInfo> visibleBanners();
    static std::size_t waitingCount();
    // The card of the banner on screen, or none.
    static UIViewPtr bannerView();

    static BannerMessageType typeFromInteger(long type);
    static UIColorPtr colorForType(BannerMessageType type);
};

}  // namespace fv
