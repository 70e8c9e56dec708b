#include "cards/CardControlViewController.h"

#include <gtest/gtest.h>

#include <string>

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/ui/UIToolbar.h"
#include "tests/cards/CardControlTestSupport.h"

namespace fv::test {
namespace {

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
}  // namespace fv::test
