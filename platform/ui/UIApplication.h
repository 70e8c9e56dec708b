#pragma once
// The application object: its shown windows, the key window, and the calls screens make on the
// system (status bar, idle timer, URLs), recorded for tests. Also runs the layout and display passes
// at the end of every run-loop turn.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/UIResponder.h"
#include "platform/ui/UIWindow.h"

namespace fv {

enum UIStatusBarStyle : int {
    UIStatusBarStyleDefault = 0,
    UIStatusBarStyleLightContent = 1,
    UIStatusBarStyleDarkContent = 3,
};

extern const char* const UIApplicationOpenSettingsURLString;  // "app-settings:"

class UIApplication : public UIResponder {
    FV_CLASS(UIApplication, UIResponder)
    static std::shared_ptr<UIApplication> sharedApplication();

    // Shown windows, bottom to top.
    std::vector<UIWindowPtr> windows() const;
    UIWindowPtr keyWindow() const;
    // The view a touch at `screenPoint` lands on: the topmost shown window whose hitTest accepts it.
    UIViewPtr hitTest(CGPoint screenPoint) const;
    UIWindowPtr windowForPoint(CGPoint screenPoint) const;

    UIStatusBarStyle statusBarStyle() const { return statusBarStyle_; }
    void setStatusBarStyle(UIStatusBarStyle style, bool animated = false);
    void setNeedsStatusBarAppearanceUpdate() { ++statusBarAppearanceUpdates_; }
    int statusBarAppearanceUpdates() const { return statusBarAppearanceUpdates_; }
    bool isStatusBarHidden() const { return statusBarHidden_; }
    void setStatusBarHidden(bool hidden) { statusBarHidden_ = hidden; }

    bool idleTimerDisabled() const { return idleTimerDisabled_; }
    bool isIdleTimerDisabled() const { return idleTimerDisabled_; }
    void setIdleTimerDisabled(bool disabled) { idleTimerDisabled_ = disabled; }

    // Recorded only; the result is the platform's "accepted" answer for an installed scheme or the
    // settings URL.
    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return openedURLs_; }
    // True for the settings URL and for URLs whose scheme ("comgooglemaps" of "comgooglemaps://...")
    // is installed.
    bool canOpenURL(const std::string& url) const;
    void setInstalledSchemes(std::set<std::string> schemes) { installedSchemes_ = std::move(schemes); }
    const std::set<std::string>& installedSchemes() const { return installedSchemes_; }

    // One layout pass over every shown window, then one display pass; the run loop calls this at the
    // end of every turn. Safe to call directly.
    void layoutAndDisplayPass();
    // Makes sure a run-loop turn runs soon so that the passes happen (setNeedsLayout and
    // setNeedsDisplay call it).
    void scheduleLayoutPass();

    // Drops every window and record; for test isolation.
    void reset();

  private:
    friend class UIWindow;
    void windowShown(const UIWindowPtr& window);
    void windowHidden(UIWindow* window);
    void windowLevelChanged();
    void makeKey(UIWindow* window);

    std::vector<UIWindowPtr> windows_;
    std::weak_ptr<UIWindow> keyWindow_;
    UIStatusBarStyle statusBarStyle_ = UIStatusBarStyleDefault;
    int statusBarAppearanceUpdates_ = 0;
    bool statusBarHidden_ = false;
    bool idleTimerDisabled_ = false;
    std::vector<std::string> openedURLs_;
    std::set<std::string> installedSchemes_;
    bool passScheduled_ = false;
    bool observerInstalled_ = false;
};

}  // namespace fv
