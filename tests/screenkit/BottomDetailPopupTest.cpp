#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/ScreenRegistry.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UITableView.h"
#include "screenkit/BottomDetailPopupBase.h"

namespace fv {
namespace {

struct PopupList {
    ScreenName name;
    CGFloat hiddenConstant;
};

// The lists with a detail pop-up, driven as a user would: tap a row, tap the dimming view.
class BottomDetailPopupTest : public TestHostFixture, public ::testing::WithParamInterface<PopupList> {
  protected:
    void SetUp() override {
        host.navigationController()->setNavigationBarHidden(true);
        screen =
            std::dynamic_pointer_cast<BottomDetailPopupBase>(ScreenRegistry::screenNamed(GetParam().name));
        ASSERT_TRUE(screen);
        host.show(screen);
        table = std::dynamic_pointer_cast<UITableView>(TestHost::outlet(screen, "tbl"));
        ASSERT_TRUE(table);
        table->layoutIfNeeded();
    }

    UIViewPtr firstRow() const { return table->cellForRowAtIndexPath(NSIndexPath::indexPathForRow(0, 0)); }
    bool popupOpen() const {
        return screen->view_DetailViewBottomConstraint->constant() == 0 &&
               !screen->view_darkView->isHidden() && screen->view_darkView->alpha() > 0;
    }
    bool popupClosed() const {
        return screen->view_DetailViewBottomConstraint->constant() == GetParam().hiddenConstant &&
               screen->view_darkView->isHidden() && screen->view_darkView->alpha() == 0;
    }

    std::shared_ptr<BottomDetailPopupBase> screen;
    UITableViewPtr table;
};

// While the pop-up is open, a tap on the list lands on the dimming view, which closes it.
TEST_P(BottomDetailPopupTest, OpensOnARowAndClosesOnTheDimmingView) {
    ASSERT_TRUE(popupClosed());
    ASSERT_TRUE(host.tap(firstRow()));
    host.advance(0.3);
    EXPECT_TRUE(popupOpen());
    EXPECT_FALSE(host.tapMissing(firstRow()).empty());
    host.advance(0.3);
    EXPECT_TRUE(popupClosed());
}

// A row tapped while the dimming view is still fading out reopens the pop-up; the fade's end must not
// then hide the dimming view under the open pop-up and let taps through to the list.
TEST_P(BottomDetailPopupTest, ARowTappedWhileClosingKeepsTheReopenedPopupDimmed) {
    ASSERT_TRUE(host.tap(firstRow()));
    host.advance(0.3);
    ASSERT_TRUE(host.tap(screen->view_darkView.get()));
    host.advance(0.05);
    ASSERT_TRUE(host.tap(firstRow()));
    host.advance(0.3);
    EXPECT_TRUE(popupOpen());
    EXPECT_FALSE(host.tapMissing(firstRow()).empty()) << "the dimming view keeps the list from taps";
    host.advance(0.3);
    EXPECT_TRUE(popupClosed());
}

INSTANTIATE_TEST_SUITE_P(BothLists, BottomDetailPopupTest,
                         ::testing::Values(PopupList{screen::TransactionsViewController, -230},
                                           PopupList{screen::FundTransferHistoryViewController, -270}),
                         [](const auto& info) { return std::string(info.param.name.className); });

}  // namespace
}  // namespace fv
