// The card controls screen's edits: switches, the amount field and the card's status, saved,
// read back, or dropped from the menu button.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/ThemeManager.h"
#include "platform/testing/UserDriver.h"
#include "screenkit/ModalPopup.h"
#include "tests/cards/CardControlTestSupport.h"

namespace fv::test {
namespace {

// ---- edits, saving and reading back ----

TEST_F(CardControlsTest, ABlockSwitchShowsItsMarkerAndEnablesSave) {
    store(threeCards());
    auto screen = open();
    ASSERT_TRUE(host.tap(screen->switch_blockOnline.get()));
    EXPECT_FALSE(screen->lblBlock_blockOnline->isHidden());
    EXPECT_TRUE(screen->selectedCardSettings().isBlocked(Option::BlockOnlineEcommerce));
    EXPECT_TRUE(screen->myCard().settings(0).isBlocked(Option::BlockOnlineEcommerce));
    EXPECT_TRUE(screen->myCard().settings(1).isBlocked(Option::BlockInternational)) << "the other cards stay";
    EXPECT_FALSE(screen->myCard().settings(1).isBlocked(Option::BlockOnlineEcommerce));
    EXPECT_TRUE(saveEnabled(screen));
    ASSERT_TRUE(host.tap(screen->switch_blockOnline.get()));
    EXPECT_TRUE(screen->lblBlock_blockOnline->isHidden());
}

TEST_F(CardControlsTest, SwitchesAndLimitsOfTwoCardsAreSavedAndReadBackByANewScreen) {
    store(threeCards());
    auto screen = open();
    ASSERT_TRUE(host.tap(screen->switch_blockCashAtm.get()));
    release(screen, 330, 330);
    ASSERT_EQ(screen->currentCardSelectedIndex(), 1);
    ASSERT_TRUE(host.deleteBackward(screen->tf_Amount.get(), 2));
    typeAmount(screen, "7500");
    endEditing(screen);
    EXPECT_TRUE(saveEnabled(screen));
    ASSERT_TRUE(host.tap(screen->btn_save.get()));
    EXPECT_TRUE(saveDisabled(screen));
    ASSERT_EQ(BannerMessages::visibleBanners().size(), 1u);
    EXPECT_EQ(BannerMessages::visibleBanners()[0],
              (BannerInfo{"Changes Saved", std::string("Your performed changes are saved successfully"),
                          BannerMessageTypeSuccess}));

    NSUserDefaults::resetStandardUserDefaultsForTesting();
    auto again = open();
    EXPECT_NE(again, screen);
    EXPECT_TRUE(again->switch_blockCashAtm->isOn());
    EXPECT_FALSE(again->lblBlock_blockATM->isHidden());
    release(again, 330, 330);
    EXPECT_EQ(again->tf_Amount->text(), "7500");
    EXPECT_TRUE(again->switch_blockInternational->isOn());
    EXPECT_EQ(again->myCard().cardNumber(2), "3400 0000 0000 009")
        << "untouched cards are written back whole";
}

TEST_F(CardControlsTest, AFailedSaveSaysSoAndKeepsTheEditsAndSave) {
    store(threeCards());
    auto screen = open();
    ASSERT_TRUE(host.tap(screen->switch_blockInternational.get()));
    // A defaults file under a regular file cannot be written.
    const auto blocker =
        std::filesystem::temp_directory_path() / ("fv-controls-" + std::to_string(::getpid()));
    std::ofstream(blocker) << "x";
    const std::string previous = std::getenv("FERNVAULT_DEFAULTS_PATH");
    ::setenv("FERNVAULT_DEFAULTS_PATH", (blocker / "defaults.plist").c_str(), 1);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    ASSERT_TRUE(host.tap(screen->btn_save.get()));
    ::setenv("FERNVAULT_DEFAULTS_PATH", previous.c_str(), 1);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    std::filesystem::remove(blocker);

    EXPECT_EQ(bannerTitles(), std::vector<std::string>{"Changes Not Saved"});
    EXPECT_EQ(BannerMessages::visibleBanners()[0].type, BannerMessageTypeError);
    EXPECT_TRUE(saveEnabled(screen));
    EXPECT_TRUE(screen->myCard().settings(0).isBlocked(Option::BlockInternational));
}

TEST_F(CardControlsTest, ShowingTheScreenAgainClearsSaveButKeepsTheEditsForTheNextSave) {
    store(threeCards());
    auto screen = open();
    ASSERT_TRUE(host.tap(screen->switch_blockInternational.get()));
    host.navigationController()->pushViewController(UIViewController::create(), false);
    host.advance(0.1);
    host.navigationController()->popViewControllerAnimated(false);
    host.advance(0.1);
    EXPECT_TRUE(saveDisabled(screen));
    EXPECT_TRUE(screen->myCard().settings(0).isBlocked(Option::BlockInternational));
    ASSERT_TRUE(host.tap(screen->switch_blockOnline.get()));
    ASSERT_TRUE(host.tap(screen->btn_save.get()));
    const auto saved = CardControlSettings::load().settings(0);
    EXPECT_TRUE(saved.isBlocked(Option::BlockInternational));
    EXPECT_TRUE(saved.isBlocked(Option::BlockOnlineEcommerce));
}

// ---- the amount field ----

TEST_F(CardControlsTest, TheAmountFieldTakesFourCharactersAtMost) {
    store(threeCards());
    auto screen = open();
    auto field = screen->tf_Amount.get();
    ASSERT_TRUE(host.deleteBackward(field, 3));
    typeAmount(screen, "12345");
    EXPECT_EQ(field->text(), "1234");
    EXPECT_FALSE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSRange{4, 0}, "5"));
    EXPECT_FALSE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSRange{0, 0}, "99999"))
        << "a longer paste inserts nothing";
    EXPECT_TRUE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSRange{0, 4}, "9999"));
}

TEST_F(CardControlsTest, ASixCharacterLimitFromTheRecordRefusesASingleDeletion) {
    Value setting = allOffered();
    setting.set(CardSettings::kBlockTransactionGreaterThan, "123456");
    store(Value::Array{card("4111 1111 1111 1111", setting)});
    auto screen = open();
    auto field = screen->tf_Amount.get();
    EXPECT_EQ(field->text(), "123456");
    EXPECT_FALSE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSRange{5, 1}, ""));
    EXPECT_TRUE(screen->textFieldShouldChangeCharactersInRange(field.get(), NSRange{4, 2}, ""));
}

TEST_F(CardControlsTest, OnlyTheAmountFieldsEndOfEditingRecordsTheLimit) {
    store(threeCards());
    auto screen = open();
    release(screen, 330, 330);
    screen->action_changeCardPin(nullptr);
    host.advance(0.5);
    ASSERT_TRUE(host.typeText(screen->tf_cardOldPIN.get(), "12"));
    screen->tf_cardOldPIN->resignFirstResponder();
    EXPECT_TRUE(saveDisabled(screen));
    EXPECT_EQ(screen->myCard().settings(1).transactionLimit(), "90");
    screen->action_close_popup(nullptr);
    host.advance(0.5);

    typeAmount(screen, "0");
    screen->tf_Amount->resignFirstResponder();
    EXPECT_TRUE(saveEnabled(screen));
    EXPECT_EQ(screen->myCard().settings(1).transactionLimit(), "900");
}

// ---- the card's status ----

struct StatusCase {
    const char* name;
    bool inactiveBefore;
    const char* answer;
    bool inactiveAfter;
};

class CardStatusTest : public CardControlsTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CardStatusTest, TheAnswerSetsTheStatusAndEitherAnswerIsAnEdit) {
    const auto& c = GetParam();
    Value setting = allOffered();
    setting.set(CardSettings::kInactive, c.inactiveBefore);
    store(Value::Array{card("4111 1111 1111 1111", setting)});
    auto screen = open();
    auto cell = face(screen);
    EXPECT_EQ(cell->lbl_blockStatus->text(), c.inactiveBefore ? "Inactive" : "Active");
    ASSERT_TRUE(host.tap(cell->blockSwitch.get()));
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "");
    EXPECT_EQ(alert->subtitle(), c.inactiveBefore ? "Are you sure to activate this card?"
                                                  : "Are you sure to temporarily block this card?");
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"Yes, Please", "Not now"}));
    EXPECT_FALSE(alert->dismissOnOutsideTouch());
    ASSERT_TRUE(alert->tapButton(c.answer));
    host.advance(0.5);

    EXPECT_EQ(screen->myCard().settings(0).isInactive(), c.inactiveAfter);
    EXPECT_TRUE(saveEnabled(screen));
    cell = face(screen);
    EXPECT_EQ(cell->blockSwitch->isOn(), c.inactiveAfter);
    EXPECT_EQ(cell->lbl_blockStatus->text(), c.inactiveAfter ? "Inactive" : "Active");
    EXPECT_TRUE(colorsEqual(
        cell->blockSwitch->thumbTintColor(),
        c.inactiveAfter ? ThemeManager::sharedInstance()->switch_tint_color() : UIColor::whiteColor()));
}

INSTANTIATE_TEST_SUITE_P(Answers, CardStatusTest,
                         ::testing::Values(StatusCase{"BlockConfirmed", false, "Yes, Please", true},
                                           StatusCase{"BlockDeclined", false, "Not now", false},
                                           StatusCase{"ActivateConfirmed", true, "Yes, Please", false},
                                           StatusCase{"ActivateDeclined", true, "Not now", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the menu button ----

TEST_F(CardControlsTest, TheMenuButtonAsksToSaveAnAmountStillBeingTyped) {
    store(threeCards());
    auto screen = open();
    typeAmount(screen, "1");
    auto menu = UserDriver::controlWiredTo(screen->view(), screen.get(), "sideMenuTapped:");
    ASSERT_TRUE(host.tap(menu));
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Want To Save");
    EXPECT_EQ(alert->subtitle(), "Your changes are not saved yet. Do you want to save them now?");
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"Save", "Cancel"}));
    ASSERT_TRUE(alert->tapButton("Save"));
    host.advance(0.5);
    EXPECT_TRUE(saveDisabled(screen));
    EXPECT_EQ(CardControlSettings::load().settings(0).transactionLimit(), "1");
}

TEST_F(CardControlsTest, CancellingThePromptDropsTheEditsAndReturnsToTheFirstPage) {
    store(threeCards());
    auto screen = open();
    release(screen, 330, 330);
    ASSERT_EQ(screen->currentCardSelectedIndex(), 1);
    ASSERT_TRUE(host.tap(screen->switch_blockOnline.get()));
    auto menu = UserDriver::controlWiredTo(screen->view(), screen.get(), "sideMenuTapped:");
    ASSERT_TRUE(host.tap(menu));
    auto alert = ThemedAlertView::visibleAlert();
    ASSERT_TRUE(alert);
    ASSERT_TRUE(alert->tapButton("Cancel"));
    host.advance(0.5);
    EXPECT_TRUE(saveDisabled(screen));
    EXPECT_EQ(screen->collectionView->contentOffset().x, 0);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 1);
    EXPECT_FALSE(screen->switch_blockOnline->isOn());
    EXPECT_FALSE(screen->myCard().settings(1).isBlocked(Option::BlockOnlineEcommerce));
    EXPECT_TRUE(screen->switch_blockInternational->isOn()) << "the options still show card 1";
}

TEST_F(CardControlsTest, WithoutEditsTheMenuButtonOnlyEndsEditing) {
    store(threeCards());
    auto screen = open();
    screen->action_changeCardPin(nullptr);
    host.advance(0.5);
    ASSERT_TRUE(host.typeText(screen->tf_cardOldPIN.get(), "1"));
    screen->sideMenuTapped(nullptr);
    EXPECT_FALSE(ThemedAlertView::visibleAlert());
    screen->action_close_popup(nullptr);
    host.advance(0.5);
    auto menu = UserDriver::controlWiredTo(screen->view(), screen.get(), "sideMenuTapped:");
    ASSERT_TRUE(host.tap(menu));
    EXPECT_FALSE(ThemedAlertView::visibleAlert());
    EXPECT_TRUE(saveDisabled(screen));
}

}  // namespace
}  // namespace fv::test
