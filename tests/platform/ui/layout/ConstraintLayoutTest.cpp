#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

namespace fv {
namespace {

using Views = std::vector<std::pair<std::string, UIViewPtr>>;

class ConstraintLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunLoop::main().setVirtualClock(true);
        RunLoop::main().reset();
        UIApplication::sharedApplication()->reset();
        window = UIWindow::create();
        window->makeKeyAndVisible();
        box = UIView::create({{0, 0}, {300, 100}});
        window->addSubview(box);
    }
    void TearDown() override {
        UIApplication::sharedApplication()->reset();
        RunLoop::main().reset();
    }
    UIViewPtr constrained(CGRect frame = CGRectZero) {
        auto v = UIView::create(frame);
        v->setTranslatesAutoresizingMaskIntoConstraints(false);
        box->addSubview(v);
        return v;
    }
    static NSLayoutConstraintPtr make(const UIViewPtr& a, NSLayoutAttribute attr, NSLayoutRelation rel,
                                      const UIViewPtr& b, NSLayoutAttribute other, CGFloat constant,
                                      UILayoutPriority priority = UILayoutPriorityRequired,
                                      CGFloat multiplier = 1) {
        auto c = NSLayoutConstraint::constraintWithItem(a, attr, rel, b, other, multiplier, constant);
        c->setPriority(priority);
        c->setActive(true);
        return c;
    }
    static NSLayoutConstraintPtr make(const UIViewPtr& a, NSLayoutAttribute attr, NSLayoutRelation rel,
                                      CGFloat constant,
                                      UILayoutPriority priority = UILayoutPriorityRequired) {
        return make(a, attr, rel, nullptr, NSLayoutAttributeNotAnAttribute, constant, priority);
    }
    void format(const std::string& f, const Views& views) {
        auto made = NSLayoutConstraint::constraintsWithVisualFormat(f, views);
        ASSERT_FALSE(made.empty()) << f;
        NSLayoutConstraint::activateConstraints(made);
    }
    static void layout() { RunLoop::main().runUntilIdle(); }

    UIWindowPtr window;
    UIViewPtr box;
};

TEST_F(ConstraintLayoutTest, ViolatedInequalityIsReleasedForTheLowerWish) {
    auto v1 = constrained({{0, 0}, {5, 5}});
    auto v2 = constrained({{0, 0}, {5, 5}});
    make(v1, NSLayoutAttributeWidth, NSLayoutRelationLessThanOrEqual, 60);
    make(v2, NSLayoutAttributeWidth, NSLayoutRelationGreaterThanOrEqual, v1, NSLayoutAttributeWidth, -50);
    make(v1, NSLayoutAttributeWidth, NSLayoutRelationEqual, 100, UILayoutPriorityDefaultHigh);
    make(v2, NSLayoutAttributeWidth, NSLayoutRelationEqual, 30, UILayoutPriorityDefaultLow);
    layout();
    EXPECT_EQ(v1->frame().size.width, 60);
    EXPECT_EQ(v2->frame().size.width, 30);
}

TEST_F(ConstraintLayoutTest, EqualWishesGiveOneOfThem) {
    auto v = constrained({{0, 0}, {5, 5}});
    make(v, NSLayoutAttributeWidth, NSLayoutRelationEqual, 100, 500);
    make(v, NSLayoutAttributeWidth, NSLayoutRelationEqual, 200, 500);
    layout();
    CGFloat w = v->frame().size.width;
    EXPECT_TRUE(w == 100 || w == 200) << w;
}

TEST_F(ConstraintLayoutTest, RequiredConflictIsReportedOnceWithTheViewsAndTheRestKept) {
    LogCapture capture;
    auto v = constrained({{7, 9}, {5, 5}});
    auto left = make(v, NSLayoutAttributeLeft, NSLayoutRelationEqual, box, NSLayoutAttributeLeft, 10);
    left->setIdentifier("pin");
    make(v, NSLayoutAttributeWidth, NSLayoutRelationEqual, 40);
    auto bad =
        make(v, NSLayoutAttributeRight, NSLayoutRelationGreaterThanOrEqual, box, NSLayoutAttributeRight, 0);
    auto wish = make(v, NSLayoutAttributeHeight, NSLayoutRelationEqual, 20, UILayoutPriorityDefaultHigh);
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(10, 9, 40, 20));
    auto lines = capture.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Unable to simultaneously satisfy constraints"), std::string::npos);
    EXPECT_NE(lines[0].find("UIView.right >= UIView.right"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("\"pin\" UIView.left == UIView.left + 10"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("UIView.width == 40"), std::string::npos) << lines[0];

    // Later passes neither log it again nor lose what holds.
    wish->setConstant(30);
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(10, 9, 40, 30));
    EXPECT_EQ(capture.lines().size(), 1u);

    // Once it can hold, it does.
    left->setActive(false);
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(260, 9, 40, 30));
    EXPECT_EQ(capture.lines().size(), 1u);
    (void)bad;
}

TEST_F(ConstraintLayoutTest, ConstantMovedIntoConflictDropsTheLaterConstraint) {
    LogCapture capture;
    auto v = constrained();
    auto floor = make(v, NSLayoutAttributeWidth, NSLayoutRelationGreaterThanOrEqual, 10);
    make(v, NSLayoutAttributeWidth, NSLayoutRelationLessThanOrEqual, 50);
    layout();
    EXPECT_EQ(v->frame().size.width, 10);
    floor->setConstant(70);
    layout();
    EXPECT_EQ(v->frame().size.width, 70);
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_NE(capture.lines()[0].find("dropped UIView.width <= 50"), std::string::npos) << capture.lines()[0];
}

TEST_F(ConstraintLayoutTest, RemovedConstraintLetsFramesFollowTheRest) {
    auto v = constrained({{0, 0}, {10, 10}});
    make(v, NSLayoutAttributeLeft, NSLayoutRelationEqual, box, NSLayoutAttributeLeft, 0);
    auto cap = make(v, NSLayoutAttributeWidth, NSLayoutRelationLessThanOrEqual, box, NSLayoutAttributeWidth,
                    0.5, UILayoutPriorityRequired, 0.5);
    make(v, NSLayoutAttributeWidth, NSLayoutRelationEqual, 250, UILayoutPriorityDefaultHigh);
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(0, 0, 150.5, 10));
    NSLayoutConstraint::deactivateConstraints({cap});
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(0, 0, 250, 10));
    cap->setActive(true);
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(0, 0, 150.5, 10));
    v->removeFromSuperview();  // its constraints go with it; the next pass must not trip on them
    layout();
    EXPECT_TRUE(box->constraints().empty());
}

// A slide-in: a required limit on the panel's width binds part of the way, then lets go.
TEST_F(ConstraintLayoutTest, AnimatedConstantMovesFramesEveryFrame) {
    auto panel = constrained();
    auto follower = constrained();
    format("V:|[panel]|", {{"panel", panel}});
    format("V:|[follower]|", {{"follower", follower}});
    format("H:[panel(<=120)][follower]|", {{"panel", panel}, {"follower", follower}});
    auto slide = make(panel, NSLayoutAttributeLeft, NSLayoutRelationEqual, box, NSLayoutAttributeLeft, 0);
    auto wide = make(panel, NSLayoutAttributeWidth, NSLayoutRelationEqual, 200, UILayoutPriorityDefaultHigh);
    for (int frame = 0; frame <= 10; ++frame) {
        slide->setConstant(-100 + 10 * frame);
        wide->setConstant(200 - 15 * frame);
        RunLoop::main().advance(1.0 / 60);
        layout();
        CGFloat width = std::min<CGFloat>(120, 200 - 15 * frame);
        CGFloat left = -100 + 10 * frame;
        EXPECT_EQ(panel->frame(), CGRectMake(left, 0, width, 100)) << frame;
        EXPECT_EQ(follower->frame(), CGRectMake(left + width, 0, 300 - left - width, 100)) << frame;
    }
}

TEST_F(ConstraintLayoutTest, EqualWidthChainSharesTheRowAsItResizes) {
    std::vector<UIViewPtr> buttons;
    UIViewPtr preceding;
    for (int i = 0; i < 4; ++i) {
        auto button = constrained();
        Views views{{"button", button}};
        if (preceding) views.emplace_back("precedingView", preceding);
        format(preceding ? "H:[precedingView][button(==precedingView)]" : "H:|[button]", views);
        format("V:|[button]|", views);
        buttons.push_back(button);
        preceding = button;
    }
    format("[precedingView]|", {{"precedingView", preceding}});
    for (CGFloat width : {300.0, 200.0, 410.0}) {
        box->setFrame({{0, 0}, {width, 50}});
        layout();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(buttons[i]->frame(), CGRectMake(width / 4 * i, 0, width / 4, 50)) << width << " " << i;
    }
}

class FixedSizeView : public UIView {
  public:
    CGSize intrinsicContentSize() const override { return size; }
    CGSize size{80, 20};
};

TEST_F(ConstraintLayoutTest, IntrinsicSizeResistsBeforeItHugs) {
    auto label = std::make_shared<FixedSizeView>();
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    box->addSubview(label);
    format("H:|-(10)-[label]-(>=10)-|", {{"label", label}});
    format("V:|[label]", {{"label", label}});
    auto stretch = make(label, NSLayoutAttributeWidth, NSLayoutRelationEqual, 50, 500);
    layout();
    EXPECT_EQ(label->frame(), CGRectMake(10, 0, 80, 20));  // kept from shrinking at 750
    stretch->setConstant(200);
    layout();
    EXPECT_EQ(label->frame(), CGRectMake(10, 0, 200, 20));  // hugging gives way at 250
    stretch->setConstant(400);
    layout();
    EXPECT_EQ(label->frame(), CGRectMake(10, 0, 280, 20));  // the required margin holds
    label->size = {60, 30};
    label->invalidateIntrinsicContentSize();
    stretch->setActive(false);
    layout();
    EXPECT_EQ(label->frame(), CGRectMake(10, 0, 60, 30));
}

TEST_F(ConstraintLayoutTest, ViewPlacedByItsFrameMovesOnlyForRequiredConstraints) {
    auto placed = UIView::create({{20, 30}, {40, 40}});
    box->addSubview(placed);
    auto other = constrained();
    make(other, NSLayoutAttributeLeft, NSLayoutRelationEqual, placed, NSLayoutAttributeRight, 5);
    make(other, NSLayoutAttributeTop, NSLayoutRelationEqual, placed, NSLayoutAttributeTop, 0);
    make(other, NSLayoutAttributeWidth, NSLayoutRelationEqual, placed, NSLayoutAttributeWidth, 0);
    make(other, NSLayoutAttributeHeight, NSLayoutRelationEqual, 10);
    make(placed, NSLayoutAttributeLeft, NSLayoutRelationEqual, 0, UILayoutPriorityDefaultHigh);
    layout();
    EXPECT_EQ(placed->frame(), CGRectMake(20, 30, 40, 40));
    EXPECT_EQ(other->frame(), CGRectMake(65, 30, 40, 10));
    placed->setFrame({{0, 50}, {30, 40}});
    auto pin = make(placed, NSLayoutAttributeLeft, NSLayoutRelationEqual, box, NSLayoutAttributeLeft, 8);
    layout();
    EXPECT_EQ(placed->frame(), CGRectMake(8, 50, 30, 40));
    EXPECT_EQ(other->frame(), CGRectMake(43, 50, 30, 10));
    (void)pin;
}

TEST_F(ConstraintLayoutTest, ConstantThatIsNotANumberIsIgnoredAndReportedOnce) {
    LogCapture capture;
    auto v = constrained({{1, 2}, {3, 4}});
    auto c = make(v, NSLayoutAttributeWidth, NSLayoutRelationEqual, 25);
    make(v, NSLayoutAttributeHeight, NSLayoutRelationEqual, 15);
    c->setConstant(std::numeric_limits<CGFloat>::quiet_NaN());
    layout();
    box->setNeedsLayout();
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(1, 2, 3, 15));
    EXPECT_EQ(capture.lines().size(), 1u);
    c->setConstant(std::numeric_limits<CGFloat>::infinity());
    c->setConstant(25);
    layout();
    EXPECT_EQ(v->frame(), CGRectMake(1, 2, 25, 15));
}

struct FormatCase {
    std::vector<std::string> formats;
    CGRect a, b;  // expected frames of views "a" and "b" in a 300 x 100 box
};

class VisualFormatLayoutTest : public ConstraintLayoutTest,
                               public ::testing::WithParamInterface<FormatCase> {};

TEST_P(VisualFormatLayoutTest, LaysOutAsWritten) {
    auto a = constrained({{1, 1}, {10, 10}});
    auto b = constrained({{2, 2}, {10, 10}});
    for (auto& f : GetParam().formats) format(f, {{"a", a}, {"b", b}});
    layout();
    EXPECT_EQ(a->frame(), GetParam().a);
    EXPECT_EQ(b->frame(), GetParam().b);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, VisualFormatLayoutTest,
    ::testing::Values(
        FormatCase{{"H:|[a]", "H:|[b(==30@250)]|"}, {{0, 1}, {10, 10}}, {{0, 2}, {300, 10}}},
        FormatCase{{"H:|[a(==40)][b(==a)]", "V:|[a]|", "V:|[b]|"}, {{0, 0}, {40, 100}}, {{40, 0}, {40, 100}}},
        FormatCase{{"V:|[a]|", "V:[b(==20)]|"}, {{1, 0}, {10, 100}}, {{2, 80}, {10, 20}}},
        FormatCase{{"[a(==50)]|", "H:[b(==10.5)]-(12.5)-[a]"}, {{250, 1}, {50, 10}}, {{227, 2}, {10.5, 10}}},
        FormatCase{{"H:|-[a]-[b]-|", "H:[a(==b)]"}, {{20, 1}, {126, 10}}, {{154, 2}, {126, 10}}},
        FormatCase{
            {"H:|-8-[a(>=100,<=150)]-(>=8)-|", "H:[a(==400@250)]"}, {{8, 1}, {150, 10}}, {{2, 2}, {10, 10}}},
        FormatCase{{"V:|-(==10)-[a(==30@750)]-(5)-[b]-(0)-|"}, {{1, 10}, {10, 30}}, {{2, 45}, {10, 55}}}));

// A locale whose decimal separator is a comma: an installed one, else one built for the test.
bool useDecimalCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
        if (setlocale(LC_NUMERIC, name) && std::string(localeconv()->decimal_point) == ",") return true;
    std::string dir = ::testing::TempDir() + "fv_locales";
    std::string build =
        "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    bool ok = setlocale(LC_NUMERIC, "de_DE.UTF-8") && std::string(localeconv()->decimal_point) == ",";
    unsetenv("LOCPATH");
    return ok;
}

// Numbers are read the same whatever the process locale's decimal separator.
TEST_F(ConstraintLayoutTest, VisualFormatNumbersIgnoreTheLocale) {
    std::string previous = setlocale(LC_NUMERIC, nullptr);
    if (!useDecimalCommaLocale()) {
        setlocale(LC_NUMERIC, previous.c_str());
        GTEST_SKIP() << "no locale with a decimal comma could be had";
    }
    auto a = constrained();
    auto made = NSLayoutConstraint::constraintsWithVisualFormat("H:|-(8.5)-[a(==20.25)]", {{"a", a}});
    setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0]->constant(), 20.25);
    EXPECT_EQ(made[1]->constant(), 8.5);
}

TEST_F(ConstraintLayoutTest, MalformedNumbersGiveNoConstraints) {
    auto a = constrained();
    for (const char* f : {"H:|-(8.5.1)-[a]", "H:|-(1e400)-[a]", "H:[a(==.)]", "H:[a(==20@)]"})
        EXPECT_TRUE(NSLayoutConstraint::constraintsWithVisualFormat(f, {{"a", a}}).empty()) << f;
}

}  // namespace
}  // namespace fv
