#include <gtest/gtest.h>

#include "platform/ui/UIButton.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIPageControl.h"
#include "platform/ui/UIPanGestureRecognizer.h"
#include "platform/ui/UISegmentedControl.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UIToolbar.h"
#include "tests/platform/ui/controls/Support.h"

namespace fv::testing_controls {
namespace {

using TargetActionTest = ControlsTest;
using Calls = std::vector<std::string>;

TEST_F(TargetActionTest, AnIdenticalTripleIsRegisteredOnce) {
    auto button = UIButton::create();
    auto recorder = std::make_shared<ActionRecorder>();
    button->addTarget(recorder, "fired:", UIControlEventTouchUpInside);
    button->addTarget(recorder, "fired:", UIControlEventTouchUpInside);
    button->addTarget(recorder, "changed:", UIControlEventTouchUpInside);
    button->addTarget(recorder, "fired:", UIControlEventTouchDown);
    button->sendActionsForControlEvents(UIControlEventTouchUpInside);
    EXPECT_EQ(recorder->calls, (Calls{"fired:", "changed:"}));
    EXPECT_EQ(recorder->senders.front(), button.get());

    recorder->calls.clear();
    button->removeTarget(recorder, "fired:", UIControlEventTouchUpInside);
    button->sendActionsForControlEvents(UIControlEventTouchUpInside | UIControlEventTouchDown);
    EXPECT_EQ(recorder->calls, (Calls{"changed:", "fired:"}));

    recorder->calls.clear();
    button->removeTarget(nullptr, "", UIControlEventAllEvents);
    button->sendActionsForControlEvents(UIControlEventAllEvents);
    EXPECT_TRUE(recorder->calls.empty());
    EXPECT_TRUE(button->allTargets().empty());
}

TEST_F(TargetActionTest, TargetsAreWeakAndADeadOneIsSkipped) {
    auto button = UIButton::create();
    auto survivor = std::make_shared<ActionRecorder>();
    auto doomed = std::make_shared<ActionRecorder>();
    button->addTarget(doomed, "fired:", UIControlEventTouchUpInside);
    button->addTarget(survivor, "fired:", UIControlEventTouchUpInside);
    std::weak_ptr<ActionRecorder> watch = doomed;
    doomed.reset();
    EXPECT_TRUE(watch.expired());
    button->sendActionsForControlEvents(UIControlEventTouchUpInside);
    EXPECT_EQ(survivor->calls.size(), 1u);
    EXPECT_EQ(button->allTargets().size(), 1u);
}

TEST_F(TargetActionTest, ATapSendsTouchDownThenTouchUpInsideAndDisabledOrHiddenButtonsIgnoreIt) {
    auto button = place(UIButton::create(), {{20, 100}, {200, 44}});
    button->setTitle("Pay", UIControlStateNormal);
    auto recorder = std::make_shared<ActionRecorder>();
    button->addTarget(recorder, "changed:", UIControlEventTouchDown);
    button->addTarget(recorder, "fired:", UIControlEventTouchUpInside);
    ASSERT_TRUE(host.tap(button));
    EXPECT_EQ(recorder->calls, (Calls{"changed:", "fired:"}));
    EXPECT_FALSE(button->isHighlighted());

    recorder->calls.clear();
    button->setEnabled(false);
    EXPECT_NE(host.tapMissing(button), "");
    button->setEnabled(true);
    button->setHidden(true);
    EXPECT_EQ(host.tapMissing(button), "UIButton is not on the screen");
    EXPECT_TRUE(recorder->calls.empty());

    // Found by its title, the button itself answers (its label is part of it, not a subview).
    button->setHidden(false);
    EXPECT_EQ(host.findViewWithText("Pay"), button);
}

TEST_F(TargetActionTest, ATouchEndingOutsideSendsTouchUpOutsideOnly) {
    auto button = place(UIButton::create(), {{20, 100}, {100, 44}});
    auto recorder = std::make_shared<ActionRecorder>();
    button->addTarget(recorder, "fired:", UIControlEventTouchUpInside);
    button->addTarget(recorder, "changed:", UIControlEventTouchUpOutside);
    ASSERT_TRUE(host.drag(button, {50, 22}, {50, 300}));
    EXPECT_EQ(recorder->calls, (Calls{"changed:"}));
}

TEST_F(TargetActionTest, ProgrammaticSettersSendNoEvents) {
    auto recorder = std::make_shared<ActionRecorder>();
    auto toggle = UISwitch::create();
    auto segments = UISegmentedControl::create({"A", "B"});
    auto pages = UIPageControl::create();
    auto field = UITextField::create();
    std::vector<UIControlPtr> controls{toggle, segments, pages, field};
    for (auto& c : controls) c->addTarget(recorder, "fired:", UIControlEventAllEvents);
    toggle->setOn(true, true);
    segments->setSelectedSegmentIndex(1);
    pages->setNumberOfPages(3);
    pages->setCurrentPage(2);
    field->setText("typed by code");
    for (auto& c : controls) {
        c->setSelected(true);
        c->setHighlighted(true);
        c->setEnabled(false);
    }
    EXPECT_TRUE(recorder->calls.empty());
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(segments->selectedSegmentIndex(), 1);
    EXPECT_EQ(pages->currentPage(), 2);
}

TEST_F(TargetActionTest, UserTogglesFlipFirstThenSendValueChanged) {
    auto toggle = place(UISwitch::create(), {{20, 100}, {10, 10}});
    EXPECT_EQ(toggle->frame().size.width, UISwitch::kSize.width);
    std::vector<bool> seen;
    auto recorder = std::make_shared<ActionRecorder>();
    toggle->addTarget(recorder, "changed:", UIControlEventValueChanged);
    ASSERT_TRUE(host.tap(toggle));
    ASSERT_TRUE(host.tap(toggle));
    EXPECT_EQ(recorder->calls.size(), 2u);
    EXPECT_FALSE(toggle->isOn());
    ASSERT_TRUE(host.tap(toggle));
    EXPECT_TRUE(toggle->isOn());
}

TEST_F(TargetActionTest, BarButtonItemTapSendsTheItemAsSender) {
    auto recorder = std::make_shared<ActionRecorder>();
    auto done = UIBarButtonItem::create("Done", UIBarButtonItemStyleDone, recorder, "fired:");
    auto toolbar = UIToolbar::create();
    EXPECT_TRUE(CGRectEqualToRect(toolbar->frame(), CGRectMake(0, 0, 375, 50)));
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    place(toolbar, {{0, 300}, {375, 50}});
    auto view = toolbar->viewForItem(done.get());
    ASSERT_TRUE(view);
    EXPECT_GT(view->frame().origin.x, 250);  // pushed right by the flexible space
    // The toolbar takes the touches on its items.
    const CGPoint centre =
        view->convertPointToView({CGRectGetMidX(view->bounds()), CGRectGetMidY(view->bounds())}, nullptr);
    ASSERT_TRUE(host.tap(centre));
    ASSERT_EQ(recorder->calls, (Calls{"fired:"}));
    EXPECT_EQ(recorder->senders.front(), done.get());

    done->setEnabled(false);
    host.tap(centre);
    EXPECT_EQ(recorder->calls.size(), 1u);
}

TEST_F(TargetActionTest, InterfaceFilesWireControlsItemsAndFields) {
    auto owner = std::make_shared<ActionRecorder>();
    auto delegate = std::make_shared<FieldDelegate>();
    auto nib = UINib::nibWithXML(R"(<?xml version="1.0"?>
<interface>
  <UIView id="root" frame="0 0 375 200">
    <UIButton id="go" frame="10 10 100 40" title="Go" titleColor="#FF0000" contentEdgeInsets="0 8 0 8">
      <action selector="fired:"/>
      <action selector="changed:" event="touchDown"/>
    </UIButton>
    <UISwitch id="sw" frame="10 60 51 31" on="YES"><action selector="changed:"/></UISwitch>
    <UISegmentedControl id="seg" frame="10 100 200 30" selectedSegmentIndex="1">
      <segment title="Debit"/><segment title="Credit"/>
    </UISegmentedControl>
    <UITextField id="field" frame="10 140 200 30" placeholder="Amount" keyboardType="decimalPad"
                 clearButtonMode="whileEditing" borderStyle="roundedRect" font="system 15">
      <action selector="editingChanged:"/>
      <UIToolbar key="inputAccessoryView" frame="0 0 375 50">
        <UIBarButtonItem systemItem="flexibleSpace"/>
        <UIBarButtonItem title="Done" style="done"><action selector="fired:"/></UIBarButtonItem>
      </UIToolbar>
    </UITextField>
  </UIView>
</interface>)",
                                 "ControlsSample");
    auto objects = nib->instantiateWithOwner(owner);
    ASSERT_TRUE(nib->errors().empty()) << nib->errors().front();
    ASSERT_EQ(objects.size(), 1u);
    auto root = std::dynamic_pointer_cast<UIView>(objects.front());
    ASSERT_EQ(root->subviews().size(), 4u);

    auto go = std::dynamic_pointer_cast<UIButton>(root->subviews()[0]);
    ASSERT_TRUE(go);
    EXPECT_EQ(go->titleForState(UIControlStateHighlighted), "Go");
    EXPECT_EQ(go->contentEdgeInsets().left, 8);
    EXPECT_EQ(go->actionsForTarget(owner.get(), UIControlEventTouchUpInside), (Calls{"fired:"}));
    EXPECT_EQ(go->actionsForTarget(owner.get(), UIControlEventTouchDown), (Calls{"changed:"}));

    auto sw = std::dynamic_pointer_cast<UISwitch>(root->subviews()[1]);
    EXPECT_TRUE(sw->isOn());
    EXPECT_EQ(sw->actionsForTarget(owner.get(), UIControlEventValueChanged), (Calls{"changed:"}));

    auto seg = std::dynamic_pointer_cast<UISegmentedControl>(root->subviews()[2]);
    EXPECT_EQ(seg->segmentTitles(), (Calls{"Debit", "Credit"}));
    EXPECT_EQ(seg->selectedSegmentIndex(), 1);

    auto field = std::dynamic_pointer_cast<UITextField>(root->subviews()[3]);
    EXPECT_EQ(field->placeholder(), "Amount");
    EXPECT_EQ(field->keyboardType(), UIKeyboardTypeDecimalPad);
    EXPECT_EQ(field->font()->pointSize(), 15);
    EXPECT_EQ(field->actionsForTarget(owner.get(), UIControlEventEditingChanged), (Calls{"editingChanged:"}));
    auto toolbar = std::dynamic_pointer_cast<UIToolbar>(field->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isFlexibleSpace());
    EXPECT_TRUE(toolbar->items()[1]->sendAction());
    EXPECT_EQ(owner->senders.back(), toolbar->items()[1].get());
}

}  // namespace
// Wired in code, a misspelt selector is refused at once rather than found missing at the first tap.
TEST_F(ControlsTest, ASelectorTheTargetDoesNotAnswerIsRefusedWhenAdded) {
    auto button = place(UIButton::create(), {{20, 100}, {200, 44}});
    auto recorder = std::make_shared<ActionRecorder>();
    button->addTarget(recorder, "fierd:", UIControlEventTouchUpInside);
    EXPECT_TRUE(button->allTargets().empty());
    auto pan = std::make_shared<UIPanGestureRecognizer>();
    pan->addTarget(recorder, "panned:");
    auto item = UIBarButtonItem::create("Done", UIBarButtonItemStyleDone, recorder, "don:");
    EXPECT_TRUE(item->action().empty());
    const auto faults = host.faults().faults();
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_NE(faults[0].find("UIButton: refused the action \"fierd:\", which ActionRecorder does not answer"),
              std::string::npos)
        << faults[0];
    host.faults().clear();
}

}  // namespace fv::testing_controls
