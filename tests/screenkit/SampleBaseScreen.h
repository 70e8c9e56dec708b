#pragma once
// A screen derived from the screen base, loaded from the tests' own interface file, and a view that
// renders every shown window, bottom to top, as the user sees the screen.
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Bundle.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"
#include "screenkit/LinkLabel.h"

namespace fv {

class SampleBaseScreen : public BaseViewController, public LinkLabelDelegate {
    FV_CLASS(SampleBaseScreen, BaseViewController)
    static void registerMembers(ClassBuilder<SampleBaseScreen>& b);
    static std::shared_ptr<SampleBaseScreen> make();

    void btnActionPressed(UIButton*) { ++presses; }
    void attributedLabelDidSelectLinkWithURL(LinkLabel*, const std::string& url) override {
        selectedURLs.push_back(url);
    }

    std::weak_ptr<UITextField> tf_name;
    std::weak_ptr<UIView> view_field;
    std::weak_ptr<LinkLabel> lbl_terms;
    std::weak_ptr<CustomButton> btn_action;
    int presses = 0;
    std::vector<std::string> selectedURLs;
};

// Draws the shown windows of the application into itself (not in any window).
class ScreenImageView : public UIView {
    FV_CLASS(ScreenImageView, UIView)
    ScreenImageView();
    void drawRect(CGRect rect) override;
};

}  // namespace fv
