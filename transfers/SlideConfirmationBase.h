#pragma once
// What the two transfer confirmations share: the balance again and a slide-to-confirm control. Once
// the control reports "Unlocked" it goes inert, and a second later the screen's success screen is
// pushed. Nothing is sent or stored. A confirmation derives from this and names its success screen;
// it may colour its band differently.
#include <string>

#include "controls/SlideButtonDelegate.h"
#include "controls/SlidingButton.h"
#include "core/ScreenNames.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class SlideConfirmationBase : public BaseViewController, public SlideButtonDelegate {
    FV_CLASS(SlideConfirmationBase, BaseViewController)
    static void registerMembers(ClassBuilder<SlideConfirmationBase>& b);
    using BaseViewController::BaseViewController;
    ~SlideConfirmationBase() override;

    // The pause between the unlock and the success screen, in seconds.
    static constexpr double kSuccessDelay = 1.0;

    void viewWillAppear(bool animated) override;
    // Every appearance: the slider's delegate, the band's colour, the balance.
    void setDefaultSelection();

    // buttonStatusWithStatus:sender:. Only "Unlocked" counts.
    void buttonStatus(const std::string& status, SlidingButton* sender) override;
    void showSuccessView();
    void backPressed(UIButton* sender);

    FV_OUTLET(UIView, view_TopInfo);
    FV_OUTLET(SlidingButton, btn_slider);
    FV_OUTLET(UILabel, lbl_TotalAmount);

  protected:
    virtual ScreenName successScreen() const = 0;
    // The band's colour; the theme's main colour unless a screen says otherwise.
    virtual UIColorPtr bandColor() const;
};

}  // namespace fv
