#pragma once
// What a slide-to-confirm control tells the screen that owns it.
#include <string>

namespace fv {

class SlidingButton;

class SlideButtonDelegate {
  public:
    virtual ~SlideButtonDelegate() = default;
    // `status` is "Unlocked" once the knob has been slid to the end; `sender` is the control.
    virtual void buttonStatus(const std::string& status, SlidingButton* sender) = 0;
};

}  // namespace fv
