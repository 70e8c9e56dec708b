#include "platform/ui/Keyboard.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/ui/UIScreen.h"

namespace fv {

namespace {

struct State {
    bool visible = false;
    int handoffDepth = 0;
    bool hidePending = false;  // an input lost focus during a hand-off
};

State& state() {
    static State s;
    return s;
}

void post(const std::string& name, const Value& info) {
    NSNotificationCenter::defaultCenter().postNotificationName(name, nullptr, info);
}

}  // namespace

bool Keyboard::isVisible() {
    return state().visible;
}

CGRect Keyboard::frame() {
    return state().visible ? shownFrame() : hiddenFrame();
}

CGRect Keyboard::shownFrame() {
    CGRect screen = UIScreen::mainScreen()->bounds();
    return {{screen.origin.x, CGRectGetMaxY(screen) - kHeight}, {screen.size.width, kHeight}};
}

CGRect Keyboard::hiddenFrame() {
    CGRect screen = UIScreen::mainScreen()->bounds();
    return {{screen.origin.x, CGRectGetMaxY(screen)}, {screen.size.width, kHeight}};
}

Value Keyboard::userInfo(CGRect begin, CGRect end) {
    Value::Dictionary d;
    d[UIKeyboardFrameBeginUserInfoKey] = valueWithCGRect(begin);
    d[UIKeyboardFrameEndUserInfoKey] = valueWithCGRect(end);
    d[UIKeyboardAnimationDurationUserInfoKey] = Value(kAnimationDuration);
    d[UIKeyboardAnimationCurveUserInfoKey] = Value(static_cast<long long>(7));
    return Value(std::move(d));
}

void Keyboard::show() {
    CGRect begin = frame();
    state().visible = true;
    Value info = userInfo(begin, shownFrame());
    post(UIKeyboardWillShowNotification, info);
    post(UIKeyboardWillChangeFrameNotification, info);
}

void Keyboard::hide() {
    if (!state().visible) return;
    state().visible = false;
    Value info = userInfo(shownFrame(), hiddenFrame());
    post(UIKeyboardWillHideNotification, info);
    post(UIKeyboardWillChangeFrameNotification, info);
}

void Keyboard::inputDidBeginEditing() {
    state().hidePending = false;
    show();
}

void Keyboard::inputDidEndEditing() {
    if (state().handoffDepth > 0) {
        state().hidePending = true;
        return;
    }
    hide();
}

Keyboard::FocusHandoff::FocusHandoff() {
    ++state().handoffDepth;
}

Keyboard::FocusHandoff::~FocusHandoff() {
    // The focus went nowhere after all: the keyboard comes down.
    if (--state().handoffDepth == 0 && state().hidePending) {
        state().hidePending = false;
        hide();
    }
}

void Keyboard::reset() {
    state() = State{};
}

namespace {
[[maybe_unused]] const bool registered = ResetHooks::add("ui.keyboard", [] { Keyboard::reset(); });
}

}  // namespace fv
