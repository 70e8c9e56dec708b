#pragma once
// The simulated keyboard. There is no keyboard on screen; text inputs report focus here, and the
// keyboard posts what the platform's would through the default notification centre:
//  - rising (a text input became first responder): UIKeyboardWillShowNotification, then
//    UIKeyboardWillChangeFrameNotification, with the frame at the bottom of the screen;
//  - lowering (the last text input resigned, endEditing included): UIKeyboardWillHideNotification,
//    then UIKeyboardWillChangeFrameNotification, with the frame just below the screen.
// User info: UIKeyboardFrameBeginUserInfoKey / UIKeyboardFrameEndUserInfoKey (screen coordinates,
// as GeometryValue rects) and UIKeyboardAnimationDurationUserInfoKey (0.25 s).
// Focus moving from one input to another keeps the keyboard up and posts the rising pair again.
#include <string>

#include "platform/foundation/Value.h"
#include "platform/graphics/Geometry.h"

namespace fv {

inline const std::string UIKeyboardWillShowNotification = "UIKeyboardWillShowNotification";
inline const std::string UIKeyboardDidShowNotification = "UIKeyboardDidShowNotification";
inline const std::string UIKeyboardWillHideNotification = "UIKeyboardWillHideNotification";
inline const std::string UIKeyboardDidHideNotification = "UIKeyboardDidHideNotification";
inline const std::string UIKeyboardWillChangeFrameNotification = "UIKeyboardWillChangeFrameNotification";
inline const std::string UIKeyboardDidChangeFrameNotification = "UIKeyboardDidChangeFrameNotification";
inline const std::string UIKeyboardFrameBeginUserInfoKey = "UIKeyboardFrameBeginUserInfoKey";
inline const std::string UIKeyboardFrameEndUserInfoKey = "UIKeyboardFrameEndUserInfoKey";
inline const std::string UIKeyboardAnimationDurationUserInfoKey = "UIKeyboardAnimationDurationUserInfoKey";
inline const std::string UIKeyboardAnimationCurveUserInfoKey = "UIKeyboardAnimationCurveUserInfoKey";

class Keyboard {
  public:
    static constexpr CGFloat kHeight = 216;
    static constexpr double kAnimationDuration = 0.25;

    static bool isVisible();
    // The current frame in screen coordinates: on screen when visible, just below it otherwise.
    static CGRect frame();
    static CGRect shownFrame();
    static CGRect hiddenFrame();

    // Raise or lower the keyboard now, posting the notifications (also for tests that simulate a
    // keyboard directly). show() while visible posts the rising pair again.
    static void show();
    static void hide();
    // The user info of a notification moving the keyboard from `begin` to `end`.
    static Value userInfo(CGRect begin, CGRect end);

    // Text inputs call these on gaining and losing focus.
    static void inputDidBeginEditing();
    static void inputDidEndEditing();
    // While one lives, an input losing focus leaves the keyboard up (the focus is moving on).
    class FocusHandoff {
      public:
        FocusHandoff();
        ~FocusHandoff();
        FocusHandoff(const FocusHandoff&) = delete;
        FocusHandoff& operator=(const FocusHandoff&) = delete;
    };

    // Lowered, silently; for test isolation.
    static void reset();
};

}  // namespace fv
