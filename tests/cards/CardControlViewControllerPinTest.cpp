// The card controls screen's change-PIN pop-up: its checks of the three entries, and how it opens and closes.
#include <gtest/gtest.h>

#include <string>

#include "platform/foundation/Log.h"
#include "screenkit/ModalPopup.h"
#include "tests/cards/CardControlTestSupport.h"

namespace fv::test {
namespace {

// ---- the change-PIN pop-up ----

struct PinCase {
    const char* name;
    const char *oldPin, *newPin, *confirmation;
    const char* banner;  // none: the pop-up closes
};

class ChangePinTest : public CardControlsTest, public ::testing::WithParamInterface<PinCase> {
  protected:
    void openPopup(const std::shared_ptr<Screen>& screen) {
        ASSERT_TRUE(host.tap(screen->view_option5.get()));
        host.advance(0.5);
        ASSERT_TRUE(ModalPopup::sharedInstance()->isVisible());
    }
};

TEST_P(ChangePinTest, ChecksItsThreeEntriesInOrder) {
    const auto& c = GetParam();
    store(threeCards());
    auto screen = open();
    LogCapture log;
    openPopup(screen);
    for (const auto& [field, text] : {std::pair{screen->tf_cardOldPIN.get(), c.oldPin},
                                      {screen->tf_cardNewPIN.get(), c.newPin},
                                      {screen->tf_cardConfirmNewPIN.get(), c.confirmation}})
        if (*text) {
            ASSERT_TRUE(host.typeText(field, text));
        }
    ASSERT_TRUE(host.tap(screen->btn_popup_chnage.get()));
    host.advance(0.5);
    if (c.banner) {
        EXPECT_EQ(bannerTitles(), std::vector<std::string>{c.banner});
        EXPECT_EQ(BannerMessages::visibleBanners()[0].type, BannerMessageTypeError);
        EXPECT_TRUE(ModalPopup::sharedInstance()->isVisible());
        EXPECT_EQ(screen->tf_cardConfirmNewPIN->text().value_or(""), c.confirmation);
    } else {
        EXPECT_TRUE(bannerTitles().empty());
        EXPECT_FALSE(ModalPopup::sharedInstance()->isVisible());
        for (const auto& field :
             {screen->tf_cardOldPIN.get(), screen->tf_cardNewPIN.get(), screen->tf_cardConfirmNewPIN.get()})
            EXPECT_EQ(field->text().value_or(""), "");
    }
    EXPECT_FALSE(screen->tf_cardNewPIN->isFirstResponder());
    EXPECT_TRUE(saveDisabled(screen)) << "nothing of a PIN is an edit";
    for (const auto& line : log.lines()) {
        if (*c.oldPin) {
            EXPECT_EQ(line.find(c.oldPin), std::string::npos) << line;
        }
        if (*c.newPin) {
            EXPECT_EQ(line.find(c.newPin), std::string::npos) << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ChangePinTest,
    ::testing::Values(PinCase{"AllEmpty", "", "", "", "Please enter old PIN. It is compulsory"},
                      PinCase{"NoNewPin", "1357", "", "2468", "Please enter new PIN. It is empty"},
                      PinCase{"NoConfirmation", "1357", "2468", "", "Please confirm new PIN. It is empty"},
                      PinCase{"Mismatch", "1357", "2468", "2486", "Entered new PIN does not match"},
                      PinCase{"Match", "1357", "2468", "2468", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChangePinTest, OpensWithoutCloseButtonOrTapOutsideAndClosesEmptied) {
    store(threeCards());
    auto screen = open();
    openPopup(screen);
    auto popup = ModalPopup::sharedInstance();
    EXPECT_EQ(popup->closeButtonType(), ModalPopupCloseButtonTypeNone);
    EXPECT_EQ(popup->backgroundDisplayStyle(), ModalPopupBackgroundDisplayStyleGradient);
    EXPECT_TRUE(colorsEqual(popup->modalBackgroundColor(), UIColor::clearColor()));
    EXPECT_FALSE(popup->tapOutsideToDismiss());
    EXPECT_TRUE(host.snapshot("card_controls_change_pin", popup->window()));
    ASSERT_TRUE(host.typeText(screen->tf_cardNewPIN.get(), "99"));
    screen->action_close_popup(nullptr);
    EXPECT_EQ(screen->tf_cardNewPIN->text().value_or(""), "99") << "until the pop-up has gone";
    host.advance(0.5);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(screen->tf_cardNewPIN->text().value_or(""), "");
}

}  // namespace
}  // namespace fv::test
