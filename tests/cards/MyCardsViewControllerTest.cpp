#include "cards/MyCardsViewController.h"

#include <gtest/gtest.h>

#include "cards/MyCardsCollectionViewCell.h"
#include "cards/SingleWalletCollectionViewCell.h"
#include "cards/TransactionTableViewCell.h"
#include "cards/TransactionsViewController.h"
#include "cards/WalletCollectionViewCell.h"
#include "core/AppSettings.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/SDKManager.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/testing/TestHost.h"
#include "platform/testing/UserDriver.h"
#include "tests/cards/CardPagesTestSupport.h"

namespace fv {
namespace {

using Screen = MyCardsViewController;
using test::page;
using test::transaction;
using test::wallet;

Value::Array someRecords(int count) {
    Value::Array records;
    for (int i = 0; i < count; ++i)
        records.push_back(transaction("Shop " + std::to_string(i), i % 2 ? "credit" : "debit",
                                      "1" + std::to_string(i) + ".50"));
    return records;
}

// A transactions page, a page of three wallets and a page of one.
Value threePages() {
    return Value::Array{
        page("4111 1111 1111 1111", "Monday", someRecords(3)),
        page("5500 0000 0000 0004", "Sunday", someRecords(1),
             {wallet("eur", "EUR", "20", "europe"), wallet("usd", "USD", "100.50", "usa"),
              wallet("jpy", "JPY", "1500", "japan")}),
        page("3400 0000 0000 0091", "Saturday", someRecords(1), {wallet("gbp", "GBP", "75.25", "uk")})};
}

class MyCardsTest : public TestHostFixture {
  protected:
    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    std::shared_ptr<Screen> open() {
        auto screen = std::make_shared<Screen>("MyCardsViewController", frameworkBundle());
        host.show(screen);
        screen->view()->layoutIfNeeded();
        host.runUntilIdle();
        return screen;
    }

    // Releases a drag of the carousel at offset `x` with UIKit proposing `target`, then lets the snap
    // and the cross-fade play.
    void release(const std::shared_ptr<Screen>& screen, CGFloat x, CGFloat target, CGFloat velocity = 0) {
        auto carousel = screen->collectionView.get();
        carousel->layoutIfNeeded();
        carousel->setContentOffset(CGPointMake(x, 0));
        CGPoint proposed{target, 0};
        screen->scrollViewWillEndDragging(*carousel, CGPointMake(velocity, 0), &proposed);
        EXPECT_EQ(proposed.x, x) << "the deceleration stops where the finger left";
        host.advance(1);
    }

    static MyCardsCollectionViewCellPtr face(const std::shared_ptr<Screen>& screen, long item) {
        auto carousel = screen->collectionView.get();
        carousel->layoutIfNeeded();
        return std::dynamic_pointer_cast<MyCardsCollectionViewCell>(
            carousel->cellForItemAtIndexPath(NSIndexPath::indexPathForItem(item, 0)));
    }

    static std::vector<std::shared_ptr<WalletCellBase>> walletCells(const std::shared_ptr<Screen>& screen) {
        auto strip = screen->walletsCollVIew.get();
        strip->layoutIfNeeded();
        std::vector<std::shared_ptr<WalletCellBase>> cells;
        for (long i = 0; i < strip->numberOfItemsInSection(0); ++i)
            cells.push_back(std::dynamic_pointer_cast<WalletCellBase>(
                strip->cellForItemAtIndexPath(NSIndexPath::indexPathForItem(i, 0))));
        return cells;
    }

    static bool showsTable(const std::shared_ptr<Screen>& screen) {
        return !screen->tbl->isHidden() && screen->tbl->alpha() == 1.0 && screen->walletView->isHidden() &&
               screen->walletView->alpha() == 0;
    }
    static bool showsWallets(const std::shared_ptr<Screen>& screen) {
        return screen->tbl->isHidden() && screen->tbl->alpha() == 0 && !screen->walletView->isHidden() &&
               screen->walletView->alpha() == 1.0;
    }

    static void scrollTable(const std::shared_ptr<Screen>& screen, CGFloat y) {
        screen->tbl->setContentOffset(CGPointMake(0, y));
    }
};

TEST_F(MyCardsTest, EveryEntryMakesANewHiddenBarStackWithTheHomeScreenAtItsRoot) {
    SDKManager::sharedInstance()->initAllView();
    const auto first = DataModel::sharedInstance()->homeNavView();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isNavigationBarHidden());
    ASSERT_EQ(first->viewControllers().size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<Screen>(first->viewControllers().front()));
    SDKManager::sharedInstance()->initAllView();
    EXPECT_NE(DataModel::sharedInstance()->homeNavView()->viewControllers().front(),
              first->viewControllers().front());
}

TEST_F(MyCardsTest, TheShippedCardsLoadOnTheFirstCardWithItsTable) {
    LogCapture log;
    auto screen = open();
    EXPECT_TRUE(log.lines().empty()) << log.lines().front();
    const auto pages = static_cast<long>(screen->myCardTransactions().pageCount());
    EXPECT_GE(pages, 3);
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), pages);
    EXPECT_EQ(screen->outlet_PageControl->numberOfPages(), pages);
    EXPECT_EQ(screen->outlet_PageControl->progress(), 0.0);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
    EXPECT_TRUE(showsTable(screen));
    EXPECT_GT(screen->tbl->numberOfRowsInSection(0), 0);
    EXPECT_TRUE(screen->showMoreTransactionView->isHidden());
    EXPECT_EQ(screen->lbl_TotalAmount->text(), "$ 9500.75");
    EXPECT_EQ(screen->view_DetailViewBottomConstraint->constant(), -230);
    EXPECT_TRUE(screen->view_darkView->isHidden());
}

// ---- snap paging ----

struct SnapCase {
    const char* name;
    CGFloat x, target, velocity;
    CGFloat offset;
    long card;
};

class MyCardsSnapTest : public MyCardsTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(MyCardsSnapTest, SettlesOnTheCardInTheDragsDirection) {
    test::BundleWithPages bundle(threePages());
    auto screen = open();
    const SnapCase& c = GetParam();
    release(screen, 320, 320);
    release(screen, c.x, c.target, c.velocity);
    EXPECT_EQ(screen->collectionView->contentOffset().x, c.offset);
    EXPECT_EQ(screen->currentCardSelectedIndex(), c.card);
    EXPECT_EQ(screen->outlet_PageControl->progress(), static_cast<double>(c.card));
}

INSTANTIATE_TEST_SUITE_P(Drags, MyCardsSnapTest,
                         ::testing::Values(SnapCase{"FlungForward", 330, 400, 1.2, 640, 2},
                                           SnapCase{"ReleasedWithoutSpeed", 330, 330, 0, 320, 1},
                                           SnapCase{"DraggedBack", 300, 280, -0.8, 0, 0},
                                           SnapCase{"PastTheFirstCard", -20, 0, -0.5, 0, 0},
                                           SnapCase{"PastTheLastCard", 660, 700, 2.0, 640, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MyCardsTest, OneCardStaysPutAndNoCardSelectsNothing) {
    {
        test::BundleWithPages bundle(Value::Array{page("4111 1111 1111 1111", "Monday", someRecords(2))});
        auto screen = open();
        release(screen, 10, 60, 1.0);
        EXPECT_EQ(screen->collectionView->contentOffset().x, 0);
        EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
        EXPECT_EQ(screen->outlet_PageControl->numberOfPages(), 1);
        EXPECT_TRUE(showsTable(screen));
    }
    test::BundleWithPages empty(Value::Array{});
    auto screen = open();
    EXPECT_EQ(screen->collectionView->numberOfItemsInSection(0), 0);
    EXPECT_EQ(screen->tbl->numberOfSections(), 0);
    release(screen, 30, 90, 1.0);
    EXPECT_EQ(screen->collectionView->contentOffset().x, 0);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
    EXPECT_TRUE(showsTable(screen));
}

TEST_F(MyCardsTest, AFingerDraggingTheCarouselLeftSnapsToTheNextCard) {
    test::BundleWithPages bundle(threePages());
    auto screen = open();
    auto carousel = screen->collectionView.get();
    ASSERT_TRUE(host.drag(carousel, CGPointMake(300, 100), CGPointMake(120, 100), 600));
    host.advance(1);
    EXPECT_EQ(carousel->contentOffset().x, 320);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 1);
}

// ---- stored properties by name ----

TEST_F(MyCardsTest, EveryStoredPropertyIsReadAndWrittenByItsName) {
    test::BundleWithPages bundle(threePages());
    auto screen = open();
    ASSERT_TRUE(host.drag(screen->collectionView.get(), CGPointMake(300, 100), CGPointMake(120, 100), 600));
    host.advance(1);
    EXPECT_EQ(screen->valueForKey("currentCardSelectedIndex"), Value(1));
    EXPECT_EQ(screen->valueForKey("totalWalletCount"), Value(3));
    EXPECT_EQ(screen->valueForKey("myCardTransactions"), threePages());
    EXPECT_EQ(screen->valueForKey("lastContentOffset"), valueWithCGPoint({0, 0}));
    EXPECT_EQ(screen->valueForKey("_lastContentOffset"), valueWithCGPoint({0, 0}));
    EXPECT_TRUE(screen->hasValueForKey("scrollTimer"));
    EXPECT_TRUE(screen->valueForKey("scrollTimer").isNull());
    EXPECT_EQ(screen->objectForKey("pullToRefreshManager"), screen->pullToRefreshManager());
    EXPECT_TRUE(screen->pullToRefreshManager());
    EXPECT_EQ(screen->objectForKey("viewModel"), screen->viewModel());

    EXPECT_TRUE(screen->setValueForKey("currentCardSelectedIndex", Value(2)));
    EXPECT_EQ(screen->currentCardSelectedIndex(), 2);
    EXPECT_TRUE(screen->setValueForKey("totalWalletCount", Value(1)));
    EXPECT_EQ(screen->totalWalletCount(), 1);
    EXPECT_TRUE(screen->setValueForKey("_lastContentOffset", valueWithCGPoint({0, 40})));
    EXPECT_EQ(screen->valueForKey("_lastContentOffset"), valueWithCGPoint({0, 40}));
    EXPECT_TRUE(screen->setValueForKey("lastContentOffset", valueWithCGPoint({0, 8})));
    EXPECT_EQ(screen->valueForKey("lastContentOffset"), valueWithCGPoint({0, 8}));
    EXPECT_TRUE(screen->setValueForKey("scrollTimer", Value()));
    auto model = std::make_shared<MyCardsViewModel>();
    EXPECT_TRUE(screen->setObjectForKey("viewModel", model));
    EXPECT_EQ(screen->viewModel(), model);
    EXPECT_TRUE(screen->setObjectForKey("pullToRefreshManager", nullptr));
    EXPECT_FALSE(screen->pullToRefreshManager());
    const Value onePage(Value::Array{page("4111 1111 1111 1111", "Monday", someRecords(2))});
    EXPECT_TRUE(screen->setValueForKey("myCardTransactions", onePage));
    EXPECT_EQ(screen->myCardTransactions().pageCount(), 1u);

    // Values the screen cannot hold are refused and change nothing.
    EXPECT_FALSE(screen->setValueForKey("currentCardSelectedIndex", Value(1)));
    EXPECT_FALSE(screen->setValueForKey("currentCardSelectedIndex", Value(-1)));
    EXPECT_FALSE(screen->setValueForKey("totalWalletCount", Value(1000000)));
    EXPECT_FALSE(screen->setValueForKey("totalWalletCount", Value("3")));
    EXPECT_FALSE(screen->setValueForKey("lastContentOffset", Value("0,8")));
    EXPECT_FALSE(screen->setValueForKey("myCardTransactions", Value("pages")));
    EXPECT_FALSE(screen->setValueForKey("scrollTimer", Value(1)));
    EXPECT_FALSE(screen->setObjectForKey("viewModel", UIView::create()));
    EXPECT_EQ(screen->currentCardSelectedIndex(), 2);
    EXPECT_EQ(screen->totalWalletCount(), 1);
    EXPECT_EQ(screen->valueForKey("lastContentOffset"), valueWithCGPoint({0, 8}));
    EXPECT_EQ(screen->viewModel(), model);
}

// ---- wallet strip or table ----

TEST_F(MyCardsTest, PagingCrossFadesBetweenTheTableAndTheSelectedCardsWallets) {
    test::BundleWithPages bundle(threePages());
    auto screen = open();
    ASSERT_TRUE(showsTable(screen));

    release(screen, 10, 60);
    ASSERT_EQ(screen->currentCardSelectedIndex(), 1);
    EXPECT_TRUE(showsWallets(screen));
    EXPECT_EQ(screen->totalWalletCount(), 3);
    const auto three = walletCells(screen);
    ASSERT_EQ(three.size(), 3u);
    const CGFloat stripWidth = screen->walletsCollVIew->frame().size.width;
    const char* currencies[] = {"EUR", "USD", "JPY"};
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(std::dynamic_pointer_cast<WalletCollectionViewCell>(three[i])) << i;
        EXPECT_EQ(three[i]->frame().size, CGSizeMake(stripWidth / 2 - 2, 100)) << i;
        EXPECT_EQ(three[i]->Lbl_Currency->text(), currencies[i]);
        EXPECT_EQ(three[i]->Lbl_Currency->font()->fontName(), "SFProDisplay-Light");
        EXPECT_EQ(three[i]->Lbl_Currency->font()->pointSize(), 10);
        EXPECT_TRUE(three[i]->Img_Flag->image()) << i;
    }
    EXPECT_EQ(three[0]->Lbl_Amount->attributedText()->string(), "EUR 20");
    EXPECT_EQ(three[1]->Lbl_Amount->attributedText()->string(), "USD 100.50");

    release(screen, 330, 400);
    ASSERT_EQ(screen->currentCardSelectedIndex(), 2);
    EXPECT_TRUE(showsWallets(screen));
    const auto one = walletCells(screen);
    ASSERT_EQ(one.size(), 1u);
    ASSERT_TRUE(std::dynamic_pointer_cast<SingleWalletCollectionViewCell>(one[0]));
    EXPECT_EQ(one[0]->frame().size, CGSizeMake(stripWidth, 100));
    EXPECT_EQ(one[0]->Lbl_Currency->text(), "GBP");
    EXPECT_NE(one[0]->Lbl_Currency->font()->pointSize(), 10) << "the single tile keeps its own font";

    // Back to the transactions card: the strip fades out, then the table in, still the first day.
    auto carousel = screen->collectionView.get();
    carousel->setContentOffset(CGPointMake(300, 0));
    CGPoint proposed{100, 0};
    screen->scrollViewWillEndDragging(*carousel, CGPointMake(-1, 0), &proposed);
    EXPECT_EQ(screen->walletView->alpha(), 0);
    EXPECT_FALSE(screen->walletView->isHidden());
    EXPECT_TRUE(screen->tbl->isHidden());
    host.advance(MyCardsViewController::kSwitchFade);
    EXPECT_TRUE(screen->walletView->isHidden());
    EXPECT_FALSE(screen->tbl->isHidden());
    host.advance(MyCardsViewController::kSwitchFade);
    EXPECT_TRUE(showsTable(screen));
    EXPECT_EQ(screen->tbl->numberOfRowsInSection(0), 3);
    EXPECT_EQ(screen->totalWalletCount(), 1) << "kept from the last wallet page";
}

TEST_F(MyCardsTest, AWalletCountBeyondTheRecordsShowsBlankTilesAndABadCountNone) {
    Value tooMany = page("5500 0000 0000 0004", "Sunday", {}, {wallet("eur", "EUR", "20", "europe")});
    tooMany.set(CardOverviewRecord::kWalletCount, "3");
    Value unreadable = page("5500 0000 0000 0012", "Sunday", {}, {wallet("eur", "EUR", "20", "europe")});
    unreadable.set(CardOverviewRecord::kWalletCount, "two");
    test::BundleWithPages bundle(Value::Array{tooMany, unreadable});
    LogCapture log;
    auto screen = open();
    EXPECT_FALSE(log.lines().empty()) << "the damage is logged";
    ASSERT_TRUE(showsWallets(screen));
    const auto cells = walletCells(screen);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0]->Lbl_Currency->text(), "EUR");
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(cells[i]->Lbl_Currency->text().value_or(""), "") << i;
        EXPECT_EQ(cells[i]->Img_Flag->image(), nullptr) << i;
    }
    release(screen, 10, 60);
    EXPECT_EQ(screen->totalWalletCount(), 0);
    EXPECT_TRUE(walletCells(screen).empty());
}

// ---- card faces ----

TEST_F(MyCardsTest, CardFacesAreMaskedUnlessTheHostShowsDetails) {
    test::BundleWithPages bundle(threePages());
    auto screen = open();
    auto cell = face(screen, 0);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->lbl_cardNumber->text(), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 1111");
    EXPECT_EQ(cell->lbl_cardExpiry->text(), "✱✱/✱✱");
    EXPECT_EQ(cell->lbl_cardCVV->text(), "✱✱✱");
    EXPECT_TRUE(cell->blockSwitch->isHidden());
    EXPECT_TRUE(cell->lbl_blockStatus->isHidden());

    NSUserDefaults::standardUserDefaults().setBool(true, kCardDetailActiveDefaultsKey);
    screen->collectionView->reloadData();
    cell = face(screen, 0);
    EXPECT_EQ(cell->lbl_cardNumber->text(), "4111   1111   1111   1111");
    EXPECT_EQ(cell->lbl_cardExpiry->text(), "09/29");
    EXPECT_EQ(cell->lbl_cardCVV->text(), "123");
}

// ---- the header and the footer follow the table ----

TEST_F(MyCardsTest, ScrollingTheTableCollapsesTheHeaderAtFiftyAndExpandsItBackAtTheTop) {
    test::BundleWithPages bundle(Value::Array{page("4111 1111 1111 1111", "Monday", someRecords(8))});
    auto screen = open();
    const auto theme = ThemeManager::sharedInstance();
    scrollTable(screen, 49);
    EXPECT_EQ(screen->topCardView->alpha(), 1.0);
    EXPECT_EQ(screen->cardViewHeight->constant(), 250);

    scrollTable(screen, 50);
    EXPECT_EQ(screen->cardViewHeight->constant(), 0);
    EXPECT_EQ(screen->topCardView->alpha(), 0);
    EXPECT_TRUE(colorsEqual(screen->view_availableAmount->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleOne->textColor(), UIColor::whiteColor()));
    host.advance(MyCardsViewController::kHeaderAnimation);
    EXPECT_EQ(screen->topCardView->frame().size.height, 0);
    EXPECT_EQ(screen->view_availableAmount->frame().origin.y, 64);

    // A drag that begins lower and comes back to the top expands it.
    scrollTable(screen, 120);
    screen->scrollViewWillBeginDragging(*screen->tbl);
    scrollTable(screen, 0);
    EXPECT_EQ(screen->cardViewHeight->constant(), 250);
    EXPECT_EQ(screen->topCardView->alpha(), 1.0);
    EXPECT_TRUE(colorsEqual(screen->view_availableAmount->backgroundColor(), UIColor::whiteColor()));
    EXPECT_TRUE(colorsEqual(screen->lbl_TotalAmount->textColor(), theme->main_font_color()));

    // A drag that begins at the top expands it only once the table goes above its top.
    screen->scrollViewWillBeginDragging(*screen->tbl);
    scrollTable(screen, 60);
    ASSERT_EQ(screen->topCardView->alpha(), 0);
    scrollTable(screen, 0);
    EXPECT_EQ(screen->topCardView->alpha(), 0);
    scrollTable(screen, 0.5);
    scrollTable(screen, 0);
    EXPECT_EQ(screen->topCardView->alpha(), 0);
    scrollTable(screen, -1);
    EXPECT_EQ(screen->topCardView->alpha(), 1.0);
}

TEST_F(MyCardsTest, TheFooterFadesInFiftyPointsBeforeTheEndAndOutAwayFromIt) {
    test::BundleWithPages bundle(Value::Array{page("4111 1111 1111 1111", "Monday", someRecords(8))});
    auto screen = open();
    auto table = screen->tbl.get();
    auto footer = screen->showMoreTransactionView;
    // The header collapses first, which makes the table taller.
    scrollTable(screen, 60);
    host.advance(1);
    scrollTable(screen, 0);
    host.advance(1);
    ASSERT_TRUE(footer->isHidden());
    const CGFloat threshold = table->contentSize().height - table->frame().size.height - 50;
    ASSERT_GT(threshold, 50);
    scrollTable(screen, threshold);
    EXPECT_TRUE(footer->isHidden()) << "exactly fifty points from the end is not near";
    scrollTable(screen, threshold + 1);
    EXPECT_FALSE(footer->isHidden());
    host.advance(MyCardsViewController::kFooterFadeIn);
    EXPECT_EQ(footer->alpha(), 1.0);

    scrollTable(screen, threshold - 1);
    EXPECT_EQ(footer->alpha(), 0);
    EXPECT_FALSE(footer->isHidden()) << "hidden once the fade has ended";
    host.advance(MyCardsViewController::kFooterFadeOut);
    EXPECT_TRUE(footer->isHidden());
}

TEST_F(MyCardsTest, AShortTableShowsTheFooterOnTheFirstScrollEvent) {
    test::BundleWithPages bundle(Value::Array{page("4111 1111 1111 1111", "Monday", someRecords(1))});
    auto screen = open();
    EXPECT_TRUE(screen->showMoreTransactionView->isHidden());
    scrollTable(screen, 1);
    EXPECT_FALSE(screen->showMoreTransactionView->isHidden());
}

// ---- history, pop-up, refresh ----

TEST_F(MyCardsTest, TheBalanceAndTheFootersButtonEachOpenANewHistoryWithABackArrow) {
    test::BundleWithPages bundle(Value::Array{page("4111 1111 1111 1111", "Monday", someRecords(1))});
    auto screen = open();
    ASSERT_TRUE(host.tap(screen->lbl_TotalAmount.get()));
    host.advance(1);
    auto first = std::dynamic_pointer_cast<TransactionsViewController>(host.topViewController());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->cameFromView(), kCameFromHome);
    EXPECT_EQ(first->constraint_img_back_sidemenu_width->constant(), 8);
    first->backPressed(nullptr);
    host.advance(1);
    ASSERT_EQ(host.topViewController(), screen);

    scrollTable(screen, 1);
    host.advance(1);
    ASSERT_TRUE(host.tap(screen->btn_seeAllTransactions.get()));
    host.advance(1);
    auto second = std::dynamic_pointer_cast<TransactionsViewController>(host.topViewController());
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
}

TEST_F(MyCardsTest, ARowOpensTheDetailPopupAndTheDimmingClosesIt) {
    test::BundleWithPages bundle(threePages());
    auto screen = open();
    auto table = screen->tbl.get();
    table->layoutIfNeeded();
    ASSERT_TRUE(host.tap(table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(0, 0))));
    EXPECT_EQ(screen->view_DetailViewBottomConstraint->constant(), 0);
    EXPECT_EQ(screen->view_darkView->alpha(), 0.7);
    EXPECT_EQ(screen->lbl_bottomView_type->text(), "DEBIT");
    EXPECT_EQ(screen->lbl_bottomView_Title->text(), "Shop 0");
    host.advance(1);
    EXPECT_EQ(CGRectGetMaxY(screen->view_transactionDetail->frame()), screen->view()->bounds().size.height);
    ASSERT_TRUE(host.tap(screen->view_darkView.get()));
    host.advance(1);
    EXPECT_TRUE(screen->view_darkView->isHidden());
    EXPECT_EQ(screen->view_transactionDetail->frame().origin.y, screen->view()->bounds().size.height);
}

TEST_F(MyCardsTest, APullToRefreshEndsOnTheNextTurnWithTheSameRows) {
    auto screen = open();
    auto table = screen->tbl.get();
    const long rows = table->numberOfRowsInSection(0);
    ASSERT_TRUE(host.drag(table, CGPointMake(187, 20), CGPointMake(187, 240)));
    host.advance(1);
    EXPECT_EQ(screen->pullToRefreshManager()->pullToRefreshView()->state(), PullToRefreshViewStateIdle);
    EXPECT_EQ(table->contentInset(), UIEdgeInsetsMake(0, 0, 0, 0));
    EXPECT_EQ(table->numberOfRowsInSection(0), rows);
}

TEST_F(MyCardsTest, Snapshots) {
    auto screen = open();
    EXPECT_TRUE(host.snapshot("my_cards"));
    release(screen, 10, 60);
    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("my_cards_wallets"));
    release(screen, 300, 250);
    scrollTable(screen, 60);
    host.advance(1);
    EXPECT_TRUE(host.snapshot("my_cards_collapsed"));
}

}  // namespace
}  // namespace fv
