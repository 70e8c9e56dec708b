#pragma once
// Multi-line text views on a scroll view. User edits take the text field's path: the delegate is
// asked with a UTF-16 range (an invalid range is never applied), then the text changes and
// textViewDidChange follows. Focus raises the simulated keyboard like a text field's. Programmatic
// setText sends nothing.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Range.h"
#include "platform/graphics/AttributedString.h"
#include "platform/graphics/TextLayout.h"
#include "platform/ui/UIKeyInput.h"
#include "platform/ui/UIScrollView.h"

namespace fv {

class UITextView;
using UITextViewPtr = std::shared_ptr<UITextView>;

// Every method is optional; the questions default to YES.
class UITextViewDelegate : public UIScrollViewDelegate {
  public:
    virtual bool textViewShouldBeginEditing(UITextView* textView) { return (void)textView, true; }
    virtual void textViewDidBeginEditing(UITextView* textView) { (void)textView; }
    virtual bool textViewShouldEndEditing(UITextView* textView) { return (void)textView, true; }
    virtual void textViewDidEndEditing(UITextView* textView) { (void)textView; }
    // textView:shouldChangeTextInRange:replacementText:
    virtual bool textViewShouldChangeTextInRange(UITextView* textView, NSRange range,
                                                 const std::string& text) {
        (void)textView, (void)range, (void)text;
        return true;
    }
    virtual void textViewDidChange(UITextView* textView) { (void)textView; }
};

class UITextView : public UIScrollView, public UIKeyInput {
    FV_CLASS(UITextView, UIScrollView)
    static void registerMembers(ClassBuilder<UITextView>& b);
    static UITextViewPtr create(CGRect frame = CGRectZero);
    UITextView();
    explicit UITextView(CGRect frame);
    ~UITextView() override;

    // Always a text: "" when empty or never set.
    std::optional<std::string> text() const { return text_; }
    void setText(const std::optional<std::string>& text);
    UIFontPtr font() const { return font_; }
    void setFont(UIFontPtr font);  // none restores the 12-point system font
    UIColorPtr textColor() const { return textColor_; }
    void setTextColor(UIColorPtr color);  // none restores black
    NSTextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(NSTextAlignment alignment);
    bool isEditable() const { return editable_; }
    void setEditable(bool editable);
    bool isSelectable() const { return selectable_; }
    void setSelectable(bool selectable) { selectable_ = selectable; }
    UIEdgeInsets textContainerInset() const { return textContainerInset_; }
    void setTextContainerInset(UIEdgeInsets insets);
    UIViewPtr inputAccessoryView() const { return inputAccessoryView_; }
    void setInputAccessoryView(UIViewPtr view) { inputAccessoryView_ = std::move(view); }

    // Also sets the text-view delegate when `delegate` is one.
    void setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) override;
    std::shared_ptr<UITextViewDelegate> textViewDelegate() const { return textDelegate_.lock(); }

    NSRange selectedRange() const { return selection_; }
    void setSelectedRange(NSRange range);

    // ---- focus ----
    bool isEditing() const { return editing_; }
    bool canBecomeFirstResponder() const override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    // ---- user edits ----
    bool hasText() const override { return !text_->empty(); }
    void insertText(const std::string& text) override;
    void deleteBackward() override;
    bool replaceRange(NSRange range, const std::string& text);

    // The content size follows the text.
    void layoutSubviews() override;
    void drawRect(CGRect rect) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;

  protected:
    // Forced out of editing (endEditing(true), leaving the window), even when the delegate refused.
    void firstResponderStatusWasTakenAway() override { finishEditing(); }

  private:
    bool applyUserEdit(NSRange range, const std::string& replacement);
    void finishEditing();
    TextStyle textStyle() const;

    std::optional<std::string> text_ = std::string();
    UIFontPtr font_;
    UIColorPtr textColor_;
    NSTextAlignment alignment_ = NSTextAlignment::Natural;
    bool editable_ = true;
    bool selectable_ = true;
    bool editing_ = false;
    UIEdgeInsets textContainerInset_{8, 0, 8, 0};
    UIViewPtr inputAccessoryView_;
    std::weak_ptr<UITextViewDelegate> textDelegate_;
    NSRange selection_{0, 0};
};

}  // namespace fv
