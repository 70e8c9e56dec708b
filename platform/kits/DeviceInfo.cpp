#include "platform/kits/DeviceInfo.h"

#include <algorithm>
#include <atomic>

#include "platform/foundation/ResetHooks.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UIScreen.h"

namespace fv {

// The test host goes back to reading the screen before and after every test.
[[maybe_unused]] const bool registered = ResetHooks::add("kits.deviceInfo", [] { DeviceInfo::reset(); });

namespace {

constexpr int kScreenRead = -1;
std::atomic<int> forcedCode{kScreenRead};

}  // namespace

int DeviceInfo::deviceSize() {
    if (int forced = forcedCode.load(); forced != kScreenRead) return forced;
    if (UIDevice::currentDevice()->userInterfaceIdiom() == UIUserInterfaceIdiomPad) return padSize;
    const CGSize size = UIScreen::mainScreen()->bounds().size;
    // Portrait or landscape, the class follows the longer side.
    const CGFloat height = std::max(size.width, size.height);
    if (height >= 812) return screen5Dot8InchOrMore;
    if (height >= 736) return screen5Dot5Inch;
    if (height >= 667) return screen4Dot7Inch;
    if (height >= 568) return screen4Inch;
    return unknownSize;
}

void DeviceInfo::setDeviceSize(std::optional<int> code) {
    forcedCode = code && *code != kScreenRead ? *code : kScreenRead;
}

void DeviceInfo::reset() {
    forcedCode = kScreenRead;
}

}  // namespace fv
