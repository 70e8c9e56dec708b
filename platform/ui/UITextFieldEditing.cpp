// UITextField's editing: taking and giving up the focus, the selection, and edits from the user.
#include "platform/ui/UITextField.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Text.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TextEditing.h"
#include "platform/ui/UIWindow.h"

namespace fv {

bool UITextField::canBecomeFirstResponder() const {
    return isEnabled() && window() != nullptr;
}

bool UITextField::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    auto keepAlive = weak_from_this().lock();
    if (auto d = delegate(); d && !d->textFieldShouldBeginEditing(this)) return false;
    {
        Keyboard::FocusHandoff handoff;
        if (!UIControl::becomeFirstResponder()) return false;
        editing_ = true;
        std::size_t end = text::utf16Length(*text_);
        selection_ = {end, 0};
        updateAccessoryVisibility();
        setNeedsDisplay();
        if (auto d = delegate()) d->textFieldDidBeginEditing(this);
        sendActionsForControlEvents(UIControlEventEditingDidBegin);
        NSNotificationCenter::defaultCenter().postNotificationName(UITextFieldTextDidBeginEditingNotification,
                                                                   this);
        // The delegate may have moved the focus on already.
        if (isFirstResponder()) Keyboard::inputDidBeginEditing();
    }
    return isFirstResponder();
}

bool UITextField::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    auto keepAlive = weak_from_this().lock();
    if (auto d = delegate(); d && !d->textFieldShouldEndEditing(this)) return false;
    if (!UIControl::resignFirstResponder()) return false;
    finishEditing();
    return true;
}

void UITextField::finishEditing() {
    if (!editing_) return;
    editing_ = false;
    updateAccessoryVisibility();
    setNeedsDisplay();
    if (auto d = delegate()) d->textFieldDidEndEditing(this);
    sendActionsForControlEvents(UIControlEventEditingDidEnd);
    NSNotificationCenter::defaultCenter().postNotificationName(UITextFieldTextDidEndEditingNotification,
                                                               this);
    Keyboard::inputDidEndEditing();
}

void UITextField::endTrackingWithTouch(UITouch* touch, UIEvent* event) {
    UIControl::endTrackingWithTouch(touch, event);
    if (isTouchInside() && !isFirstResponder()) becomeFirstResponder();
}

// ---- selection ----

std::size_t UITextField::endOfDocument() const {
    return text::utf16Length(*text_);
}

void UITextField::setSelectedTextRange(NSRange range) {
    selection_ = textedit::clampedSelection(*text_, range);
}

std::optional<std::size_t> UITextField::positionFromPosition(std::size_t position, long offset) const {
    long target = static_cast<long>(position) + offset;
    if (target < 0 || target > static_cast<long>(endOfDocument())) return std::nullopt;
    return static_cast<std::size_t>(target);
}

// ---- user edits ----

bool UITextField::applyUserEdit(NSRange range, const std::string& replacement) {
    auto keepAlive = weak_from_this().lock();
    auto old = textedit::applyUserEdit(*text_, selection_, range, replacement, [&] {
        auto d = delegate();
        return !d || d->textFieldShouldChangeCharactersInRange(this, range, replacement);
    });
    if (!old) return false;
    updateAccessoryVisibility();
    setNeedsDisplay();
    didChangeValueForKey("text", Value(*old), toValue(text_));
    sendActionsForControlEvents(UIControlEventEditingChanged);
    NSNotificationCenter::defaultCenter().postNotificationName(UITextFieldTextDidChangeNotification, this);
    return true;
}

void UITextField::insertText(const std::string& text) {
    // The return key types a newline, which a one-line field takes as Return.
    if (text == "\n") return returnKey();
    applyUserEdit(selection_, text);
}

void UITextField::deleteBackward() {
    if (auto range = textedit::backwardDeletionRange(*text_, selection_)) applyUserEdit(*range, "");
}

void UITextField::paste(const std::string& text) {
    applyUserEdit(selection_, text);
}

std::optional<std::string> UITextField::cut() {
    if (selection_.length == 0) return std::nullopt;
    auto removed = text::substringWithRange(*text_, selection_);
    if (!removed || !applyUserEdit(selection_, "")) return std::nullopt;
    return removed;
}

bool UITextField::replaceRange(NSRange range, const std::string& text) {
    return applyUserEdit(range, text);
}

void UITextField::clearButtonTapped() {
    auto keepAlive = weak_from_this().lock();
    if (auto d = delegate(); d && !d->textFieldShouldClear(this)) return;
    if (!text_->empty()) applyUserEdit({0, text::utf16Length(*text_)}, "");
}

void UITextField::returnKey() {
    auto keepAlive = weak_from_this().lock();
    if (auto d = delegate(); d && !d->textFieldShouldReturn(this)) return;
    bool listened = allControlEvents() & UIControlEventEditingDidEndOnExit;
    sendActionsForControlEvents(UIControlEventEditingDidEndOnExit);
    if (listened) resignFirstResponder();
}

}  // namespace fv
