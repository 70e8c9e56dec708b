#include "controls/UIScrollViewKeyboardAvoiding.h"

#include "controls/NSObjectKeyboardAvoiding.h"

namespace fv {

void setKeyboardAvoidingEnabled(UIScrollView& scrollView, bool enabled) {
    if (enabled) {
        addKeyboardAvoidingListener(scrollView);
    } else {
        removeKeyboardAvoidingListener(scrollView);
    }
}

bool keyboardAvoidingEnabled(const UIScrollView& scrollView) {
    return keyboardAvoidingListener(scrollView) != nullptr;
}

void addKeyboardAvoidingListener(UIScrollView& scrollView) {
    auto provider = std::make_shared<KeyboardAvoidingProvider>(scrollView.sharedAs<UIScrollView>());
    provider->setKeyboardListener(keyboardFrameListener());
    provider->startAvoiding();
    associateObject(scrollView, provider, kKeyboardAvoidingListenerKey);
}

void removeKeyboardAvoidingListener(UIScrollView& scrollView) {
    if (auto provider = keyboardAvoidingListener(scrollView)) provider->stopAvoiding();
    associateObject(scrollView, nullptr, kKeyboardAvoidingListenerKey);
}

std::shared_ptr<KeyboardAvoidingProvider> keyboardAvoidingListener(const UIScrollView& scrollView) {
    return std::dynamic_pointer_cast<KeyboardAvoidingProvider>(
        associatedObjectForKey(scrollView, kKeyboardAvoidingListenerKey));
}

const std::shared_ptr<KeyboardFrameListener>& keyboardFrameListener() {
    // Deliberately never destroyed: providers may outlive static destruction order.
    static const auto* listener =
        new std::shared_ptr<KeyboardFrameListener>(std::make_shared<KeyboardFrameListener>());
    return *listener;
}

}  // namespace fv
