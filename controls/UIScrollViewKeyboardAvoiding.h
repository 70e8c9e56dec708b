#pragma once
// The keyboard-avoidance switch of every scroll view (and so of every table view): once on, keyboard
// frame changes grow and shrink the view's content inset by the height the keyboard covers.
#include <memory>

#include "controls/KeyboardAvoidingProvider.h"
#include "controls/KeyboardFrameListener.h"
#include "platform/ui/UIScrollView.h"

namespace fv {

// The key the provider is associated with its scroll view under.
inline constexpr const char* kKeyboardAvoidingListenerKey = "KeyboardAvoidingListener";

void setKeyboardAvoidingEnabled(UIScrollView& scrollView, bool enabled);
bool keyboardAvoidingEnabled(const UIScrollView& scrollView);
// Attaches a fresh, started provider, releasing (and so stopping) any attached before.
void addKeyboardAvoidingListener(UIScrollView& scrollView);
void removeKeyboardAvoidingListener(UIScrollView& scrollView);
std::shared_ptr<KeyboardAvoidingProvider> keyboardAvoidingListener(const UIScrollView& scrollView);
// The process-wide listener, made on first use and kept for the rest of the process.
const std::shared_ptr<KeyboardFrameListener>& keyboardFrameListener();

}  // namespace fv
