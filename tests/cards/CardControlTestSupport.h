#pragma once
// The card controls screen's tests share this: cards to store, a fixture that opens the screen, and
// the ways to read its carousel, its save button and its banners.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cards/CardControlViewController.h"
#include "cards/MyCardsCollectionViewCell.h"
#include "core/AppSettings.h"
#include "core/FrameworkResources.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/testing/TestHost.h"
#include "screenkit/BannerMessages.h"

namespace fv::test {

using Option = CardControlOption;
using Screen = CardControlViewController;

inline constexpr Option kAllOptions[] = {Option::BlockInternational, Option::BlockCashAtm,
                                         Option::BlockOnlineEcommerce, Option::BlockTransactionGreaterThan,
                                         Option::ChangeCardPin};

inline Value allOffered() {
    Value setting;
    for (Option option : kAllOptions) setting.set(CardSettings::enableKey(option), true);
    for (Option option : {Option::BlockInternational, Option::BlockCashAtm, Option::BlockOnlineEcommerce})
        setting.set(CardSettings::valueKey(option), false);
    setting.set(CardSettings::kInactive, false);
    return setting;
}

inline Value card(const std::string& number, Value setting = allOffered()) {
    Value entry;
    entry.set(CardControlSettings::kCardNumber, number);
    entry.set(CardControlSettings::kExp, "0929");
    entry.set(CardControlSettings::kCVV, "123");
    entry.set(CardControlSettings::kSetting, std::move(setting));
    return entry;
}

inline void store(const Value& root) {
    ASSERT_TRUE(NSUserDefaults::standardUserDefaults().setObject(
        Value(NSKeyedArchiver::archivedDataWithRootObject(root)), kCardControlDataDefaultsKey));
}

inline Value threeCards() {
    Value second = allOffered();
    second.set("Block_International", true);
    second.set(CardSettings::kBlockTransactionGreaterThan, "90");
    return Value::Array{card("4111 1111 1111 1111"), card("5500 0000 0000 0004", second),
                        card("3400 0000 0000 009")};
}

class CardControlsTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    std::shared_ptr<Screen> open() {
        auto screen = std::make_shared<Screen>("CardControlViewController", frameworkBundle());
        host.show(screen);
        screen->view()->layoutIfNeeded();
        return screen;
    }

    static MyCardsCollectionViewCellPtr face(const std::shared_ptr<Screen>& screen, long item = 0) {
        auto carousel = screen->collectionView.get();
        carousel->layoutIfNeeded();
        return std::dynamic_pointer_cast<MyCardsCollectionViewCell>(
            carousel->cellForItemAtIndexPath(NSIndexPath::indexPathForItem(item, 0)));
    }

    // Releases a drag of the carousel at offset `x` with UIKit proposing `target`, then lets the snap play.
    void release(const std::shared_ptr<Screen>& screen, CGFloat x, CGFloat target) {
        auto carousel = screen->collectionView.get();
        carousel->setContentOffset(CGPointMake(x, 0));
        CGPoint proposed{target, 0};
        screen->scrollViewWillEndDragging(*carousel, CGPointMake(0, 0), &proposed);
        EXPECT_EQ(proposed.x, x) << "the deceleration stops where the finger left";
        host.advance(0.5);
    }

    static bool saveEnabled(const std::shared_ptr<Screen>& screen) {
        return screen->btn_save->isEnabled() && screen->btn_save->alpha() == 1.0 && screen->needToSave();
    }
    static bool saveDisabled(const std::shared_ptr<Screen>& screen) {
        return !screen->btn_save->isEnabled() && screen->btn_save->alpha() == 0.5 && !screen->needToSave();
    }

    void typeAmount(const std::shared_ptr<Screen>& screen, const std::string& text) {
        ASSERT_TRUE(host.typeText(screen->tf_Amount.get(), text));
    }
    void endEditing(const std::shared_ptr<Screen>& screen) { screen->view()->endEditing(true); }

    static std::vector<std::string> bannerTitles() {
        std::vector<std::string> titles;
        for (const auto& banner : BannerMessages::visibleBanners()) titles.push_back(banner.title);
        return titles;
    }
};

}  // namespace fv::test
