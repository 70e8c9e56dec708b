#include <gtest/gtest.h>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

namespace fv {
namespace {

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunLoop::main().setVirtualClock(true);
        RunLoop::main().reset();
        UIApplication::sharedApplication()->reset();
        window = UIWindow::create();
        window->makeKeyAndVisible();
    }
    void TearDown() override {
        UIApplication::sharedApplication()->reset();
        RunLoop::main().reset();
    }
    static UIViewPtr constrained() {
        auto v = UIView::create();
        v->setTranslatesAutoresizingMaskIntoConstraints(false);
        return v;
    }
    UIWindowPtr window;
};

// Buttons in a row that wants count x 60 points (priority 750) but may never exceed its cell's width
// minus 90 (required): equal widths from the visual formats share whatever the row gets.
TEST_F(LayoutTest, EqualWidthChainWithPriorityAndInequality) {
    auto cell = UIView::create({{0, 0}, {300, 44}});
    window->addSubview(cell);
    auto row = constrained();
    cell->addSubview(row);
    auto width = NSLayoutConstraint::constraintWithItem(row, NSLayoutAttributeWidth, NSLayoutRelationEqual,
                                                        nullptr, NSLayoutAttributeNotAnAttribute, 1, 0);
    width->setPriority(750);
    row->addConstraint(width);
    cell->addConstraints({
        NSLayoutConstraint::constraintWithItem(row, NSLayoutAttributeRight, NSLayoutRelationEqual, cell,
                                               NSLayoutAttributeRight, 1, 0),
        NSLayoutConstraint::constraintWithItem(row, NSLayoutAttributeTop, NSLayoutRelationEqual, cell,
                                               NSLayoutAttributeTop, 1, 0),
        NSLayoutConstraint::constraintWithItem(row, NSLayoutAttributeBottom, NSLayoutRelationEqual, cell,
                                               NSLayoutAttributeBottom, 1, 0),
        NSLayoutConstraint::constraintWithItem(row, NSLayoutAttributeWidth, NSLayoutRelationLessThanOrEqual,
                                               cell, NSLayoutAttributeWidth, 1, -90),
    });
    std::vector<UIViewPtr> buttons;
    UIViewPtr preceding;
    for (int i = 0; i < 3; ++i) {
        auto button = constrained();
        row->addSubview(button);
        std::vector<std::pair<std::string, UIViewPtr>> views{{"button", button}};
        if (preceding) views.push_back({"precedingView", preceding});
        row->addConstraints(NSLayoutConstraint::constraintsWithVisualFormat(
            preceding ? "H:[precedingView][button(==precedingView)]" : "H:|[button]", views));
        row->addConstraints(NSLayoutConstraint::constraintsWithVisualFormat("V:|[button]|", views));
        buttons.push_back(button);
        preceding = button;
    }
    row->addConstraints(
        NSLayoutConstraint::constraintsWithVisualFormat("[precedingView]|", {{"precedingView", preceding}}));
    width->setConstant(180);
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(row->frame(), CGRectMake(120, 0, 180, 44));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(buttons[i]->frame(), CGRectMake(60.0 * i, 0, 60, 44)) << i;

    // Too wide: the required limit wins, the buttons still share equally.
    width->setConstant(300);
    EXPECT_EQ(row->frame().size.width, 180);  // not before the next pass
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(row->frame(), CGRectMake(90, 0, 210, 44));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(buttons[i]->frame(), CGRectMake(70.0 * i, 0, 70, 44)) << i;

    // layoutIfNeeded applies a change at once.
    width->setConstant(0);
    row->layoutIfNeeded();
    EXPECT_EQ(row->frame(), CGRectMake(300, 0, 0, 44));
}

TEST_F(LayoutTest, MalformedVisualFormatGivesNoConstraints) {
    auto a = constrained();
    window->addSubview(a);
    for (const char* format : {"H:|[missing]", "H:[a", "H:[a](", "H:-[a]", "V:[a]-"})
        EXPECT_TRUE(NSLayoutConstraint::constraintsWithVisualFormat(format, {{"a", a}}).empty()) << format;
    auto detached = constrained();
    EXPECT_TRUE(NSLayoutConstraint::constraintsWithVisualFormat("H:|[a]", {{"a", detached}}).empty());
    EXPECT_EQ(NSLayoutConstraint::constraintsWithVisualFormat("H:|-(8)-[a(>=20@750)]-|", {{"a", a}}).size(),
              3u);
}

class RecordingController : public UIResponder, public ViewControllerHooks {
  public:
    void viewWillLayoutSubviews() override { log->push_back("will"); }
    void viewDidLayoutSubviews() override { log->push_back("did"); }
    std::vector<std::string>* log = nullptr;
};

class RecordingView : public UIView {
  public:
    void layoutSubviews() override { log->push_back(name + ":" + std::to_string(int(bounds().size.width))); }
    std::vector<std::string>* log = nullptr;
    std::string name;
};

TEST_F(LayoutTest, OnePassPerTurnWithControllerHooksAroundOuterBeforeInner) {
    std::vector<std::string> log;
    auto controller = std::make_shared<RecordingController>();
    controller->log = &log;
    auto root = std::make_shared<RecordingView>();
    root->log = &log;
    root->name = "root";
    root->setViewDelegate(controller);
    auto child = std::make_shared<RecordingView>();
    child->log = &log;
    child->name = "child";
    child->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    root->addSubview(child);
    root->setFrame({{0, 0}, {100, 100}});  // the zero-sized child takes all the growth
    window->addSubview(root);
    EXPECT_TRUE(log.empty());  // nothing inside the call
    RunLoop::main().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"will", "root:100", "did", "child:100"}));
    EXPECT_EQ(root->nextResponder(), controller.get());

    log.clear();
    root->setNeedsLayout();
    root->setNeedsLayout();
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"will", "root:100", "did"}));
    log.clear();
    root->setFrame({{0, 0}, {150, 100}});
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"will", "root:150", "did", "child:150"}));
}

}  // namespace
}  // namespace fv
