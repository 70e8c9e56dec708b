#pragma once
// Text fields. Every user edit (typing, deleting, paste, cut, replacing a range, the clear button)
// goes one way: the delegate is asked with the range in UTF-16 units and the replacement; on YES the
// field applies it, puts the caret after the inserted text and sends editing-changed. A range beyond
// the text or cutting a surrogate pair in two is never applied (nor offered to the delegate).
// Programmatic setText sends nothing and puts the caret at the end.
//
// Focus: becomeFirstResponder asks textFieldShouldBeginEditing (NO: no focus, no keyboard); on focus
// the delegate hears textFieldDidBeginEditing, then editing-did-begin is sent, then the keyboard
// rises. resignFirstResponder asks textFieldShouldEndEditing, then textFieldDidEndEditing,
// editing-did-end, and the keyboard lowers unless another text input takes the focus. A forced end
// (endEditing(true), leaving the window) runs the same ending when the delegate refuses.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Range.h"
#include "platform/graphics/AttributedString.h"
#include "platform/ui/UIControl.h"
#include "platform/ui/UIKeyInput.h"

namespace fv {

class UITextField;
class UIButton;
using UITextFieldPtr = std::shared_ptr<UITextField>;

// Every method is optional; the defaults answer YES.
class UITextFieldDelegate {
  public:
    virtual ~UITextFieldDelegate() = default;
    virtual bool textFieldShouldBeginEditing(UITextField* textField) { return (void)textField, true; }
    virtual void textFieldDidBeginEditing(UITextField* textField) { (void)textField; }
    virtual bool textFieldShouldEndEditing(UITextField* textField) { return (void)textField, true; }
    virtual void textFieldDidEndEditing(UITextField* textField) { (void)textField; }
    // textField:shouldChangeCharactersInRange:replacementString:
    virtual bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                        const std::string& string) {
        (void)textField, (void)range, (void)string;
        return true;
    }
    virtual bool textFieldShouldClear(UITextField* textField) { return (void)textField, true; }
    virtual bool textFieldShouldReturn(UITextField* textField) { return (void)textField, true; }
};

enum UIKeyboardType : int {
    UIKeyboardTypeDefault = 0,
    UIKeyboardTypeASCIICapable = 1,
    UIKeyboardTypeNumbersAndPunctuation = 2,
    UIKeyboardTypeURL = 3,
    UIKeyboardTypeNumberPad = 4,
    UIKeyboardTypePhonePad = 5,
    UIKeyboardTypeNamePhonePad = 6,
    UIKeyboardTypeEmailAddress = 7,
    UIKeyboardTypeDecimalPad = 8,
};

enum UIReturnKeyType : int {
    UIReturnKeyDefault = 0,
    UIReturnKeyGo = 1,
    UIReturnKeyGoogle = 2,
    UIReturnKeyJoin = 3,
    UIReturnKeyNext = 4,
    UIReturnKeyRoute = 5,
    UIReturnKeySearch = 6,
    UIReturnKeySend = 7,
    UIReturnKeyYahoo = 8,
    UIReturnKeyDone = 9,
};

enum UITextBorderStyle : int {
    UITextBorderStyleNone = 0,
    UITextBorderStyleLine = 1,
    UITextBorderStyleBezel = 2,
    UITextBorderStyleRoundedRect = 3,
};

enum UITextFieldViewMode : int {
    UITextFieldViewModeNever = 0,
    UITextFieldViewModeWhileEditing = 1,
    UITextFieldViewModeUnlessEditing = 2,
    UITextFieldViewModeAlways = 3,
};

// Posted with the field as object after an applied user edit, on focus and on its loss.
inline const std::string UITextFieldTextDidChangeNotification = "UITextFieldTextDidChangeNotification";
inline const std::string UITextFieldTextDidBeginEditingNotification =
    "UITextFieldTextDidBeginEditingNotification";
inline const std::string UITextFieldTextDidEndEditingNotification =
    "UITextFieldTextDidEndEditingNotification";

class UITextField : public UIControl, public UIKeyInput {
    FV_CLASS(UITextField, UIControl)
    static void registerMembers(ClassBuilder<UITextField>& b);
    static UITextFieldPtr create(CGRect frame = CGRectZero);
    UITextField();
    explicit UITextField(CGRect frame);
    ~UITextField() override;

    // ---- content ----
    // Always a text: "" when empty or never set (setting none stores "").
    std::optional<std::string> text() const { return text_; }
    void setText(const std::optional<std::string>& text);
    std::optional<NSAttributedString> attributedText() const;
    void setAttributedText(const std::optional<NSAttributedString>& text);
    std::optional<std::string> placeholder() const { return placeholder_; }
    void setPlaceholder(const std::optional<std::string>& placeholder);
    std::optional<NSAttributedString> attributedPlaceholder() const { return attributedPlaceholder_; }
    void setAttributedPlaceholder(const std::optional<NSAttributedString>& placeholder);

    // ---- appearance ----
    UIFontPtr font() const { return font_; }
    void setFont(UIFontPtr font);  // none restores the 17-point system font
    UIColorPtr textColor() const { return textColor_; }
    void setTextColor(UIColorPtr color);  // none restores black
    NSTextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(NSTextAlignment alignment);
    UITextBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(UITextBorderStyle style);
    bool isSecureTextEntry() const { return secure_; }
    void setSecureTextEntry(bool secure);
    UIKeyboardType keyboardType() const { return keyboardType_; }
    void setKeyboardType(UIKeyboardType type) { keyboardType_ = type; }
    UIReturnKeyType returnKeyType() const { return returnKeyType_; }
    void setReturnKeyType(UIReturnKeyType type) { returnKeyType_ = type; }

    // ---- accessory views ----
    UIViewPtr inputAccessoryView() const { return inputAccessoryView_; }
    void setInputAccessoryView(UIViewPtr view) { inputAccessoryView_ = std::move(view); }
    UIViewPtr inputView() const { return inputView_; }
    void setInputView(UIViewPtr view) { inputView_ = std::move(view); }
    UIViewPtr leftView() const { return leftView_; }
    void setLeftView(UIViewPtr view);
    UITextFieldViewMode leftViewMode() const { return leftViewMode_; }
    void setLeftViewMode(UITextFieldViewMode mode);
    UIViewPtr rightView() const { return rightView_; }
    void setRightView(UIViewPtr view);
    UITextFieldViewMode rightViewMode() const { return rightViewMode_; }
    void setRightViewMode(UITextFieldViewMode mode);
    UITextFieldViewMode clearButtonMode() const { return clearButtonMode_; }
    void setClearButtonMode(UITextFieldViewMode mode);
    // The clear button (a subview, shown as clearButtonMode says and only while there is text).
    const std::shared_ptr<UIButton>& clearButton() const { return clearButton_; }

    // ---- delegate ----
    std::shared_ptr<UITextFieldDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UITextFieldDelegate>& delegate) { delegate_ = delegate; }

    // ---- focus ----
    bool isEditing() const { return editing_; }
    bool canBecomeFirstResponder() const override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    // ---- selection, in UTF-16 offsets ----
    NSRange selectedTextRange() const { return selection_; }
    // Clamped to the text; an end inside a surrogate pair moves past the pair.
    void setSelectedTextRange(NSRange range);
    std::size_t beginningOfDocument() const { return 0; }
    std::size_t endOfDocument() const;
    // The offset `offset` units from `position`; none outside the text.
    std::optional<std::size_t> positionFromPosition(std::size_t position, long offset) const;
    long offsetFromPosition(std::size_t from, std::size_t to) const {
        return static_cast<long>(to) - static_cast<long>(from);
    }

    // ---- user edits (the test host's keyboard) ----
    bool hasText() const override { return !text_->empty(); }
    // Types at the caret, replacing the selection.
    void insertText(const std::string& text) override;
    // Deletes the selection, or the character before the caret.
    void deleteBackward() override;
    // Replaces the selection with `text` as one edit.
    void paste(const std::string& text);
    // Removes the selection as one edit and returns the removed text (none when nothing is selected
    // or the delegate refused).
    std::optional<std::string> cut();
    // Replaces `range` as one user edit. Returns whether the edit was applied.
    bool replaceRange(NSRange range, const std::string& text);
    // A tap on the clear button: asks textFieldShouldClear, then offers the whole text for deletion.
    void clearButtonTapped();
    // The return key: asks textFieldShouldReturn; on YES sends editing-did-end-on-exit and, when
    // something listens for it, resigns.
    void returnKey();

    unsigned defaultControlEvents() const override { return UIControlEventEditingChanged; }

    // The rectangles the platform lays the parts out in.
    CGRect textRectForBounds(CGRect bounds) const;
    CGRect leftViewRectForBounds(CGRect bounds) const;
    CGRect rightViewRectForBounds(CGRect bounds) const;
    CGRect clearButtonRectForBounds(CGRect bounds) const;

    void layoutSubviews() override;
    void drawRect(CGRect rect) override;

    // A tap puts the focus here, as on a device.
    void endTrackingWithTouch(UITouch* touch, UIEvent* event) override;

  protected:
    // Forced out of editing (endEditing(true), leaving the window), even when the delegate refused.
    void firstResponderStatusWasTakenAway() override { finishEditing(); }

  private:
    bool applyUserEdit(NSRange range, const std::string& replacement);
    void finishEditing();
    bool showsView(UITextFieldViewMode mode) const;
    void updateAccessoryVisibility();
    // The text as drawn: bullets for secure entry.
    std::string displayedText() const;

    std::optional<std::string> text_ = std::string();
    std::optional<std::string> placeholder_;
    std::optional<NSAttributedString> attributedPlaceholder_;
    UIFontPtr font_;
    UIColorPtr textColor_;
    NSTextAlignment alignment_ = NSTextAlignment::Natural;
    UITextBorderStyle borderStyle_ = UITextBorderStyleNone;
    bool secure_ = false;
    UIKeyboardType keyboardType_ = UIKeyboardTypeDefault;
    UIReturnKeyType returnKeyType_ = UIReturnKeyDefault;
    UIViewPtr inputAccessoryView_;
    UIViewPtr inputView_;
    UIViewPtr leftView_;
    UIViewPtr rightView_;
    UITextFieldViewMode leftViewMode_ = UITextFieldViewModeNever;
    UITextFieldViewMode rightViewMode_ = UITextFieldViewModeNever;
    UITextFieldViewMode clearButtonMode_ = UITextFieldViewModeNever;
    std::shared_ptr<UIButton> clearButton_;
    std::weak_ptr<UITextFieldDelegate> delegate_;
    bool editing_ = false;
    NSRange selection_{0, 0};
};

}  // namespace fv
