#pragma once
// Small stand-ins for a label and a button, so the loader and the test host can be tested before
// (and independently of) the real controls.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/graphics/TextLayout.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewController.h"

namespace fv {

class SampleLabel : public UIView {
    FV_CLASS(SampleLabel, UIView)
    static void registerMembers(ClassBuilder<SampleLabel>& b);
    std::optional<std::string> text() const { return text_; }
    void setText(const std::optional<std::string>& text);
    int textAlignment() const { return static_cast<int>(style_.alignment); }
    void setTextAlignment(int alignment);
    void drawRect(CGRect rect) override;
    TextStyle style_;

  private:
    std::optional<std::string> text_;
};

// Sends its action to its target when a touch ends inside it.
class SampleButton : public UIView {
    FV_CLASS(SampleButton, UIView)
    static void registerMembers(ClassBuilder<SampleButton>& b);
    std::string title() const { return title_; }
    void setTitle(const std::string& title);
    void addTarget(const NSObjectPtr& target, const std::string& selector);
    int targetCount() const { return static_cast<int>(targets_.size()); }
    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void drawRect(CGRect rect) override;

  private:
    std::string title_;
    std::vector<std::pair<NSObjectWeak, std::string>> targets_;
};

// A screen with a title label and a button that changes it, made of the real controls.
class SampleScreen : public UIViewController {
    FV_CLASS(SampleScreen, UIViewController)
    static void registerMembers(ClassBuilder<SampleScreen>& b);
    void viewDidLoad() override { ++viewDidLoadCount; }
    void btnNextPressed(UIButton* sender);

    std::weak_ptr<UILabel> lbl_title;
    std::weak_ptr<UIButton> btn_next;
    std::weak_ptr<NSObject> titleTopConstraint;
    int viewDidLoadCount = 0;
    int presses = 0;
};

// The interface files of a test program: the nib_resources folder of its test folder.
std::shared_ptr<NSBundle> testInterfaceBundle(const std::string& testDir);

}  // namespace fv
