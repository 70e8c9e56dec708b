#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/UIColorHex.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenRegistry.h"
#include "core/ThemeManager.h"
#include "platform/testing/TestHost.h"
#include "screenkit/ModalPopup.h"
#include "transfers/AddRecipientViewController.h"
#include "transfers/CardToCardTransferViewController.h"
#include "transfers/RecipientListTableViewCell.h"
#include "transfers/RecipientListViewController.h"

namespace fv {
namespace {

const std::vector<std::string> kFileNames = {"Elena Reyes",    "Samuel Okafor", "Pinecrest Rentals",
                                             "Dana Whitfield", "Mateo Ruiz",    "Café Lumière"};

class RecipientListTest : public TestHostFixture {
  protected:
    void SetUp() override {
        DataModel::sharedInstance()->setSelectedRecipient(nullptr);
        host.navigationController()->setNavigationBarHidden(true);
    }
    void TearDown() override {
        ModalPopup::sharedInstance()->hideAnimated(false, nullptr);
        TestHostFixture::TearDown();
    }

    // The card-to-card screen, then its recipient selector, as a user reaches the list.
    std::shared_ptr<RecipientListViewController> openList() {
        transfer = std::dynamic_pointer_cast<CardToCardTransferViewController>(
            ScreenRegistry::screenNamed(screen::CardToCardTransferViewController));
        if (!transfer) return nullptr;
        host.show(transfer);
        if (!host.tap(transfer->view_OptionTwoField.get())) return nullptr;
        settle();
        auto list = std::dynamic_pointer_cast<RecipientListViewController>(host.topViewController());
        if (list) list->tbl_recipient.get()->layoutIfNeeded();
        return list;
    }

    static std::shared_ptr<RecipientListTableViewCell> row(
        const std::shared_ptr<RecipientListViewController>& list, long index) {
        return std::dynamic_pointer_cast<RecipientListTableViewCell>(
            list->tbl_recipient.get()->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(index, 0)));
    }

    static std::vector<std::string> shownNames(const std::shared_ptr<RecipientListViewController>& list) {
        std::vector<std::string> names;
        auto table = list->tbl_recipient.get();
        table->layoutIfNeeded();
        for (long i = 0; i < table->numberOfRowsInSection(0); ++i) {
            auto cell = row(list, i);
            names.push_back(cell ? cell->lbl_recipientName.get()->text().value_or("") : "<no row>");
        }
        return names;
    }

    void search(const std::shared_ptr<RecipientListViewController>& list, const std::string& text) {
        auto bar = list->searchBar.get();
        auto field = bar->searchField();
        field->setText(std::string(""));
        bar->setText(std::string(""));
        list->searchBarTextDidChange(bar.get(), "");
        if (!text.empty()) {
            ASSERT_TRUE(host.typeText(field, text));
        }
    }

    // A fast swipe to the left across the row's middle, which opens its buttons.
    void swipeOpen(const std::shared_ptr<RecipientListTableViewCell>& cell) {
        const CGPoint start{250, RecipientListViewController::kRowHeight / 2};
        ASSERT_TRUE(host.drag(cell, start, {start.x - 30, start.y}, 1500));
        host.advance(1);
        ASSERT_EQ(cell->cellState(), kCellStateRight);
    }

    void settle() { host.advance(0.5); }

    std::shared_ptr<CardToCardTransferViewController> transfer;
};

TEST_F(RecipientListTest, ListsEveryRecipientOfTheFileInOrder) {
    auto list = openList();
    ASSERT_TRUE(list);
    EXPECT_EQ(shownNames(list), kFileNames);
    EXPECT_EQ(
        list->tbl_recipient.get()->rectForRowAtIndexPath(NSIndexPath::indexPathForRow(0, 0)).size.height, 55);
    EXPECT_TRUE(colorsEqual(list->view_navbar.get()->backgroundColor(),
                            ThemeManager::sharedInstance()->main_color()));
    EXPECT_EQ(list->view_FirstField.get()->layer()->borderWidth, 1.5);
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

struct SearchCase {
    std::vector<std::string> names;
    std::string text;
    std::vector<std::string> expected;
};

class RecipientSearchTest : public RecipientListTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(RecipientSearchTest, MatchesNamesIgnoringCaseAndAccentsOnly) {
    auto list = openList();
    ASSERT_TRUE(list);
    const auto& c = GetParam();
    list->recipients.clear();
    for (const auto& name : c.names) {
        auto recipient = std::make_shared<RecipientModel>();
        recipient->setRecipient(name);
        recipient->setNickname("ab nick");
        recipient->setUsername("ab.user");
        list->recipients.push_back(recipient);
    }
    search(list, c.text);
    EXPECT_EQ(shownNames(list), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecipientSearchTest,
    ::testing::Values(SearchCase{{"Cabin", "ABC", "Dora"}, "ab", {"Cabin", "ABC"}},
                      SearchCase{{"Café", "Cafeteria Nord"}, "cafe", {"Café", "Cafeteria Nord"}},
                      SearchCase{{"Dora"}, "nick", {}},  // nicknames and user names are not searched
                      SearchCase{{"Ann Lee", "Annabel"}, "n ", {"Ann Lee"}},  // the blank counts
                      SearchCase{{"", "Ann"}, "a", {"Ann"}}, SearchCase{{"Ann", "Bo"}, "", {"Ann", "Bo"}}));

TEST_F(RecipientListTest, DeletingTheSearchTextShowsEveryoneAgain) {
    auto list = openList();
    ASSERT_TRUE(list);
    auto field = list->searchBar.get()->searchField();
    ASSERT_TRUE(host.typeText(field, "re"));
    EXPECT_EQ(shownNames(list),
              (std::vector<std::string>{"Elena Reyes", "Pinecrest Rentals", "Café Lumière"}));
    ASSERT_TRUE(host.deleteBackward(field, 2));
    EXPECT_EQ(shownNames(list), kFileNames);
}

TEST_F(RecipientListTest, ATapInAFilteredListSelectsThatRowsRecipientAndGoesBack) {
    auto list = openList();
    ASSERT_TRUE(list);
    ASSERT_TRUE(host.typeText(list->searchBar.get()->searchField(), "ruiz"));
    list->view()->endEditing(true);
    auto cell = row(list, 0);
    ASSERT_TRUE(cell);
    ASSERT_TRUE(host.tap(cell));
    settle();
    EXPECT_EQ(DataModel::sharedInstance()->selectedRecipient(), list->recipients[4]);
    EXPECT_EQ(host.topViewController(), transfer);
    EXPECT_EQ(transfer->lbl_selectedRecipient.get()->text(), "Mateo Ruiz");

    // The next visit reads the file again and starts with an empty search.
    ASSERT_TRUE(host.tap(transfer->view_OptionTwoField.get()));
    settle();
    auto again = std::dynamic_pointer_cast<RecipientListViewController>(host.topViewController());
    ASSERT_TRUE(again);
    EXPECT_NE(again, list);
    EXPECT_EQ(shownNames(again), kFileNames);
}

TEST_F(RecipientListTest, ARecipientWithoutANameShowsAnEmptyRowThatCanStillBeChosen) {
    auto list = openList();
    ASSERT_TRUE(list);
    auto nameless = std::make_shared<RecipientModel>();
    nameless->setNickname("Neighbour");
    list->recipients = {nameless};
    search(list, "");
    EXPECT_EQ(shownNames(list), std::vector<std::string>{""});
    ASSERT_TRUE(host.tap(row(list, 0)));
    settle();
    EXPECT_EQ(DataModel::sharedInstance()->selectedRecipient(), nameless);
    EXPECT_EQ(transfer->lbl_selectedRecipient.get()->text(), "");
}

TEST_F(RecipientListTest, BackKeepsThePreviousSelection) {
    auto chosen = std::make_shared<RecipientModel>();
    chosen->setRecipient("Dana Whitfield");
    DataModel::sharedInstance()->setSelectedRecipient(chosen);
    auto list = openList();
    ASSERT_TRUE(list);
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    EXPECT_EQ(host.topViewController(), transfer);
    EXPECT_EQ(DataModel::sharedInstance()->selectedRecipient(), chosen);
    EXPECT_EQ(transfer->lbl_selectedRecipient.get()->text(), "Dana Whitfield");
}

TEST_F(RecipientListTest, ASwipeShowsEditAndDeleteSixtyPointsWide) {
    auto list = openList();
    ASSERT_TRUE(list);
    auto cell = row(list, 1);
    ASSERT_TRUE(cell);
    swipeOpen(cell);
    const auto& buttons = cell->rightUtilityButtons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->frame().size.width, 60);
    EXPECT_EQ(buttons[1]->frame().size.width, 60);
    EXPECT_TRUE(colorsEqual(buttons[0]->backgroundColor(), ThemeManager::sharedInstance()->main_color()));
    const auto red = buttons[1]->backgroundColor();
    ASSERT_TRUE(red);
    EXPECT_NEAR(red->red(), 0xE0 / 255.0, 1e-6);
    EXPECT_NEAR(red->green(), 0, 1e-6);
    EXPECT_NEAR(red->blue(), 1 / 255.0, 1e-6);
    EXPECT_NEAR(red->alpha(), 1, 1e-6);
    EXPECT_TRUE(buttons[0]
                    ->imageForState(UIControlStateNormal)
                    ->isEqual(*UIImage::imageNamed("icon_edit", frameworkBundle())));
    EXPECT_TRUE(buttons[1]
                    ->imageForState(UIControlStateNormal)
                    ->isEqual(*UIImage::imageNamed("icon_delete", frameworkBundle())));
    EXPECT_TRUE(host.snapshot("recipient_list_swiped"));

    // A tap on the open row only closes it.
    ASSERT_TRUE(host.tap(cell->contentView()));
    host.advance(1);
    EXPECT_EQ(cell->cellState(), kCellStateCenter);
    EXPECT_EQ(host.topViewController(), list);
    EXPECT_EQ(DataModel::sharedInstance()->selectedRecipient(), nullptr);
}

TEST_F(RecipientListTest, DeleteOnlyClosesTheButtons) {
    auto list = openList();
    ASSERT_TRUE(list);
    auto cell = row(list, 2);
    swipeOpen(cell);
    ASSERT_TRUE(host.tap(cell->rightUtilityButtons()[1]));
    host.advance(1);
    EXPECT_EQ(cell->cellState(), kCellStateCenter);
    EXPECT_EQ(shownNames(list), kFileNames);
    EXPECT_FALSE(ModalPopup::sharedInstance()->isVisible());
}

TEST_F(RecipientListTest, EditShowsTheNicknamePopupAndSaveOrCancelChangeNothing) {
    auto list = openList();
    ASSERT_TRUE(list);
    auto popup = ModalPopup::sharedInstance();
    popup->setCloseButtonType(ModalPopupCloseButtonTypeRight);  // left over by another screen
    popup->setTapOutsideToDismiss(true);
    for (const char* button : {"btn_Save", "btn_cancel"}) {
        auto cell = row(list, 0);
        swipeOpen(cell);
        ASSERT_TRUE(host.tap(cell->rightUtilityButtons()[0]));
        host.advance(1);
        EXPECT_EQ(cell->cellState(), kCellStateCenter);
        ASSERT_TRUE(popup->isVisible());
        EXPECT_EQ(popup->closeButtonType(), ModalPopupCloseButtonTypeNone);
        EXPECT_FALSE(popup->tapOutsideToDismiss());
        EXPECT_EQ(popup->backgroundDisplayStyle(), ModalPopupBackgroundDisplayStyleGradient);
        EXPECT_TRUE(colorsEqual(popup->modalBackgroundColor(), UIColor::whiteColor()));
        EXPECT_EQ(list->view_editPopup.get()->frame().size, CGSizeMake(295, 320));

        // The backdrop does nothing; the nickname typed is dropped.
        host.tap(popup->backdropView()->convertPointToView({5, 5}, nullptr));
        host.advance(1);
        ASSERT_TRUE(popup->isVisible());
        ASSERT_TRUE(host.typeText(list->popup_tf_nickname.get(), "Sis"));
        if (std::string(button) == "btn_Save") {
            EXPECT_TRUE(host.snapshot("recipient_edit_popup", popup->window()));
        }
        ASSERT_TRUE(host.tap(TestHost::outlet(list, button)));
        host.advance(1);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_EQ(shownNames(list), kFileNames);
        EXPECT_EQ(list->recipients[0]->nickname(), "Mom");
    }
}

TEST_F(RecipientListTest, AddNewOpensTheFormAndBackLeavesTheListAsItWas) {
    auto list = openList();
    ASSERT_TRUE(list);
    EXPECT_TRUE(host.snapshot("recipient_list"));
    ASSERT_TRUE(host.tap(list->Btn_AddNew.get()));
    settle();
    auto form = std::dynamic_pointer_cast<AddRecipientViewController>(host.topViewController());
    ASSERT_TRUE(form);
    ASSERT_TRUE(host.typeText(form->tf_Username.get(), "mateo"));
    ASSERT_TRUE(host.typeText(form->tf_Cardnumber.get(), "4111"));
    ASSERT_TRUE(host.tap(CGPoint{26, 42}));
    settle();
    EXPECT_EQ(host.topViewController(), list);
    EXPECT_EQ(shownNames(list), kFileNames);
}

}  // namespace
}  // namespace fv
