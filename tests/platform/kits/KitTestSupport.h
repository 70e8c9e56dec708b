#pragma once
// The kits' tests: the test host's reset hooks start and end each with nothing shown or scripted.
#include "platform/kits/BankLinkViewController.h"
#include "platform/kits/DatePickerPopup.h"
#include "platform/kits/DeviceInfo.h"
#include "platform/kits/DropList.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

// The whole screen as a user sees it: the key window with the overlay windows (pop-ups, lists) drawn
// over it, for snapshots of kits that show in windows of their own.
class ScreenComposite : public UIView {
  public:
    explicit ScreenComposite(std::vector<UIWindowPtr> windows)
        : UIView(windows.front()->bounds()), windows_(std::move(windows)) {}
    void drawRect(CGRect) override {
        CGContextRef context = UIGraphicsGetCurrentContext();
        for (const UIWindowPtr& window : windows_) {
            context->saveGState();
            renderViewTree(*window, context);
            context->restoreGState();
        }
    }

  private:
    std::vector<UIWindowPtr> windows_;
};

class KitTest : public TestHostFixture {
  protected:
    bool snapshotScreen(const std::string& name) {
        host.runUntilIdle();
        std::vector<UIWindowPtr> windows{host.window()};
        for (const UIWindowPtr& overlay : host.overlayWindows()) windows.push_back(overlay);
        return host.snapshot(name, std::make_shared<ScreenComposite>(std::move(windows)));
    }
};

}  // namespace fv
