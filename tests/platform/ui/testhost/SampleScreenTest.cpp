#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/testing/TestHost.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UITextField.h"
#include "tests/platform/ui/support/SampleViews.h"

namespace fv {
namespace {

class SampleScreenTest : public TestHostFixture {
  protected:
    std::shared_ptr<SampleScreen> openSample() {
        auto screen = std::make_shared<SampleScreen>();
        screen->initWithNibName("", testInterfaceBundle(FV_TEST_DIR));
        host.show(screen);
        return screen;
    }
};

TEST_F(SampleScreenTest, LoadsFromItsFileAndATapChangesTheTitle) {
    auto screen = openSample();
    EXPECT_EQ(screen->viewDidLoadCount, 1);
    auto label = screen->lbl_title.lock();
    ASSERT_TRUE(label);
    EXPECT_EQ(host.findViewWithText("Hello"), label);
    ASSERT_TRUE(screen->titleTopConstraint.lock());

    ASSERT_TRUE(host.tap(TestHost::outlet(screen, "btn_next")));
    EXPECT_EQ(label->text(), "Tapped 1");
    EXPECT_EQ(host.findViewWithText("Tapped 1"), label);
    EXPECT_EQ(host.findViewWithText("Hello"), nullptr);
    host.snapshot("sample_screen_tapped");
}

TEST_F(SampleScreenTest, TapsMissHiddenAndNonInteractiveViews) {
    auto screen = openSample();
    auto button = screen->btn_next.lock();
    button->setUserInteractionEnabled(false);
    EXPECT_NE(host.tapMissing(button), "");
    button->setUserInteractionEnabled(true);
    button->setHidden(true);
    EXPECT_NE(host.tapMissing(button), "");
    EXPECT_EQ(screen->presses, 0);
}

TEST_F(SampleScreenTest, AlertActionRunsItsHandlerAfterTheDismissal) {
    auto screen = openSample();
    std::vector<std::string> seen;
    auto alert = UIAlertController::alertControllerWithTitle("Remove card?", "This cannot be undone.",
                                                             UIAlertControllerStyleAlert);
    alert->addAction(UIAlertAction::actionWithTitle("Cancel", UIAlertActionStyleCancel));
    alert->addAction(
        UIAlertAction::actionWithTitle("Remove", UIAlertActionStyleDestructive, [&](UIAlertAction&) {
            seen.push_back(alert->presentingViewController() ? "still presented" : "dismissed");
        }));
    screen->presentViewController(alert, true);
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(host.visibleAlert(), alert);
    EXPECT_TRUE(host.findViewWithText("Remove card?"));
    EXPECT_TRUE(host.findViewWithText("This cannot be undone."));
    host.snapshot("sample_alert");

    ASSERT_TRUE(host.tapAlertAction("Remove"));
    EXPECT_EQ(seen, (std::vector<std::string>{"dismissed"}));
    EXPECT_EQ(host.visibleAlert(), nullptr);
    EXPECT_EQ(host.findViewWithText("Remove card?"), nullptr);
    // A late second choice does nothing.
    EXPECT_FALSE(alert->chooseActionWithTitle("Remove"));
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(SampleScreenTest, PadActionSheetAnchorsToItsSourceOrIsCentred) {
    UIDevice::currentDevice()->setUserInterfaceIdiom(UIUserInterfaceIdiomPad);
    auto screen = openSample();
    auto source = screen->btn_next.lock();
    auto anchored =
        UIAlertController::alertControllerWithTitle("Share", std::nullopt, UIAlertControllerStyleActionSheet);
    anchored->addAction(UIAlertAction::actionWithTitle("Copy", UIAlertActionStyleDefault));
    anchored->popoverPresentationController().sourceView = source;
    screen->presentViewController(anchored, false);
    host.runUntilIdle();
    CGRect card = anchored->cardFrame();
    CGRect anchor = source->convertRectToView(source->bounds(), nullptr);
    EXPECT_NEAR(CGRectGetMidX(card), CGRectGetMidX(anchor), 0.5);
    EXPECT_TRUE(CGRectContainsRect(host.window()->bounds(), card));
    EXPECT_FALSE(CGRectIntersectsRect(card, anchor));
    anchored->dismissViewControllerAnimated(false);
    host.runUntilIdle();

    auto centred =
        UIAlertController::alertControllerWithTitle("Share", std::nullopt, UIAlertControllerStyleActionSheet);
    centred->addAction(UIAlertAction::actionWithTitle("Copy", UIAlertActionStyleDefault));
    screen->presentViewController(centred, false);
    host.runUntilIdle();
    CGRect bounds = host.window()->bounds();
    EXPECT_NEAR(CGRectGetMidX(centred->cardFrame()), CGRectGetMidX(bounds), 0.5);
    EXPECT_NEAR(CGRectGetMidY(centred->cardFrame()), CGRectGetMidY(bounds), 0.5);
}

// Typing taps the field first, as a person does, so a field no one could touch takes no keys.
TEST_F(SampleScreenTest, TypingTapsTheFieldAndFailsWhereAPersonCouldNotReachIt) {
    auto screen = openSample();
    auto field = UITextField::create({{20, 300}, {335, 44}});
    screen->view()->addSubview(field);
    field->setHidden(true);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.typeText(field, "a")), "UITextField is not on the screen");
    field->setHidden(false);
    auto cover = UIView::create(field->frame());
    screen->view()->addSubview(cover);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.deleteBackward(field)),
                            "a touch on UITextField reached UIView");
    cover->removeFromSuperview();
    // A disabled control takes no touches: the finger comes down on the screen behind.
    field->setEnabled(false);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.typeText(field, "a")), "a touch on UITextField reached UIView");
    EXPECT_EQ(field->text(), "");

    field->setEnabled(true);
    ASSERT_TRUE(host.typeText(field, "ab"));
    EXPECT_EQ(TouchDispatch::touchedView(), field);
    EXPECT_TRUE(Keyboard::isVisible());
    // Being edited, the field takes keys with no touch, as from the keyboard that is up.
    screen->view()->addSubview(cover);
    ASSERT_TRUE(host.typeText(field, "c"));
    ASSERT_TRUE(host.deleteBackward(field, 2));
    EXPECT_EQ(field->text(), "a");
}

TEST_F(SampleScreenTest, ADragThatStartsOnAnotherViewFailsAndSaysWhere) {
    auto screen = openSample();
    auto title = screen->lbl_title.lock();
    auto card = std::static_pointer_cast<UIView>(title->superview()->weak_from_this().lock());
    EXPECT_TRUE(host.drag(card, {8, 8}, {8, 60}));
    EXPECT_EQ(TouchDispatch::touchedView(), card);
    // A label takes no touches: a finger on it comes down on the card.
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.pan(title, {0, 40})), "a touch on UILabel reached UIView");
    auto button = screen->btn_next.lock();
    button->setHidden(true);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.pan(button, {0, -40})), "UIButton is not on the screen");
}

}  // namespace
TEST_F(SampleScreenTest, ATapThatLandsOnAnotherViewFailsAndSaysWhere) {
    auto screen = openSample();
    auto button = screen->btn_next.lock();
    auto cover = UIView::create(button->frame());
    button->superview()->addSubview(cover);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(host.tap(button)), "a touch on UIButton reached UIView");
    EXPECT_EQ(screen->presses, 0);
    cover->removeFromSuperview();
    EXPECT_TRUE(host.tap(button));
    EXPECT_EQ(screen->presses, 1);
}

}  // namespace fv
