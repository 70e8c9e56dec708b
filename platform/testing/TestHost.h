#pragma once
// The headless test host: one per test. It puts the main run loop on a virtual clock, points user
// defaults at a fresh temporary folder, and shows a 375 x 667 key window whose root is a host
// navigation controller around a plain screen. Tests drive screens as a user would (tap, type, drag)
// and look at the result: the navigation stack, the views, overlays and alerts, and PNG snapshots.
//
// Interface-file load errors and faults (an action or observer that threw, an unbound outlet, a
// selector nobody answers) during the test fail it, at finish(), which the fixture calls.
// Every hook in ResetHooks runs when the host starts and again when it finishes, so that keyboard,
// locale, main bundle, service addresses, trusted authorities and each fake start each test afresh.
//
//     class MyScreenTest : public fv::TestHostFixture {};
//     TEST_F(MyScreenTest, ...) { host.show(screen); host.tap(host.outlet(screen, "btn_next")); ... }
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Fault.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIWindow.h"

namespace fv {

// Screens of the devices layouts branch on: points, scale and idiom.
enum class TestScreen {
    Phone375,  // 375 x 667 at 2.0, the default
    Phone320,  // 320 x 568 at 2.0
    Phone414,  // 414 x 896 at 3.0
    Pad,       // 768 x 1024 at 2.0, pad idiom
};

class TestHost {
  public:
    TestHost();
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    const UIWindowPtr& window() const { return window_; }
    const UINavigationControllerPtr& navigationController() const { return nav_; }
    // The plain screen at the bottom of the host stack.
    const UIViewControllerPtr& rootScreen() const { return root_; }

    // Makes the main screen, the device's idiom and the key window those of `screen`, and lays the
    // window out again; the next test starts on the default phone.
    void useScreen(TestScreen screen);

    // Pushes `screen` on the host stack without animation and lets the transition finish.
    void show(const UIViewControllerPtr& screen);
    std::vector<UIViewControllerPtr> navigationStack() const;
    UIViewControllerPtr topViewController() const;
    // The controller presented last over the host stack (following presentations up), or none.
    UIViewControllerPtr presentedViewController() const;

    // ---- the clock ----
    void advance(double seconds);
    void runUntilIdle();

    // ---- input ----
    // A touch down and up at the centre of `view`, through the user driver. False, and the test
    // fails saying where the touch went, when the view is not on screen or the touch reaches another
    // view; tapMissing() is for a test that means the touch to miss.
    bool tap(const UIViewPtr& view);
    // The problem of a tap on `view` that was meant not to reach it ("" when it did reach it).
    std::string tapMissing(const UIViewPtr& view);
    // A touch down and up at a point in window coordinates, delivered to whatever is hit there.
    // False when nothing is hit.
    bool tap(CGPoint windowPoint);
    // Taps `field` through the user driver unless it is being edited already, then types `text` one
    // character (code point) at a time through its key input. False, and the test fails saying why,
    // when the tap does not reach the field or does not make it first responder.
    bool typeText(const UIViewPtr& field, const std::string& text);
    // Reaches `field` the same way, then presses the delete key `count` times.
    bool deleteBackward(const UIViewPtr& field, int count = 1);
    // A finger down at `from`, moved in even steps to `to` (both in `view`'s coordinates), then up,
    // through the user driver. The steps are spaced in time so the finger moves at `velocity` points
    // per second (0 = 1000). False, and the test fails, as for tap: the view is not on screen or the
    // finger comes down on another view.
    bool drag(const UIViewPtr& view, CGPoint from, CGPoint to, double velocity = 0);
    // A drag from the view's centre by `translation`.
    bool pan(const UIViewPtr& view, CGPoint translation, double velocity = 0);

    // ---- looking ----
    // The view behind a named outlet of `owner` (a screen or view), or none.
    static UIViewPtr outlet(const NSObjectPtr& owner, const std::string& name);
    // The frontmost visible view whose "text", "title" or "currentTitle" reads `text`: overlay windows
    // first, then the key window; or within `root` only.
    UIViewPtr findViewWithText(const std::string& text, const UIViewPtr& root = nullptr) const;
    // Every visible text in the tree, depth first, for failure messages.
    static std::vector<std::string> visibleTexts(const UIViewPtr& root);
    // Windows shown above the key window (banners, progress, pop-ups), bottom to top, and their views.
    std::vector<UIWindowPtr> overlayWindows() const;
    std::vector<UIViewPtr> overlayViews() const;
    // The alert or action sheet on screen, or none.
    UIAlertControllerPtr visibleAlert() const;
    // Taps the row of the visible alert's action with that title, then lets the dismissal finish.
    bool tapAlertAction(const std::string& title);

    // ---- snapshots ----
    // Renders `view` (default: the key window) and compares it with <dir>/snapshots/<name>.png. A
    // missing reference is written and the test fails; FV_RECORD_SNAPSHOTS=1 rewrites references.
    bool snapshot(const std::string& name, const UIViewPtr& view = nullptr) {
#ifdef FV_TEST_DIR
        return snapshotIn(FV_TEST_DIR, name, view);
#else
        return snapshotIn(".", name, view);
#endif
    }
    bool snapshotIn(const std::string& testDir, const std::string& name, const UIViewPtr& view);
    // Channel difference a pixel may show and still match, out of 255.
    static constexpr int kSnapshotTolerance = 12;

    // Fails the current test for each interface-file error and each fault since the host started,
    // then tears the host down. Idempotent; the destructor calls it.
    void finish();
    // The faults so far; a test that provokes one on purpose looks at them and clears them.
    FaultCollector& faults() {
        return faults_;
    }

  private:
    FaultCollector faults_;
    UIWindowPtr window_;
    UINavigationControllerPtr nav_;
    UIViewControllerPtr root_;
    std::string tempDir_;
    bool finished_ = false;
};

// A GoogleTest fixture owning a TestHost named `host`.
class TestHostFixture : public ::testing::Test {
  protected:
    void TearDown() override { host.finish(); }
    TestHost host;
};

}  // namespace fv
