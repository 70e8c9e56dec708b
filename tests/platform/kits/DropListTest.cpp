#include "platform/kits/DropList.h"

#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UITextField.h"

namespace fv {
namespace {

using Picks = std::vector<std::pair<long, std::string>>;

class DropListTest : public KitTest {
  protected:
    void SetUp() override {
        KitTest::SetUp();
        anchor = UIView::create({{20, 100}, {300, 40}});
        host.rootScreen()->view()->addSubview(anchor);
        list = DropList::create();
        list->setAnchorView(anchor);
        list->bottomOffset = {0, 40};
        list->topOffset = {0, -40};
        list->dataSource = {"Checking", "Savings", "Money market"};
        list->selectionAction = [this](long index, const std::string& title) {
            picks.emplace_back(index, title);
        };
    }
    UIViewPtr anchor;
    DropListPtr list;
    Picks picks;
};

TEST_F(DropListTest, OpensBelowTheAnchorAtTheOffsetWithTheRowsInOrder) {
    list->direction = DropList::Direction::bottom;
    ASSERT_TRUE(list->show());
    EXPECT_EQ(DropList::visibleList(), list);
    EXPECT_EQ(list->rows(), (std::vector<std::string>{"Checking", "Savings", "Money market"}));
    const CGRect anchorOnScreen = anchor->convertRectToView(anchor->bounds(), nullptr);
    EXPECT_EQ(*list->listFrame(), CGRectMake(anchorOnScreen.origin.x, CGRectGetMaxY(anchorOnScreen), 300,
                                             3 * DropList::kRowHeight));
}

TEST_F(DropListTest, APickClosesTheListThenReportsIndexAndTitle) {
    list->selectionAction = [this](long index, const std::string& title) {
        EXPECT_FALSE(list->isVisible());
        picks.emplace_back(index, title);
    };
    ASSERT_TRUE(list->show());
    ASSERT_TRUE(list->select(1));
    EXPECT_EQ(picks, (Picks{{1, "Savings"}}));
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(DropList::visibleList(), nullptr);
    EXPECT_TRUE(host.overlayWindows().empty());
    EXPECT_FALSE(list->select(0));
}

TEST_F(DropListTest, ATapOutsideClosesWithoutAPickAndHideIsHarmless) {
    ASSERT_TRUE(list->show());
    ASSERT_TRUE(list->tapOutside());
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(picks.empty());
    list->hide();
    list->hide();
    EXPECT_FALSE(list->tapOutside());
}

TEST_F(DropListTest, ATapBesideTheListClosesItAndReachesTheViewBeneath) {
    auto field = UITextField::create({{20, 400}, {300, 40}});
    host.rootScreen()->view()->addSubview(field);
    list->direction = DropList::Direction::bottom;
    ASSERT_TRUE(list->show());
    ASSERT_TRUE(host.tap(field));
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(picks.empty());
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(Keyboard::isVisible());
    // Taps on the list itself still pick, and a list over the field still keeps the field from them.
    field->resignFirstResponder();
    field->setFrame({{20, 150}, {300, 40}});
    ASSERT_TRUE(list->show());
    ASSERT_TRUE(list->select(0));
    EXPECT_EQ(picks, (Picks{{0, "Checking"}}));
    EXPECT_FALSE(field->isFirstResponder());
}

// A field that opens the list instead of taking the keyboard, as forms with a picked value have it.
class OpensTheList : public UITextFieldDelegate {
  public:
    explicit OpensTheList(DropListPtr list) : list_(std::move(list)) {}
    bool textFieldShouldBeginEditing(UITextField*) override {
        ++opened;
        list_->show();
        return false;
    }
    int opened = 0;

  private:
    DropListPtr list_;
};

TEST_F(DropListTest, ATapOnTheAnchorsFieldClosesTheListAndLeavesItClosed) {
    // The anchor takes no touches and lies over its field, as on the forms.
    auto field = UITextField::create(anchor->frame());
    anchor->setUserInteractionEnabled(false);
    anchor->superview()->insertSubviewBelow(field, anchor.get());
    auto opener = std::make_shared<OpensTheList>(list);
    field->setDelegate(opener);
    ASSERT_TRUE(host.tap(field));
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(opener->opened, 1);

    const CGRect onScreen = field->convertRectToView(field->bounds(), nullptr);
    ASSERT_TRUE(host.tap(CGPoint{CGRectGetMidX(onScreen), CGRectGetMidY(onScreen)}));
    EXPECT_FALSE(list->isVisible());
    host.advance(1);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(opener->opened, 1) << "the touch stops at the list";
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_TRUE(picks.empty());
    // The next tap opens it again.
    ASSERT_TRUE(host.tap(field));
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(opener->opened, 2);
}

TEST_F(DropListTest, ATouchOnTheAnchorThatIsCancelledClosesTheList) {
    ASSERT_TRUE(list->show());
    const CGRect onScreen = anchor->convertRectToView(anchor->bounds(), nullptr);
    ASSERT_TRUE(TouchDispatch::touchDown({CGRectGetMidX(onScreen), CGRectGetMidY(onScreen)}));
    EXPECT_TRUE(list->isVisible());
    ASSERT_TRUE(TouchDispatch::touchCancel());
    EXPECT_FALSE(list->isVisible());
}

TEST_F(DropListTest, ATapWhereSomethingCoversTheAnchorReachesWhatCoversIt) {
    list->direction = DropList::Direction::bottom;
    auto cover = UITextField::create({{0, 80}, {375, 80}});
    host.rootScreen()->view()->addSubview(cover);
    ASSERT_TRUE(list->show());
    ASSERT_TRUE(host.tap(cover));
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(cover->isFirstResponder());
}

TEST_F(DropListTest, AnyDirectionOpensUpwardsWhenTheRowsDoNotFitBelow) {
    anchor->setFrame({{20, 560}, {300, 40}});
    ASSERT_TRUE(list->show());
    const CGRect anchorOnScreen = anchor->convertRectToView(anchor->bounds(), nullptr);
    EXPECT_EQ(CGRectGetMaxY(*list->listFrame()), anchorOnScreen.origin.y);
    EXPECT_EQ(list->rows().size(), 3u);
    // Forced downwards, only the rows that fit are shown.
    list->direction = DropList::Direction::bottom;
    ASSERT_TRUE(list->show());
    EXPECT_EQ(list->rows(), (std::vector<std::string>{"Checking"}));
}

TEST_F(DropListTest, NoAnchorOnScreenShowsNothing) {
    anchor->removeFromSuperview();
    EXPECT_FALSE(list->show());
    anchor.reset();
    EXPECT_EQ(list->anchorView(), nullptr);  // held weakly
    EXPECT_FALSE(list->show());
    EXPECT_EQ(DropList::visibleList(), nullptr);
}

TEST_F(DropListTest, TheFontIsOneSettingForEveryList) {
    DropList::appearance().setTextFont(UIFont::systemFontOfSize(24));
    DropList::appearance().setTextFont(UIFont::systemFontOfSize(16));
    EXPECT_EQ(DropList::appearance().textFont()->pointSize(), 16);
    DropList::appearance().setTextFont(nullptr);
    EXPECT_EQ(DropList::appearance().textFont()->pointSize(), 15);
}

TEST_F(DropListTest, Snapshot) {
    host.rootScreen()->view()->setBackgroundColor(UIColor::colorWithWhite(0.93, 1));
    anchor->setBackgroundColor(UIColor::whiteColor());
    list->direction = DropList::Direction::bottom;
    ASSERT_TRUE(list->show());
    EXPECT_TRUE(snapshotScreen("drop_list"));
}

}  // namespace
}  // namespace fv
