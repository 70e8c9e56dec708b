#include <gtest/gtest.h>

#include "platform/foundation/Log.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

using Calls = std::vector<std::string>;

// Records every lifecycle call as "<name>.<call>".
class RecordingScreen : public UIViewController {
  public:
    RecordingScreen(std::string name, std::shared_ptr<Calls> calls)
        : name_(std::move(name)), calls_(std::move(calls)) {}
    void viewDidLoad() override { note("viewDidLoad"); }
    void viewWillAppear(bool) override { note("viewWillAppear"); }
    void viewDidAppear(bool) override { note("viewDidAppear"); }
    void viewWillDisappear(bool) override { note("viewWillDisappear"); }
    void viewDidDisappear(bool) override { note("viewDidDisappear"); }

  private:
    void note(const std::string& call) { calls_->push_back(name_ + "." + call); }
    std::string name_;
    std::shared_ptr<Calls> calls_;
};

class NavigationTest : public TestHostFixture {
  protected:
    std::shared_ptr<RecordingScreen> screen(const std::string& name) {
        return std::make_shared<RecordingScreen>(name, calls);
    }
    const UINavigationControllerPtr& nav() { return host.navigationController(); }
    std::shared_ptr<Calls> calls = std::make_shared<Calls>();
};

TEST_F(NavigationTest, PushCallsLifecycleInPlatformOrderAndDidCallsAfterTheTransition) {
    auto a = screen("A"), b = screen("B");
    host.show(a);
    calls->clear();

    nav()->pushViewController(b, true);
    EXPECT_EQ(*calls, (Calls{"B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear"}));
    EXPECT_EQ(nav()->topViewController(), b);
    EXPECT_EQ(b->navigationController(), nav());

    host.advance(UIViewControllerTransitionDuration - 0.01);
    EXPECT_EQ(calls->size(), 3u);
    host.advance(0.02);
    EXPECT_EQ(*calls, (Calls{"B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear", "A.viewDidDisappear",
                             "B.viewDidAppear"}));
    EXPECT_TRUE(b->view()->isDescendantOfView(host.window().get()));
    EXPECT_FALSE(a->view()->window());
}

TEST_F(NavigationTest, PopLosesNavigationControllerAtOnceAndReappearsTheRevealedScreen) {
    auto a = screen("A"), b = screen("B");
    host.show(a);
    host.show(b);
    calls->clear();

    EXPECT_EQ(nav()->popViewControllerAnimated(false), b);
    EXPECT_EQ(b->navigationController(), nullptr);
    EXPECT_EQ(*calls, (Calls{"B.viewWillDisappear", "A.viewWillAppear"}));
    host.runUntilIdle();
    EXPECT_EQ(*calls,
              (Calls{"B.viewWillDisappear", "A.viewWillAppear", "B.viewDidDisappear", "A.viewDidAppear"}));
    // A second load never happens.
    EXPECT_EQ(std::count(calls->begin(), calls->end(), "A.viewDidLoad"), 0);
}

TEST_F(NavigationTest, PopAtTheRootChangesNothing) {
    auto stack = nav()->viewControllers();
    ASSERT_EQ(stack.size(), 1u);
    EXPECT_EQ(nav()->popViewControllerAnimated(true), nullptr);
    EXPECT_EQ(nav()->viewControllers(), stack);
    EXPECT_EQ(host.rootScreen()->navigationController(), nav());
}

TEST_F(NavigationTest, PopToRootOnlyTheTopScreenDisappears) {
    auto a = screen("A"), b = screen("B"), c = screen("C");
    host.show(a);
    host.show(b);
    host.show(c);
    calls->clear();

    auto popped = nav()->popToRootViewControllerAnimated(true);
    EXPECT_EQ(popped, (std::vector<UIViewControllerPtr>{a, b, c}));
    EXPECT_EQ(nav()->viewControllers(), (std::vector<UIViewControllerPtr>{host.rootScreen()}));
    for (auto& p : popped) EXPECT_EQ(p->navigationController(), nullptr);
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(*calls, (Calls{"C.viewWillDisappear", "C.viewDidDisappear"}));
    EXPECT_TRUE(nav()->popToRootViewControllerAnimated(false).empty());
}

TEST_F(NavigationTest, PushingTheRootOfAnotherStackMovesIt) {
    auto a = screen("A");
    auto other = UINavigationController::create(a);
    ASSERT_EQ(a->navigationController(), other);

    host.show(a);
    EXPECT_TRUE(other->viewControllers().empty());
    EXPECT_EQ(a->navigationController(), nav());
    EXPECT_EQ(nav()->topViewController(), a);
}

TEST_F(NavigationTest, PushingAScreenAlreadyOnTheStackIsLoggedNotDuplicated) {
    auto a = screen("A"), b = screen("B");
    host.show(a);
    host.show(b);
    calls->clear();
    LogCapture log;
    nav()->pushViewController(a, true);
    nav()->pushViewController(b, false);
    host.advance(1);
    EXPECT_EQ(nav()->viewControllers().size(), 3u);
    EXPECT_EQ(nav()->topViewController(), b);
    EXPECT_TRUE(calls->empty());
    EXPECT_TRUE(log.contains("already on this navigation stack"));
}

TEST_F(NavigationTest, SetViewControllersDropsDuplicatesAndReleasesTheRemoved) {
    auto a = screen("A"), b = screen("B");
    host.show(a);
    nav()->setViewControllers({b, b, nullptr, a}, false);
    EXPECT_EQ(nav()->viewControllers(), (std::vector<UIViewControllerPtr>{b, a}));
    EXPECT_EQ(host.rootScreen()->navigationController(), nullptr);
    EXPECT_EQ(b->navigationController(), nav());
}

TEST_F(NavigationTest, ViewLoadsLazilyAndOnce) {
    auto a = screen("A");
    EXPECT_FALSE(a->isViewLoaded());
    auto v = a->view();
    EXPECT_TRUE(a->isViewLoaded());
    EXPECT_EQ(a->view(), v);
    EXPECT_EQ(*calls, (Calls{"A.viewDidLoad"}));
    EXPECT_EQ(v->nextResponder(), a.get());
}

TEST_F(NavigationTest, PresentAndDismissCompleteAfterTheTransition) {
    auto a = screen("A"), m = screen("M");
    host.show(a);
    calls->clear();
    bool presented = false;
    a->presentViewController(m, true, [&] { presented = true; });
    EXPECT_FALSE(presented);
    // The host stack presents on behalf of its screens; the presenter's screen is covered.
    EXPECT_EQ(nav()->presentedViewController(), m);
    EXPECT_EQ(m->presentingViewController(), nav());
    EXPECT_EQ(*calls, (Calls{"M.viewDidLoad", "A.viewWillDisappear", "M.viewWillAppear"}));
    host.advance(UIViewControllerTransitionDuration - 0.01);
    EXPECT_FALSE(presented);
    host.advance(0.02);
    EXPECT_TRUE(presented);
    EXPECT_EQ(m->view()->window(), host.window().get());

    calls->clear();
    bool dismissed = false;
    m->dismissViewControllerAnimated(false, [&] { dismissed = true; });
    EXPECT_FALSE(dismissed);
    EXPECT_EQ(nav()->presentedViewController(), nullptr);
    EXPECT_EQ(*calls, (Calls{"M.viewWillDisappear", "A.viewWillAppear"}));
    host.runUntilIdle();
    EXPECT_TRUE(dismissed);
    EXPECT_EQ(m->view()->window(), nullptr);
    EXPECT_EQ(*calls,
              (Calls{"M.viewWillDisappear", "A.viewWillAppear", "M.viewDidDisappear", "A.viewDidAppear"}));
}

TEST_F(NavigationTest, PresentingWhilePresentingIsRefused) {
    auto m1 = screen("M1"), m2 = screen("M2");
    host.rootScreen()->presentViewController(m1, false);
    LogCapture log;
    bool ran = false;
    host.rootScreen()->presentViewController(m2, false, [&] { ran = true; });
    host.runUntilIdle();
    EXPECT_FALSE(ran);
    EXPECT_EQ(host.presentedViewController(), m1);
    EXPECT_TRUE(log.contains("already presenting"));

    bool dismissed = false;
    nav()->dismissViewControllerAnimated(false, [&] { dismissed = true; });
    host.runUntilIdle();
    EXPECT_TRUE(dismissed);
    // Nothing left to dismiss: the completion still comes, on a later turn.
    bool again = false;
    nav()->dismissViewControllerAnimated(true, [&] { again = true; });
    EXPECT_FALSE(again);
    host.runUntilIdle();
    EXPECT_TRUE(again);
}

}  // namespace
}  // namespace fv
