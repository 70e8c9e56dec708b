#pragma once
// Follows the keyboard's notifications for the whole process and publishes its latest end frame under
// the observable key "keyboardFrame".
#include <memory>

#include "platform/foundation/NSObject.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/graphics/Geometry.h"

namespace fv {

class UIView;

class KeyboardFrameListener : public NSObject {
    FV_CLASS(KeyboardFrameListener, NSObject)
    static void registerMembers(ClassBuilder<KeyboardFrameListener>& b);
    KeyboardFrameListener();
    ~KeyboardFrameListener() override;

    // Screen coordinates. Observers of "keyboardFrame" hear only real changes.
    CGRect keyboardFrame() const { return keyboardFrame_; }
    void setKeyboardFrame(CGRect frame);
    // The user info of the latest keyboard notification.
    const Value& keyboardInfo() const { return keyboardInfo_; }
    void setKeyboardInfo(Value info) { keyboardInfo_ = std::move(info); }

    void startNotificationsObseving();
    void keyboardDidChangeFrame(const Notification& notification);
    // The keyboard frame in the space of `view`'s frame (its superview's coordinates).
    CGRect convertedKeyboardFrameForView(const UIView& view) const;

  private:
    CGRect keyboardFrame_ = CGRectZero;
    Value keyboardInfo_;
};

}  // namespace fv
