#pragma once
// On/off switches. setOn changes the value silently; a user's tap flips it, then sends value-changed.
#include <memory>

#include "platform/ui/UIControl.h"

namespace fv {

class UISwitch;
using UISwitchPtr = std::shared_ptr<UISwitch>;

class UISwitch : public UIControl {
    FV_CLASS(UISwitch, UIControl)
    static void registerMembers(ClassBuilder<UISwitch>& b);
    // The platform's switch size, whatever frame is given.
    static constexpr CGSize kSize{51, 31};
    static UISwitchPtr create(CGRect frame = CGRectZero);
    UISwitch();
    explicit UISwitch(CGRect frame);
    ~UISwitch() override;

    bool isOn() const { return on_; }
    bool on() const { return on_; }
    void setOn(bool on) { setOn(on, false); }
    void setOn(bool on, bool animated);

    // Colours of the track when off (tintColor: the border), when on, and of the thumb; none = the
    // platform's defaults.
    UIColorPtr onTintColor() const { return onTintColor_; }
    void setOnTintColor(UIColorPtr color);
    UIColorPtr thumbTintColor() const { return thumbTintColor_; }
    void setThumbTintColor(UIColorPtr color);

    // Keeps the platform's size; only the origin of a new frame applies.
    void setFrame(CGRect frame) override;
    void setBounds(CGRect bounds) override;

    unsigned defaultControlEvents() const override { return UIControlEventValueChanged; }
    void endTrackingWithTouch(UITouch* touch, UIEvent* event) override;
    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override { return kSize; }
    void drawRect(CGRect rect) override;
    void tintColorDidChange() override { setNeedsDisplay(); }

  private:
    bool on_ = false;
    UIColorPtr onTintColor_;
    UIColorPtr thumbTintColor_;
};

}  // namespace fv
