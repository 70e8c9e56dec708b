#include "cards/VirtualCardViewController.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "cards/MyCardsCollectionViewCell.h"
#include "core/ApiDataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UICollectionViewFlowLayout.h"

namespace fv {
namespace {

constexpr const char* kIssuedNumber = "5236 8100 0093 4821";

// Stores a new-card reply as the wizard does when it arrives; none: no reply at all.
void storeReply(const std::optional<std::string>& json) {
    auto api = ApiDataModel::sharedInstance();
    api->resetForTesting();
    if (json) api->Initialize_GetNewCardResponseInstance(*json);
}

// A reply of the backend with the given card list ("" for an empty one).
std::string replyWithCard(const std::string& cards) {
    return R"({"create_cardholder_response":{"responseInfo":{"responseCode":"0","acquirerRefNo":"A1",)"
           R"("responseDesc":"Approved","transactionId":"T1"},"cardsData":[)" +
           cards + "]}}";
}

// A whole card record, with `number` as its "cardNo" member (none: without one).
std::string cardRecord(const std::optional<std::string>& number) {
    return R"({"accountBalances":[],"cardholderId":"CH1","cardLastFour":"4821",)" +
           (number ? R"("cardNo":)" + *number + "," : std::string()) +
           R"("cardRefNo":"R1","cardStatus":"ACTIVE","createdOn":"2026-12-07"})";
}

std::string issuedCard() {
    return replyWithCard(cardRecord(std::string("\"") + kIssuedNumber + "\""));
}

class VirtualCardTest : public TestHostFixture {
  protected:
    void TearDown() override {
        ApiDataModel::sharedInstance()->resetForTesting();
        TestHostFixture::TearDown();
    }

    void SetUp() override { host.navigationController()->setNavigationBarHidden(true); }

    std::shared_ptr<VirtualCardViewController> open() {
        auto screen =
            std::make_shared<VirtualCardViewController>("VirtualCardViewController", frameworkBundle());
        host.show(screen);
        screen->view()->layoutIfNeeded();
        return screen;
    }

    static MyCardsCollectionViewCellPtr card(const std::shared_ptr<VirtualCardViewController>& screen) {
        auto carousel = screen->collectionView.get();
        carousel->layoutIfNeeded();
        return std::dynamic_pointer_cast<MyCardsCollectionViewCell>(
            carousel->cellForItemAtIndexPath(NSIndexPath::indexPathForItem(0, 0)));
    }

    void tapReveal(const std::shared_ptr<VirtualCardViewController>& screen) {
        auto control = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_viewCardNumber:");
        ASSERT_TRUE(control);
        ASSERT_TRUE(host.tap(control));
    }
};

TEST_F(VirtualCardTest, ShowsTheIssuedCardMaskedWithoutItsStatusSwitch) {
    storeReply(issuedCard());
    auto screen = open();
    auto face = card(screen);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->lbl_cardNumber->text(), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 4821");
    EXPECT_EQ(face->lbl_cardExpiry->text(), "✱✱/✱✱");
    EXPECT_EQ(face->lbl_cardCVV->text(), "✱✱✱");
    EXPECT_TRUE(face->blockSwitch->isHidden());
    EXPECT_TRUE(face->lbl_blockStatus->isHidden());
    EXPECT_FALSE(screen->hideCardDetail());
    EXPECT_EQ(UIApplication::sharedApplication()->statusBarStyle(), UIStatusBarStyleLightContent);
}

TEST_F(VirtualCardTest, TheRevealControlShowsTheCardInFullAndMasksItAgain) {
    storeReply(issuedCard());
    LogCapture log;
    auto screen = open();
    tapReveal(screen);
    auto face = card(screen);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->lbl_cardNumber->text(), "5236   8100   0093   4821");
    EXPECT_EQ(face->lbl_cardExpiry->text(), "09/24");
    EXPECT_EQ(face->lbl_cardCVV->text(), VirtualCardViewController::kSecurityCode);
    EXPECT_TRUE(screen->hideCardDetail());

    tapReveal(screen);
    face = card(screen);
    EXPECT_EQ(face->lbl_cardNumber->text(), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 4821");
    EXPECT_EQ(face->lbl_cardExpiry->text(), "✱✱/✱✱");
    for (const auto& line : log.lines()) EXPECT_EQ(line.find("0093"), std::string::npos) << line;
}

struct MissingCase {
    const char* name;
    std::optional<std::string> reply;
};

class VirtualCardWithoutNumberTest : public VirtualCardTest,
                                     public ::testing::WithParamInterface<MissingCase> {};

TEST_P(VirtualCardWithoutNumberTest, ShowsAnEmptyNumberLineAndStillRevealsTheRest) {
    storeReply(GetParam().reply);
    auto screen = open();
    auto face = card(screen);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->lbl_cardNumber->text(), "");
    EXPECT_EQ(face->lbl_cardExpiry->text(), "✱✱/✱✱");
    tapReveal(screen);
    face = card(screen);
    EXPECT_EQ(face->lbl_cardNumber->text(), "");
    EXPECT_EQ(face->lbl_cardExpiry->text(), "09/24");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, VirtualCardWithoutNumberTest,
    ::testing::Values(MissingCase{"NoReply", std::nullopt}, MissingCase{"NotJson", std::string("<html>")},
                      MissingCase{
                          "NoCardList",
                          std::string(R"({"create_cardholder_response":{"responseInfo":{"responseCode":"0",)"
                                      R"("acquirerRefNo":"A","responseDesc":"D","transactionId":"T"}}})")},
                      MissingCase{"EmptyCardList", replyWithCard("")},
                      MissingCase{"CardWithoutNumber", replyWithCard(cardRecord(std::nullopt))},
                      MissingCase{"DamagedCard", replyWithCard(cardRecord(std::string("[1,2]")))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VirtualCardViewModelTest, AnIndexPastTheListOrBelowItHasNoNumber) {
    storeReply(issuedCard());
    VirtualCardViewModel model;
    EXPECT_EQ(model.getCardNumber(0), std::optional<std::string>(kIssuedNumber));
    EXPECT_EQ(model.getCardNumber(1), std::nullopt);
    EXPECT_EQ(model.getCardNumber(-1), std::nullopt);
    EXPECT_TRUE(model.cardsArr().isArray());
    ApiDataModel::sharedInstance()->resetForTesting();
}

TEST_F(VirtualCardTest, OneCardCentredAndTheModelMadeOnce) {
    storeReply(std::nullopt);
    auto screen = open();
    auto carousel = screen->collectionView.get();
    EXPECT_EQ(carousel->numberOfSections(), 1);
    EXPECT_EQ(carousel->numberOfItemsInSection(0), 1);
    const auto frame =
        carousel->layoutAttributesForItemAtIndexPath(NSIndexPath::indexPathForItem(0, 0))->frame;
    EXPECT_EQ(frame.size.width, 300);
    EXPECT_EQ(frame.size.height, 200);
    EXPECT_DOUBLE_EQ(CGRectGetMidX(frame), 375 / 2.0);
    auto& layout = carousel->collectionViewLayout();
    EXPECT_EQ(screen->collectionViewLayoutInsetForSectionAtIndex(*carousel, layout, 0)->left, 37.5);
    EXPECT_EQ(screen->collectionViewLayoutMinimumLineSpacingForSectionAtIndex(*carousel, layout, 0), 20);

    const auto model = screen->viewModel();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->delegate().get(), static_cast<NSObject*>(screen.get()));
    EXPECT_EQ(model->rootView(), screen->view());
    screen->initialzieViewModel();
    EXPECT_EQ(screen->viewModel(), model);

    // A drag on the only card comes back to it.
    ASSERT_TRUE(host.pan(carousel, CGPointMake(-120, 0), 800));
    host.advance(0.5);
    EXPECT_EQ(carousel->contentOffset().x, 0);
    EXPECT_EQ(screen->currentCardSelectedIndex(), 0);
}

TEST_F(VirtualCardTest, TheThemeColoursItsTitlesAndControls) {
    storeReply(std::nullopt);
    auto screen = open();
    auto theme = ThemeManager::sharedInstance();
    EXPECT_TRUE(colorsEqual(screen->view_navbar->backgroundColor(), theme->header_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_headerTitle->textColor(), theme->header_text_color()));
    EXPECT_TRUE(colorsEqual(screen->view_underline->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleOne->textColor(), theme->main_font_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_titleTwo->textColor(), theme->light_font_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_view_card_number->textColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->lbl_viewCardNumber->textColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->view_underline_viewCardNumber->backgroundColor(), theme->main_color()));
    EXPECT_TRUE(colorsEqual(screen->Btn_continue->backgroundColor(), UIColor::clearColor()));
}

// The screen that opens it (the new-card wizard's last) does so by name.
class Opener : public BaseViewController {
    FV_CLASS(Opener, BaseViewController)
};

TEST_F(VirtualCardTest, OpensByItsNameAndBackReturnsWhileContinueStays) {
    storeReply(issuedCard());
    auto opener = std::make_shared<Opener>();
    host.show(opener);
    auto screen = std::dynamic_pointer_cast<VirtualCardViewController>(
        opener->pushScreen(screen::VirtualCardViewController));
    ASSERT_TRUE(screen);
    host.advance(0.5);
    EXPECT_EQ(host.topViewController(), screen);

    auto continueButton = screen->Btn_continue.get();
    ASSERT_TRUE(host.tap(continueButton));
    host.advance(0.5);
    EXPECT_EQ(host.topViewController(), screen);

    // Tapping the card flips it; it turns home by itself.
    auto face = card(screen);
    ASSERT_TRUE(host.tap(face->frontView.get()));
    EXPECT_FALSE(face->backView->isHidden());
    host.advance(3.0);
    EXPECT_TRUE(face->backView->isHidden());

    auto back = UserDriver::controlWiredTo(screen->view(), screen.get(), "action_back:");
    ASSERT_TRUE(host.tap(back));
    host.advance(0.5);
    EXPECT_EQ(host.topViewController(), opener);
}

TEST_F(VirtualCardTest, BackWithoutAStackDoesNothing) {
    storeReply(std::nullopt);
    auto screen = std::make_shared<VirtualCardViewController>("VirtualCardViewController", frameworkBundle());
    screen->view();
    screen->action_back(nullptr);
    EXPECT_EQ(screen->navigationController(), nullptr);
}

TEST_F(VirtualCardTest, LooksAsDesigned) {
    storeReply(issuedCard());
    auto screen = open();
    EXPECT_TRUE(host.snapshot("virtual_card_masked"));
    tapReveal(screen);
    screen->view()->layoutIfNeeded();
    EXPECT_TRUE(host.snapshot("virtual_card_revealed"));
}

}  // namespace
}  // namespace fv
