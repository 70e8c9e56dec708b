#pragma once
// Keeps one scroll view clear of the keyboard: follows the shared listener's "keyboardFrame" and grows
// the scroll view's content and indicator insets at the top or bottom by the covered height, taking
// back exactly what it added when the keyboard moves or leaves.
#include <memory>
#include <string>

#include "controls/KeyboardFrameListener.h"
#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"

namespace fv {

class UIScrollView;

class KeyboardAvoidingProvider : public NSObject {
    FV_CLASS(KeyboardAvoidingProvider, NSObject)
    // initWithScrollView:. The scroll view is held weakly.
    explicit KeyboardAvoidingProvider(const std::shared_ptr<UIScrollView>& scrollView);
    ~KeyboardAvoidingProvider() override;

    bool avoidingStarted() const { return avoidingStarted_; }
    const std::shared_ptr<KeyboardFrameListener>& keyboardListener() const { return keyboardListener_; }
    void setKeyboardListener(const std::shared_ptr<KeyboardFrameListener>& listener);
    std::shared_ptr<UIScrollView> scrollView() const { return scrollView_.lock(); }
    // What this provider has added to the insets; only top and bottom are ever non-zero.
    UIEdgeInsets extraContentInset() const { return extraContentInset_; }

    void startAvoiding();
    void stopAvoiding();
    void beginKeyboardFrameObserving();
    void endKeyboardFrameObserving();

    UIEdgeInsets calculateExtraContentInset() const;
    void addExtraContentInset(UIEdgeInsets extra);
    void resetAvoidingContentInset();
    // Sets content and indicator insets, animated over the latest keyboard animation's duration.
    void applyAvoidingContentInset(UIEdgeInsets inset);
    void observeValueForKeyPath(const std::string& keyPath);

  private:
    void revealFirstResponder();
    double keyboardAnimationDuration() const;

    bool avoidingStarted_ = false;
    std::shared_ptr<KeyboardFrameListener> keyboardListener_;
    std::weak_ptr<UIScrollView> scrollView_;
    UIEdgeInsets extraContentInset_ = UIEdgeInsetsZero;
};

}  // namespace fv
