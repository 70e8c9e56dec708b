#include "controls/KeyboardAvoidingProvider.h"

#include <algorithm>

#include "controls/AvoidingInsetCalculator.h"
#include "controls/NSObjectKeyboardAvoiding.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/UIScrollView.h"

namespace fv {

namespace {
const std::string kKeyboardFrameKey = "keyboardFrame";
}  // namespace

FV_REGISTER_CLASS(KeyboardAvoidingProvider);

KeyboardAvoidingProvider::KeyboardAvoidingProvider(const std::shared_ptr<UIScrollView>& scrollView)
    : scrollView_(scrollView) {}

KeyboardAvoidingProvider::~KeyboardAvoidingProvider() {
    stopAvoiding();
}

void KeyboardAvoidingProvider::setKeyboardListener(const std::shared_ptr<KeyboardFrameListener>& listener) {
    if (listener == keyboardListener_) return;
    // A running provider moves its observation along, so it never listens to two keyboards.
    bool wasStarted = avoidingStarted_;
    stopAvoiding();
    keyboardListener_ = listener;
    if (wasStarted) startAvoiding();
}

void KeyboardAvoidingProvider::startAvoiding() {
    if (avoidingStarted_) return;
    beginKeyboardFrameObserving();
    avoidingStarted_ = true;
}

void KeyboardAvoidingProvider::stopAvoiding() {
    if (!avoidingStarted_) return;
    resetAvoidingContentInset();
    endKeyboardFrameObserving();
    avoidingStarted_ = false;
}

void KeyboardAvoidingProvider::beginKeyboardFrameObserving() {
    if (!keyboardListener_) return;
    addObserverForKeyPath(*keyboardListener_, this, kKeyboardFrameKey,
                          [this](const Value&, const Value&) { observeValueForKeyPath(kKeyboardFrameKey); });
}

void KeyboardAvoidingProvider::endKeyboardFrameObserving() {
    if (keyboardListener_) keyboardListener_->removeObserver(this, kKeyboardFrameKey);
}

void KeyboardAvoidingProvider::observeValueForKeyPath(const std::string& keyPath) {
    if (keyPath != kKeyboardFrameKey) return;
    resetAvoidingContentInset();
    UIEdgeInsets extra = calculateExtraContentInset();
    addExtraContentInset(extra);
    extraContentInset_ = extra;
    revealFirstResponder();
}

UIEdgeInsets KeyboardAvoidingProvider::calculateExtraContentInset() const {
    auto view = scrollView();
    if (!view || !keyboardListener_) return UIEdgeInsetsZero;
    AvoidingInsetCalculator calculator;
    calculator.keyboardFrame = keyboardListener_->convertedKeyboardFrameForView(*view);
    calculator.scrollViewFrame = view->frame();
    calculator.scrollViewInset = view->contentInset();
    return calculator.calculateAvoidingInset();
}

void KeyboardAvoidingProvider::addExtraContentInset(UIEdgeInsets extra) {
    auto view = scrollView();
    if (!view) return;
    UIEdgeInsets inset = view->contentInset();
    inset.top += extra.top;
    inset.bottom += extra.bottom;
    applyAvoidingContentInset(inset);
}

void KeyboardAvoidingProvider::resetAvoidingContentInset() {
    auto view = scrollView();
    if (view) {
        UIEdgeInsets inset = view->contentInset();
        inset.top -= extraContentInset_.top;
        inset.bottom -= extraContentInset_.bottom;
        applyAvoidingContentInset(inset);
    }
    extraContentInset_ = UIEdgeInsetsZero;
}

void KeyboardAvoidingProvider::applyAvoidingContentInset(UIEdgeInsets inset) {
    auto view = scrollView();
    if (!view) return;
    UIView::animateWithDuration(keyboardAnimationDuration(), [&] {
        view->setContentInset(inset);
        view->setScrollIndicatorInsets(inset);
    });
}

// The inset only makes room; a focused field under the keyboard must also be scrolled into that room,
// or the user types blind.
void KeyboardAvoidingProvider::revealFirstResponder() {
    auto view = scrollView();
    if (!view || !keyboardListener_ || (extraContentInset_.top == 0 && extraContentInset_.bottom == 0))
        return;
    UIViewPtr focused = view->findFirstResponder();
    if (!focused || focused.get() == view.get()) return;
    CGRect field = view->convertRectFromView(focused->bounds(), focused.get());
    UIEdgeInsets inset = view->contentInset();
    CGPoint offset = view->contentOffset();
    CGFloat visibleTop = offset.y + inset.top;
    CGFloat visibleBottom = offset.y + view->bounds().size.height - inset.bottom;
    CGFloat shift = 0;
    if (CGRectGetMaxY(field) > visibleBottom) shift = CGRectGetMaxY(field) - visibleBottom;
    // A field taller than the room left shows its top.
    if (CGRectGetMinY(field) < visibleTop + shift) shift = CGRectGetMinY(field) - visibleTop;
    offset.y += shift;
    offset = view->clampedContentOffset(offset);
    if (offset == view->contentOffset()) return;
    UIView::animateWithDuration(keyboardAnimationDuration(), [&] { view->setContentOffset(offset); });
}

// Insets and offsets move with the keyboard, over its latest animation's duration.
double KeyboardAvoidingProvider::keyboardAnimationDuration() const {
    if (!keyboardListener_) return 0;
    return keyboardListener_->keyboardInfo()[UIKeyboardAnimationDurationUserInfoKey].doubleValue();
}

}  // namespace fv
