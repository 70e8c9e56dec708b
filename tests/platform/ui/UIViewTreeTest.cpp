#include <gtest/gtest.h>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIWindow.h"

namespace fv {
namespace {

class HookView : public UIView {
  public:
    using UIView::UIView;
    void didMoveToSuperview() override { log.push_back(superview() ? "super" : "none"); }
    void didMoveToWindow() override { log.push_back(window() ? "window" : "nowindow"); }
    bool canBecomeFirstResponder() const override { return true; }
    std::vector<std::string> log;
};

class UIViewTreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RunLoop::main().setVirtualClock(true);
        RunLoop::main().reset();
        UIApplication::sharedApplication()->reset();
    }
    void TearDown() override {
        UIApplication::sharedApplication()->reset();
        RunLoop::main().reset();
    }
    static std::vector<UIView*> order(const UIView& v) {
        std::vector<UIView*> out;
        for (auto& s : v.subviews()) out.push_back(s.get());
        return out;
    }
};

TEST_F(UIViewTreeTest, SubviewOrderOperations) {
    auto root = UIView::create({{0, 0}, {100, 100}});
    auto a = UIView::create(), b = UIView::create(), c = UIView::create();
    root->addSubview(a);
    root->addSubview(b);
    root->addSubview(c);
    root->addSubview(a);  // re-adding moves to front
    EXPECT_EQ(order(*root), (std::vector<UIView*>{b.get(), c.get(), a.get()}));
    root->insertSubview(a, 0);
    EXPECT_EQ(order(*root), (std::vector<UIView*>{a.get(), b.get(), c.get()}));
    root->insertSubviewAbove(a, c.get());
    EXPECT_EQ(order(*root), (std::vector<UIView*>{b.get(), c.get(), a.get()}));
    root->insertSubviewBelow(a, b.get());
    EXPECT_EQ(order(*root), (std::vector<UIView*>{a.get(), b.get(), c.get()}));
    root->bringSubviewToFront(a.get());
    root->sendSubviewToBack(c.get());
    EXPECT_EQ(order(*root), (std::vector<UIView*>{c.get(), b.get(), a.get()}));

    auto other = UIView::create();
    other->addSubview(b);  // moves out of root
    EXPECT_EQ(order(*root), (std::vector<UIView*>{c.get(), a.get()}));
    EXPECT_EQ(b->superview(), other.get());
    b->addSubview(other);  // a cycle is refused
    EXPECT_EQ(other->superview(), nullptr);
    EXPECT_TRUE(b->subviews().empty());

    c->setTag(7);
    EXPECT_EQ(root->viewWithTag(7), c);
    EXPECT_EQ(root->viewWithTag(8), nullptr);
}

TEST_F(UIViewTreeTest, MoveHooksRunAfterEveryChangeIncludingToNone) {
    auto window = UIWindow::create();
    window->makeKeyAndVisible();
    auto host = UIView::create();
    auto v = std::make_shared<HookView>();
    host->addSubview(v);
    window->addSubview(host);
    host->addSubview(v);  // reorder only: no hooks
    v->removeFromSuperview();
    v->removeFromSuperview();  // already detached: no hooks
    EXPECT_EQ(v->log, (std::vector<std::string>{"super", "window", "nowindow", "none"}));
}

TEST_F(UIViewTreeTest, AutoresizingFollowsSuperviewSize) {
    auto root = UIView::create({{0, 0}, {100, 100}});
    auto stretchy = UIView::create({{10, 10}, {80, 20}});
    stretchy->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleTopMargin);
    auto pinned = UIView::create({{70, 70}, {20, 20}});
    pinned->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleTopMargin);
    auto fixed = UIView::create({{5, 5}, {10, 10}});
    root->addSubview(stretchy);
    root->addSubview(pinned);
    root->addSubview(fixed);
    root->setFrame({{0, 0}, {200, 150}});
    EXPECT_EQ(stretchy->frame(), CGRectMake(10, 60, 180, 20));
    EXPECT_EQ(pinned->frame(), CGRectMake(170, 120, 20, 20));
    EXPECT_EQ(fixed->frame(), CGRectMake(5, 5, 10, 10));
    root->setBounds({{0, 0}, {200, 150}});
    EXPECT_EQ(stretchy->frame(), CGRectMake(10, 60, 180, 20));  // no size change, no movement
}

TEST_F(UIViewTreeTest, ConvertRectAcrossTreeWithBoundsOriginAndTransform) {
    auto window = UIWindow::create();
    auto outer = UIView::create({{10, 20}, {200, 200}});
    auto inner = UIView::create({{5, 5}, {50, 50}});
    auto scroller = UIView::create({{0, 100}, {100, 100}});
    scroller->setBounds({{0, 30}, {100, 100}});  // scrolled down by 30
    auto content = UIView::create({{0, 40}, {10, 10}});
    window->addSubview(outer);
    outer->addSubview(inner);
    outer->addSubview(scroller);
    scroller->addSubview(content);
    EXPECT_EQ(inner->convertRectToView({{1, 2}, {3, 4}}, nullptr), CGRectMake(16, 27, 3, 4));
    EXPECT_EQ(content->convertRectToView(content->bounds(), inner.get()), CGRectMake(-5, 105, 10, 10));
    EXPECT_EQ(inner->convertRectFromView(CGRectMake(16, 27, 3, 4), nullptr), CGRectMake(1, 2, 3, 4));
    inner->setTransform(CGAffineTransformMakeScale(2, 2));  // frame grows around its centre
    EXPECT_EQ(inner->frame(), CGRectMake(-20, -20, 100, 100));
    CGPoint p = inner->convertPointToView({0, 0}, outer.get());
    EXPECT_DOUBLE_EQ(p.x, -20);
    EXPECT_DOUBLE_EQ(p.y, -20);
}

TEST_F(UIViewTreeTest, HitTestSkipsHiddenTransparentAndNonInteractiveViews) {
    auto root = UIView::create({{0, 0}, {100, 100}});
    auto back = UIView::create({{0, 0}, {100, 100}});
    auto front = UIView::create({{0, 0}, {50, 50}});
    root->addSubview(back);
    root->addSubview(front);
    EXPECT_EQ(root->hitTest({10, 10}, nullptr), front);
    front->setHidden(true);
    EXPECT_EQ(root->hitTest({10, 10}, nullptr), back);
    front->setHidden(false);
    front->setAlpha(0.005);
    EXPECT_EQ(root->hitTest({10, 10}, nullptr), back);
    front->setAlpha(1);
    front->setUserInteractionEnabled(false);
    EXPECT_EQ(root->hitTest({10, 10}, nullptr), back);
    back->setUserInteractionEnabled(false);
    EXPECT_EQ(root->hitTest({10, 10}, nullptr), root);
    EXPECT_EQ(root->hitTest({150, 10}, nullptr), nullptr);
}

TEST_F(UIViewTreeTest, TopmostAcceptingWindowTakesTheTouch) {
    auto app = UIApplication::sharedApplication();
    auto main = UIWindow::create();
    main->makeKeyAndVisible();
    auto overlay = UIWindow::create();
    overlay->setWindowLevel(UIWindowLevelAlert);
    overlay->setHidden(false);
    EXPECT_EQ(app->keyWindow(), main);
    ASSERT_EQ(app->windows().size(), 2u);
    EXPECT_EQ(app->windows().back(), overlay);
    EXPECT_EQ(app->hitTest({10, 10}), overlay);
    overlay->setUserInteractionEnabled(false);  // lets touches through
    EXPECT_EQ(app->hitTest({10, 10}), main);
    overlay->setHidden(true);
    EXPECT_EQ(app->windows().size(), 1u);
}

TEST_F(UIViewTreeTest, EndEditingResignsTheSubtreeFirstResponderAtOnce) {
    auto window = UIWindow::create();
    window->makeKeyAndVisible();
    auto form = UIView::create();
    auto field = std::make_shared<HookView>();
    auto outside = std::make_shared<HookView>();
    EXPECT_FALSE(field->becomeFirstResponder());  // not in a window yet
    window->addSubview(form);
    window->addSubview(outside);
    form->addSubview(field);
    EXPECT_TRUE(field->becomeFirstResponder());
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(outside->endEditing(true));  // another subtree: nothing to resign
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(outside->becomeFirstResponder());  // takes over
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_TRUE(window->endEditing(true));
    EXPECT_EQ(window->firstResponder(), nullptr);
    EXPECT_TRUE(field->becomeFirstResponder());
    form->removeFromSuperview();  // leaving the window resigns
    EXPECT_EQ(window->firstResponder(), nullptr);
}

}  // namespace
}  // namespace fv
