#include "controls/KeyboardFrameListener.h"

#include "controls/NSObjectKeyboardAvoiding.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/UIView.h"

namespace fv {

FV_REGISTER_CLASS(KeyboardFrameListener);

void KeyboardFrameListener::registerMembers(ClassBuilder<KeyboardFrameListener>& b) {
    b.property(
        "keyboardFrame", [](KeyboardFrameListener& l) { return valueWithCGRect(l.keyboardFrame()); },
        [](KeyboardFrameListener& l, const Value& v) {
            l.setKeyboardFrame(rectFromValue(v));
            return true;
        });
}

KeyboardFrameListener::KeyboardFrameListener() {
    startNotificationsObseving();
}

KeyboardFrameListener::~KeyboardFrameListener() {
    stopNotificationsObserving(*this);
}

void KeyboardFrameListener::startNotificationsObseving() {
    stopNotificationsObserving(*this);
    observeNotificationNamed(*this, UIKeyboardWillChangeFrameNotification,
                             [this](const Notification& n) { keyboardDidChangeFrame(n); });
}

void KeyboardFrameListener::setKeyboardFrame(CGRect frame) {
    CGRect old = keyboardFrame_;
    keyboardFrame_ = frame;
    didChangeValueForKey("keyboardFrame", valueWithCGRect(old), valueWithCGRect(frame));
}

void KeyboardFrameListener::keyboardDidChangeFrame(const Notification& notification) {
    keyboardInfo_ = notification.userInfo;
    // A missing end frame reads as the zero rectangle, which means "no keyboard".
    CGRect end = rectFromValue(keyboardInfo_[UIKeyboardFrameEndUserInfoKey]);
    if (!CGRectEqualToRect(end, keyboardFrame_)) setKeyboardFrame(end);
}

CGRect KeyboardFrameListener::convertedKeyboardFrameForView(const UIView& view) const {
    UIView* parent = view.superview();
    if (!parent) return keyboardFrame_;
    return parent->convertRectFromView(keyboardFrame_, nullptr);
}

}  // namespace fv
