#include "platform/ui/UITextView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Text.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TextEditing.h"
#include "platform/ui/UIWindow.h"

namespace fv {

FV_REGISTER_CLASS(UITextView);

namespace {
constexpr CGFloat kLinePadding = 5;
}

void UITextView::registerMembers(ClassBuilder<UITextView>& b) {
    textInputTraitNames(b);
    b.property("text", &UITextView::text, &UITextView::setText);
    fontProperty(
        b, "font", [](UITextView& v) { return v.font(); }, [](UITextView& v, UIFontPtr f) { v.setFont(f); });
    colorProperty(
        b, "textColor", [](UITextView& v) { return v.textColor(); },
        [](UITextView& v, UIColorPtr c) { v.setTextColor(c); });
    b.property("textAlignment", &UITextView::textAlignment, &UITextView::setTextAlignment);
    b.property("editable", &UITextView::isEditable, &UITextView::setEditable);
    b.property("selectable", &UITextView::isSelectable, &UITextView::setSelectable);
    insetsProperty(
        b, "textContainerInset", [](UITextView& v) { return v.textContainerInset(); },
        [](UITextView& v, UIEdgeInsets i) { v.setTextContainerInset(i); });
    b.object(
        "inputAccessoryView", [](UITextView& v) -> NSObjectPtr { return v.inputAccessoryView(); },
        [](UITextView& v, const NSObjectPtr& o) {
            auto view = std::dynamic_pointer_cast<UIView>(o);
            if (o && !view) return false;
            v.setInputAccessoryView(view);
            return true;
        });
}

UITextViewPtr UITextView::create(CGRect frame) {
    return std::make_shared<UITextView>(frame);
}

UITextView::UITextView() : UITextView(CGRectZero) {}

UITextView::UITextView(CGRect frame)
    : UIScrollView(frame), font_(UIFont::systemFontOfSize(12)), textColor_(UIColor::blackColor()) {
    setOpaque(false);
}

UITextView::~UITextView() = default;

void UITextView::setText(const std::optional<std::string>& text) {
    Value old = toValue(text_);
    text_ = text.value_or("");
    selection_ = {text::utf16Length(*text_), 0};
    setNeedsLayout();
    setNeedsDisplay();
    didChangeValueForKey("text", old, toValue(text_));
}

void UITextView::setFont(UIFontPtr font) {
    font_ = font ? std::move(font) : UIFont::systemFontOfSize(12);
    setNeedsLayout();
    setNeedsDisplay();
}

void UITextView::setTextColor(UIColorPtr color) {
    textColor_ = color ? std::move(color) : UIColor::blackColor();
    setNeedsDisplay();
}

void UITextView::setTextAlignment(NSTextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void UITextView::setEditable(bool editable) {
    editable_ = editable;
    if (!editable && isFirstResponder()) resignFirstResponder();
}

void UITextView::setTextContainerInset(UIEdgeInsets insets) {
    textContainerInset_ = insets;
    setNeedsLayout();
    setNeedsDisplay();
}

void UITextView::setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) {
    UIScrollView::setDelegate(delegate);
    textDelegate_ = std::dynamic_pointer_cast<UITextViewDelegate>(delegate);
}

void UITextView::setSelectedRange(NSRange range) {
    selection_ = textedit::clampedSelection(*text_, range);
}

// ---- focus ----

bool UITextView::canBecomeFirstResponder() const {
    return editable_ && window() != nullptr;
}

bool UITextView::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    auto keepAlive = weak_from_this().lock();
    if (auto d = textViewDelegate(); d && !d->textViewShouldBeginEditing(this)) return false;
    Keyboard::FocusHandoff handoff;
    if (!UIScrollView::becomeFirstResponder()) return false;
    editing_ = true;
    if (auto d = textViewDelegate()) d->textViewDidBeginEditing(this);
    if (isFirstResponder()) Keyboard::inputDidBeginEditing();
    return isFirstResponder();
}

bool UITextView::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    auto keepAlive = weak_from_this().lock();
    if (auto d = textViewDelegate(); d && !d->textViewShouldEndEditing(this)) return false;
    if (!UIScrollView::resignFirstResponder()) return false;
    finishEditing();
    return true;
}

void UITextView::finishEditing() {
    if (!editing_) return;
    editing_ = false;
    if (auto d = textViewDelegate()) d->textViewDidEndEditing(this);
    Keyboard::inputDidEndEditing();
}

void UITextView::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    UIScrollView::touchesEnded(touches, event);
    if (!touches.empty() && pointInside(touches.front()->locationInView(this), event) && !isFirstResponder())
        becomeFirstResponder();
}

// ---- user edits ----

bool UITextView::applyUserEdit(NSRange range, const std::string& replacement) {
    if (!editable_) return false;
    auto keepAlive = weak_from_this().lock();
    auto old = textedit::applyUserEdit(*text_, selection_, range, replacement, [&] {
        auto d = textViewDelegate();
        return !d || d->textViewShouldChangeTextInRange(this, range, replacement);
    });
    if (!old) return false;
    setNeedsLayout();
    setNeedsDisplay();
    didChangeValueForKey("text", Value(*old), toValue(text_));
    if (auto d = textViewDelegate()) d->textViewDidChange(this);
    return true;
}

void UITextView::insertText(const std::string& text) {
    applyUserEdit(selection_, text);
}

void UITextView::deleteBackward() {
    if (auto range = textedit::backwardDeletionRange(*text_, selection_)) applyUserEdit(*range, "");
}

bool UITextView::replaceRange(NSRange range, const std::string& text) {
    return applyUserEdit(range, text);
}

// ---- layout and drawing ----

TextStyle UITextView::textStyle() const {
    TextStyle style;
    style.font = font_;
    style.textColor = textColor_;
    style.alignment = alignment_;
    return style;
}

void UITextView::layoutSubviews() {
    UIScrollView::layoutSubviews();
    CGFloat width = bounds().size.width;
    CGFloat textWidth =
        std::max<CGFloat>(0, width - textContainerInset_.left - textContainerInset_.right - 2 * kLinePadding);
    CGFloat height = text_->empty()
                         ? font_->lineHeight()
                         : TextLayout::sizeOfText(NSAttributedString(*text_), textStyle(), textWidth).height;
    CGSize size{width, std::ceil(height + textContainerInset_.top + textContainerInset_.bottom)};
    if (size.width != contentSize().width || size.height != contentSize().height) setContentSize(size);
}

void UITextView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context || text_->empty()) return;
    CGSize content = contentSize();
    CGRect rect{{textContainerInset_.left + kLinePadding, textContainerInset_.top},
                {std::max<CGFloat>(0, bounds().size.width - textContainerInset_.left -
                                          textContainerInset_.right - 2 * kLinePadding),
                 std::max<CGFloat>(content.height, bounds().size.height)}};
    TextLayout::drawText(*context, NSAttributedString(*text_), textStyle(), rect);
}

}  // namespace fv
