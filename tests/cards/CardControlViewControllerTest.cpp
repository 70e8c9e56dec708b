#include "cards/CardControlViewController.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "cards/MyCardsCollectionViewCell.h"
#include "core/AppSettings.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/SDKManager.h"
#include "core/ThemeManager.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/testing/TestHost.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIKeyInput.h"
#include "platform/ui/UIToolbar.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ModalPopup.h"

namespace fv {
namespace {

using Option = CardControlOption;
using Screen = CardControlViewController;

constexpr Option kAllOptions[] = {Option::BlockInternational, Option::BlockCashAtm,
                                  Option::BlockOnlineEcommerce, Option::BlockTransactionGreaterThan,
                                  Option::ChangeCardPin};

Value allOffered() {
    Value setting;
    for (Option option : kAllOptions) setting.set(CardSettings::enableKey(option), true);
    for (Option option : {Option::BlockInternational, Option::BlockCashAtm, Option::BlockOnlineEcommerce})
        setting.set(CardSettings::valueKey(option), false);
    setting.set(CardSettings::kInactive, false);
    return setting;
}

Value card(const std::string& number, Value setting = allOffered()) {
    Value entry;
    entry.set(CardControlSettings::kCardNumber, number);
    entry.set(CardControlSettings::kExp, "0929");
    entry.set(CardControlSettings::kCVV, "123");
    entry.set(CardControlSettings::kSetting, std::move(setting));
    return entry;
}

void store(const Value& root) {
    ASSERT_TRUE(NSUserDefaults::standardUserDefaults().setObject(
        Value(NSKeyedArchiver::archivedDataWithRootObject(root)), kCardControlDataDefaultsKey));
}

Value threeCards() {
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

TEST_F(CardControlsTest, EveryEntryMakesANewStackWithTheCardControlsAtItsRoot) {
    SDKManager::sharedInstance()->initAllView();
    const auto first = DataModel::sharedInstance()->cardControlsNavView();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isNavigationBarHidden());
    ASSERT_EQ(first->viewControllers().size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<Screen>(first->viewControllers().front()));
    DataModel::sharedInstance()->initAllViews();
    const auto second = DataModel::sharedInstance()->cardControlsNavView();
    ASSERT_TRUE(second);
    EXPECT_NE(second->viewControllers().front(), first->viewControllers().front());
}

TEST_F(CardControlsTest, TheBundledCardsLoadWithEveryRowOfTheFirstShown) {
    SDKManager::sharedInstance()->initAllView();
    auto screen = open();
    EXPECT_GE(screen->myCard().count(), 2u);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
    for (const auto* height :
         {&screen->constraint_height_blockInternational, &screen->constraint_height_cashAtm,
          &screen->constraint_height_onlineEcommerce, &screen->constraint_height_transactionGreaterThan,
          &screen->constraint_height_changeCardPin})
        EXPECT_EQ((*height)->constant(), 65);
    EXPECT_EQ(screen->tf_Amount->text(), "500");
    EXPECT_TRUE(screen->switch_blockCashAtm->isOn());
    EXPECT_FALSE(screen->lblBlock_blockATM->isHidden());
    EXPECT_TRUE(screen->lblBlock_blockInternational->isHidden());
    EXPECT_TRUE(saveDisabled(screen));
}

// ---- rows per settings ----

struct RowCase {
    const char* name;
    Option hidden;
};

class CardControlRowsTest : public CardControlsTest, public ::testing::WithParamInterface<RowCase> {
  protected:
    struct Row {
        UIViewPtr view;
        NSLayoutConstraintPtr height;
    };
    static std::vector<Row> rows(const std::shared_ptr<Screen>& s) {
        return {{s->view_option1.get(), s->constraint_height_blockInternational.get()},
                {s->view_option2.get(), s->constraint_height_cashAtm.get()},
                {s->view_option3.get(), s->constraint_height_onlineEcommerce.get()},
                {s->view_option4.get(), s->constraint_height_transactionGreaterThan.get()},
                {s->view_option5.get(), s->constraint_height_changeCardPin.get()}};
    }
};

TEST_P(CardControlRowsTest, ARowNotOfferedCollapsesAndTheRowsBelowMoveUp) {
    Value setting = allOffered();
    setting.set(CardSettings::enableKey(GetParam().hidden), false);
    store(Value::Array{card("4111 1111 1111 1111", setting)});
    auto screen = open();
    host.advance(0.3);
    screen->view()->layoutIfNeeded();
    const auto all = rows(screen);
    const auto hiddenIndex = static_cast<std::size_t>(GetParam().hidden);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool offered = i != hiddenIndex;
        EXPECT_EQ(all[i].height->constant(), offered ? 65 : 0) << i;
        EXPECT_EQ(all[i].view->alpha(), offered ? 1.0 : 0.0) << i;
        EXPECT_EQ(all[i].view->frame().size.height, offered ? 65 : 0) << i;
        if (i > 0) {
            EXPECT_EQ(all[i].view->frame().origin.y, CGRectGetMaxY(all[i - 1].view->frame())) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Options, CardControlRowsTest,
                         ::testing::Values(RowCase{"International", Option::BlockInternational},
                                           RowCase{"CashAtm", Option::BlockCashAtm},
                                           RowCase{"Online", Option::BlockOnlineEcommerce},
                                           RowCase{"AmountLimit", Option::BlockTransactionGreaterThan},
                                           RowCase{"ChangePin", Option::ChangeCardPin}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardControlsTest, ARowNotOfferedKeepsItsControlAsItWasAndAMissingLimitShowsEmpty) {
    Value limited = allOffered();
    limited.set(CardSettings::kBlockTransactionGreaterThan, "42");
    limited.set("Block_International", true);
    Value bare = allOffered();
    bare.set(CardSettings::enableKey(Option::BlockInternational), false);
    bare.set(CardSettings::kBlockTransactionGreaterThan, 17);
    store(Value::Array{card("4111 1111 1111 1111", limited), card("5500 0000 0000 0004", bare)});
    auto screen = open();
    EXPECT_EQ(screen->tf_Amount->text(), "42");
    release(screen, 330, 400);
    ASSERT_EQ(screen->currentCardSelectedIndex(), 1);
    EXPECT_TRUE(screen->switch_blockInternational->isOn()) << "left as the first card had it";
    EXPECT_EQ(screen->view_option1->alpha(), 0.0);
    EXPECT_EQ(screen->tf_Amount->text(), "") << "a limit that is no text shows empty";
}

TEST_F(CardControlsTest, ThemeColoursAndTheFramedAmountBox) {
    store(threeCards());
    auto screen = open();
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle->textColor(), theme->header_text_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_blockATM->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_changeCardPinSubtitle->textColor(), theme->light_font_color()));
    EXPECT_TRUE(colorsEqual(screen->switch_blockOnline->onTintColor(), theme->switch_tint_color()));
    EXPECT_TRUE(colorsEqual(screen->view_border3->backgroundColor(), theme->border_color()));
    EXPECT_TRUE(colorsEqual(screen->view_popup_navbar->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lblBlock_blockOnline->textColor(), UIColor::redColor()));
    EXPECT_EQ(screen->View_TfAmount->layer()->borderWidth, 1.5);
    EXPECT_EQ(screen->View_TfAmount->layer()->cornerRadius, 5.0);
}

TEST_F(CardControlsTest, TheFourFieldsShareOneDoneBar) {
    store(threeCards());
    auto screen = open();
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(screen->tf_Amount->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(toolbar->frame(), CGRectMake(0, 0, 375, 50));
    for (const auto& field :
         {screen->tf_cardOldPIN.get(), screen->tf_cardNewPIN.get(), screen->tf_cardConfirmNewPIN.get()}) {
        EXPECT_EQ(field->inputAccessoryView(), toolbar);
        EXPECT_TRUE(field->isSecureTextEntry());
    }
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isFlexibleSpace());
    EXPECT_EQ(toolbar->items()[1]->title(), "Done");
    typeAmount(screen, "8");
    EXPECT_TRUE(toolbar->items()[1]->sendAction());
    EXPECT_FALSE(screen->tf_Amount->isFirstResponder());
}

// ---- the carousel ----

TEST_F(CardControlsTest, CardsLieThreeHundredAndTwentyApartAndATapSelectsNothing) {
    store(threeCards());
    auto screen = open();
    auto carousel = screen->collectionView.get();
    EXPECT_EQ(carousel->numberOfSections(), 1);
    EXPECT_EQ(carousel->numberOfItemsInSection(0), 3);
    auto& layout = carousel->collectionViewLayout();
    EXPECT_EQ(screen->collectionViewLayoutInsetForSectionAtIndex(*carousel, layout, 0)->left, 37.5);
    for (long i = 0; i < 3; ++i) {
        const auto frame =
            carousel->layoutAttributesForItemAtIndexPath(NSIndexPath::indexPathForItem(i, 0))->frame;
        EXPECT_EQ(frame.size, CGSizeMake(300, 200));
        EXPECT_DOUBLE_EQ(frame.origin.x, 37.5 + 320 * i);
    }
    // The faces of the card controls do not flip.
    auto cell = face(screen);
    ASSERT_TRUE(host.tap(cell->convertPointToView(CGPointMake(150, 150), nullptr)));
    EXPECT_TRUE(cell->backView->isHidden());
    EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
    EXPECT_TRUE(saveDisabled(screen));
}

TEST_F(CardControlsTest, InsetsFollowTheCarouselsWidthNegativeWhenNarrower) {
    store(threeCards());
    auto screen = open();
    auto carousel = screen->collectionView.get();
    for (const auto& [width, inset] : {std::pair{300.0, 0.0}, {280.0, -10.0}, {414.0, 57.0}}) {
        carousel->setFrame(CGRectMake(0, 12, width, 216));
        EXPECT_EQ(
            screen->collectionViewLayoutInsetForSectionAtIndex(*carousel, carousel->collectionViewLayout(), 0)
                ->right,
            inset);
    }
}

struct SnapCase {
    const char* name;
    long cards;
    CGFloat x, target;
    CGFloat offset;
    long index;
};

class CardControlSnapTest : public CardControlsTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(CardControlSnapTest, SnapsInTheDragsDirectionWithinTheCards) {
    const auto& c = GetParam();
    Value cards = Value::Array{};
    for (long i = 0; i < c.cards; ++i)
        cards.mutableArray().push_back(card("4111 1111 1111 111" + std::to_string(i)));
    store(cards);
    auto screen = open();
    release(screen, c.x, c.target);
    EXPECT_EQ(screen->collectionView->contentOffset().x, c.offset);
    EXPECT_EQ(screen->currentCardSelectedIndex(), c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, CardControlSnapTest,
    ::testing::Values(SnapCase{"ForwardAFewPointsWithoutVelocityStays", 3, 330, 330, 320, 1},
                      SnapCase{"BackAFewPointsWithoutVelocityGoesBack", 3, 310, 310, 0, 0},
                      SnapCase{"FromMidPageWithTheTargetAheadGoesForward", 3, 160, 480, 320, 1},
                      SnapCase{"FromMidPageWithTheTargetBehindGoesBack", 3, 480, 100, 320, 1},
                      SnapCase{"BeforeTheFirstPageClampsToZero", 3, -40, 0, 0, 0},
                      SnapCase{"PastTheLastPageClampsToTheLastCard", 3, 700, 900, 640, 2},
                      SnapCase{"OneCardStaysPut", 1, 30, 200, 0, 0},
                      SnapCase{"NoCardSelectsNothing", 0, 30, 200, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardControlsTest, ADragOfTheCarouselShowsTheNextCardsSettingsOnEveryFace) {
    store(threeCards());
    auto screen = open();
    auto carousel = screen->collectionView.get();
    ASSERT_TRUE(host.drag(carousel, CGPointMake(300, 100), CGPointMake(200, 100), 400));
    host.advance(0.5);
    EXPECT_EQ(carousel->contentOffset().x, 320);
    ASSERT_EQ(screen->currentCardSelectedIndex(), 1);
    EXPECT_TRUE(screen->switch_blockInternational->isOn());
    EXPECT_FALSE(screen->lblBlock_blockInternational->isHidden());
    EXPECT_EQ(screen->tf_Amount->text(), "90");
    for (long item : {0L, 1L})
        if (auto cell = face(screen, item)) {
            EXPECT_EQ(cell->lbl_cardNumber->text(), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 0004");
        }
    EXPECT_TRUE(saveDisabled(screen)) << "paging is no edit";
}

TEST_F(CardControlsTest, CardDetailsShowInFullOnlyWhenTheHostSaysSo) {
    store(threeCards());
    NSUserDefaults::standardUserDefaults().setBool(true, kCardDetailActiveDefaultsKey);
    auto screen = open();
    auto cell = face(screen);
    EXPECT_EQ(cell->lbl_cardNumber->text(), "4111   1111   1111   1111");
    EXPECT_EQ(cell->lbl_cardExpiry->text(), "09/29");
    EXPECT_EQ(cell->lbl_cardCVV->text(), "123");
    NSUserDefaults::standardUserDefaults().setBool(false, kCardDetailActiveDefaultsKey);
    screen->collectionView->reloadData();
    cell = face(screen);
    EXPECT_EQ(cell->lbl_cardNumber->text(), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 1111");
    EXPECT_EQ(cell->lbl_cardCVV->text(), "✱✱✱");
    EXPECT_FALSE(cell->blockSwitch->isHidden());
}

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

// ---- damaged records ----

struct DamagedCase {
    const char* name;
    Value stored;  // null: nothing stored
    std::size_t lines = 1;
    long cards = 0;
};

class DamagedCardControlsTest : public CardControlsTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedCardControlsTest, ShowNoRowAndLogAtMostOneLine) {
    auto& defaults = NSUserDefaults::standardUserDefaults();
    defaults.removeObjectForKey(kCardControlDataDefaultsKey);
    if (!GetParam().stored.isNull()) {
        ASSERT_TRUE(defaults.setObject(GetParam().stored, kCardControlDataDefaultsKey));
    }
    LogCapture log;
    auto screen = open();
    EXPECT_EQ(log.lines().size(), GetParam().lines) << ::testing::PrintToString(log.lines());
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), GetParam().cards);
    for (const auto& row :
         {screen->view_option1.get(), screen->view_option2.get(), screen->view_option3.get(),
          screen->view_option4.get(), screen->view_option5.get()})
        EXPECT_EQ(row->alpha(), 0.0);
    if (auto cell = face(screen)) {
        EXPECT_TRUE(cell->blockSwitch->isHidden());
        EXPECT_EQ(cell->lbl_cardNumber->text(), "");
    }
    release(screen, 20, 200);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DamagedCardControlsTest,
    ::testing::Values(
        DamagedCase{"Missing", Value()}, DamagedCase{"NotData", Value("cards")},
        DamagedCase{"NotAnArchive", Value(Value::Bytes{'n', 'o', 'p', 'e'})},
        DamagedCase{"RootNotAnArray",
                    Value(NSKeyedArchiver::archivedDataWithRootObject(Value(Value::Dictionary{})))},
        DamagedCase{"EmptyArray", Value(NSKeyedArchiver::archivedDataWithRootObject(Value::Array{})), 0},
        DamagedCase{"EntryNotACard",
                    Value(NSKeyedArchiver::archivedDataWithRootObject(Value::Array{Value("card")})), 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CardControlsTest, LooksAsDesigned) {
    store(threeCards());
    auto screen = open();
    host.advance(0.5);
    EXPECT_TRUE(host.snapshot("card_controls"));
    ASSERT_TRUE(host.tap(face(screen)->blockSwitch.get()));
    host.advance(0.5);
    ASSERT_FALSE(host.overlayWindows().empty());
    EXPECT_TRUE(host.snapshot("card_controls_status_question", host.overlayWindows().back()));
}

}  // namespace
}  // namespace fv
