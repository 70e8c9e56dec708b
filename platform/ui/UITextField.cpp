#include "platform/ui/UITextField.h"

#include <algorithm>

#include "platform/foundation/Text.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/TextEditing.h"
#include "platform/ui/UIButton.h"

namespace fv {

FV_REGISTER_CLASS(UITextField);

namespace {

constexpr CGFloat kClearButtonSize = 22;
constexpr CGFloat kBorderPadding = 7;

template <typename Member, typename Cast>
void viewObject(ClassBuilder<UITextField>& b, const std::string& name, Member get, Cast set) {
    b.object(
        name, [get](UITextField& f) -> NSObjectPtr { return (f.*get)(); },
        [set](UITextField& f, const NSObjectPtr& o) {
            auto view = std::dynamic_pointer_cast<UIView>(o);
            if (o && !view) return false;
            (f.*set)(view);
            return true;
        });
}

// Draws the platform's grey circled cross until someone gives it an image.
class ClearButton : public UIButton {
  public:
    void drawRect(CGRect rect) override {
        if (currentImage()) return UIButton::drawRect(rect);
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        CGRect b = bounds();
        CGFloat d = std::min<CGFloat>({b.size.width, b.size.height, 16});
        CGRect circle{{CGRectGetMidX(b) - d / 2, CGRectGetMidY(b) - d / 2}, {d, d}};
        context->setFillColor(UIColor::colorWithWhite(0.7, 1));
        context->fillEllipseInRect(circle);
        CGFloat arm = d * 0.2;
        context->setStrokeColor(UIColor::whiteColor());
        context->setLineWidth(1.5);
        context->beginPath();
        context->moveToPoint({CGRectGetMidX(b) - arm, CGRectGetMidY(b) - arm});
        context->addLineToPoint({CGRectGetMidX(b) + arm, CGRectGetMidY(b) + arm});
        context->moveToPoint({CGRectGetMidX(b) + arm, CGRectGetMidY(b) - arm});
        context->addLineToPoint({CGRectGetMidX(b) - arm, CGRectGetMidY(b) + arm});
        context->strokePath();
    }
};

}  // namespace

void UITextField::registerMembers(ClassBuilder<UITextField>& b) {
    textInputTraitNames(b);
    b.enumNames("borderStyle", {{"none", 0}, {"line", 1}, {"bezel", 2}, {"roundedRect", 3}});
    b.enumNames("clearButtonMode", {{"never", 0}, {"whileEditing", 1}, {"unlessEditing", 2}, {"always", 3}});
    b.property("text", &UITextField::text, &UITextField::setText);
    b.property("placeholder", &UITextField::placeholder, &UITextField::setPlaceholder);
    fontProperty(
        b, "font", [](UITextField& f) { return f.font(); },
        [](UITextField& f, UIFontPtr v) { f.setFont(v); });
    colorProperty(
        b, "textColor", [](UITextField& f) { return f.textColor(); },
        [](UITextField& f, UIColorPtr c) { f.setTextColor(c); });
    b.property("textAlignment", &UITextField::textAlignment, &UITextField::setTextAlignment);
    b.property("borderStyle", &UITextField::borderStyle, &UITextField::setBorderStyle);
    b.property("secureTextEntry", &UITextField::isSecureTextEntry, &UITextField::setSecureTextEntry);
    b.property("keyboardType", &UITextField::keyboardType, &UITextField::setKeyboardType);
    b.property("returnKeyType", &UITextField::returnKeyType, &UITextField::setReturnKeyType);
    b.property("clearButtonMode", &UITextField::clearButtonMode, &UITextField::setClearButtonMode);
    b.property("leftViewMode", &UITextField::leftViewMode, &UITextField::setLeftViewMode);
    b.property("rightViewMode", &UITextField::rightViewMode, &UITextField::setRightViewMode);
    b.property("editing", &UITextField::isEditing);
    b.object(
        "delegate", [](UITextField& f) { return std::dynamic_pointer_cast<NSObject>(f.delegate()); },
        [](UITextField& f, const NSObjectPtr& o) {
            auto delegate = std::dynamic_pointer_cast<UITextFieldDelegate>(o);
            if (o && !delegate) return false;
            f.setDelegate(delegate);
            return true;
        });
    viewObject(b, "inputAccessoryView", &UITextField::inputAccessoryView,
               &UITextField::setInputAccessoryView);
    viewObject(b, "inputView", &UITextField::inputView, &UITextField::setInputView);
    viewObject(b, "leftView", &UITextField::leftView, &UITextField::setLeftView);
    viewObject(b, "rightView", &UITextField::rightView, &UITextField::setRightView);
    b.object(
        "clearButton", [](UITextField& f) -> NSObjectPtr { return f.clearButton(); }, nullptr);
    b.action("clearButtonTapped", &UITextField::clearButtonTapped);
}

UITextFieldPtr UITextField::create(CGRect frame) {
    return std::make_shared<UITextField>(frame);
}

UITextField::UITextField() : UITextField(CGRectZero) {}

UITextField::UITextField(CGRect frame)
    : UIControl(frame), font_(UIFont::systemFontOfSize(17)), textColor_(UIColor::blackColor()) {
    setOpaque(false);
    setContentVerticalAlignment(UIControlContentVerticalAlignmentCenter);
    clearButton_ = std::make_shared<ClearButton>();
    clearButton_->setFrame({{0, 0}, {kClearButtonSize, kClearButtonSize}});
    addSubview(clearButton_);
    updateAccessoryVisibility();
}

UITextField::~UITextField() = default;

// ---- content ----

void UITextField::setText(const std::optional<std::string>& text) {
    Value old = toValue(text_);
    text_ = text.value_or("");
    // A replaced text leaves the caret at its end.
    std::size_t end = text::utf16Length(*text_);
    selection_ = {end, 0};
    updateAccessoryVisibility();
    setNeedsDisplay();
    didChangeValueForKey("text", old, toValue(text_));
}

std::optional<NSAttributedString> UITextField::attributedText() const {
    NSAttributes attrs{{NSFontAttributeName, font_}, {NSForegroundColorAttributeName, textColor_}};
    return NSAttributedString(*text_, attrs);
}

void UITextField::setAttributedText(const std::optional<NSAttributedString>& text) {
    setText(text ? std::optional<std::string>(text->string()) : std::nullopt);
}

void UITextField::setPlaceholder(const std::optional<std::string>& placeholder) {
    placeholder_ = placeholder;
    attributedPlaceholder_.reset();
    setNeedsDisplay();
}

void UITextField::setAttributedPlaceholder(const std::optional<NSAttributedString>& placeholder) {
    attributedPlaceholder_ = placeholder;
    placeholder_ = placeholder ? std::optional<std::string>(placeholder->string()) : std::nullopt;
    setNeedsDisplay();
}

void UITextField::setFont(UIFontPtr font) {
    font_ = font ? std::move(font) : UIFont::systemFontOfSize(17);
    setNeedsDisplay();
}

void UITextField::setTextColor(UIColorPtr color) {
    textColor_ = color ? std::move(color) : UIColor::blackColor();
    setNeedsDisplay();
}

void UITextField::setTextAlignment(NSTextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void UITextField::setBorderStyle(UITextBorderStyle style) {
    borderStyle_ = style;
    setNeedsLayout();
    setNeedsDisplay();
}

void UITextField::setSecureTextEntry(bool secure) {
    secure_ = secure;
    setNeedsDisplay();
}

// ---- accessory views ----

void UITextField::setLeftView(UIViewPtr view) {
    if (leftView_ && leftView_->superview() == this) leftView_->removeFromSuperview();
    leftView_ = std::move(view);
    if (leftView_) addSubview(leftView_);
    updateAccessoryVisibility();
}

void UITextField::setRightView(UIViewPtr view) {
    if (rightView_ && rightView_->superview() == this) rightView_->removeFromSuperview();
    rightView_ = std::move(view);
    if (rightView_) addSubview(rightView_);
    updateAccessoryVisibility();
}

void UITextField::setLeftViewMode(UITextFieldViewMode mode) {
    leftViewMode_ = mode;
    updateAccessoryVisibility();
}

void UITextField::setRightViewMode(UITextFieldViewMode mode) {
    rightViewMode_ = mode;
    updateAccessoryVisibility();
}

void UITextField::setClearButtonMode(UITextFieldViewMode mode) {
    clearButtonMode_ = mode;
    updateAccessoryVisibility();
}

bool UITextField::showsView(UITextFieldViewMode mode) const {
    switch (mode) {
        case UITextFieldViewModeNever:
            return false;
        case UITextFieldViewModeWhileEditing:
            return editing_;
        case UITextFieldViewModeUnlessEditing:
            return !editing_;
        case UITextFieldViewModeAlways:
            return true;
    }
    return false;
}

void UITextField::updateAccessoryVisibility() {
    if (leftView_) leftView_->setHidden(!showsView(leftViewMode_));
    if (rightView_) rightView_->setHidden(!showsView(rightViewMode_));
    clearButton_->setHidden(!showsView(clearButtonMode_) || text_->empty());
    setNeedsLayout();
}

// ---- layout and drawing ----

CGRect UITextField::leftViewRectForBounds(CGRect b) const {
    if (!leftView_) return CGRectZero;
    CGSize s = leftView_->frame().size;
    return {{b.origin.x, b.origin.y + (b.size.height - s.height) / 2}, s};
}

CGRect UITextField::rightViewRectForBounds(CGRect b) const {
    if (!rightView_) return CGRectZero;
    CGSize s = rightView_->frame().size;
    return {{CGRectGetMaxX(b) - s.width, b.origin.y + (b.size.height - s.height) / 2}, s};
}

CGRect UITextField::clearButtonRectForBounds(CGRect b) const {
    CGFloat right = CGRectGetMaxX(b) - 5;
    if (rightView_ && !rightView_->isHidden()) right -= rightView_->frame().size.width;
    return {{right - kClearButtonSize, b.origin.y + (b.size.height - kClearButtonSize) / 2},
            {kClearButtonSize, kClearButtonSize}};
}

CGRect UITextField::textRectForBounds(CGRect b) const {
    CGFloat left = b.origin.x, right = CGRectGetMaxX(b);
    if (borderStyle_ != UITextBorderStyleNone) {
        left += kBorderPadding;
        right -= kBorderPadding;
    }
    if (leftView_ && !leftView_->isHidden()) left = std::max(left, CGRectGetMaxX(leftViewRectForBounds(b)));
    if (rightView_ && !rightView_->isHidden()) right = std::min(right, rightViewRectForBounds(b).origin.x);
    if (!clearButton_->isHidden()) right = std::min(right, clearButtonRectForBounds(b).origin.x);
    return {{left, b.origin.y}, {std::max<CGFloat>(0, right - left), b.size.height}};
}

void UITextField::layoutSubviews() {
    CGRect b = bounds();
    if (leftView_) leftView_->setFrame(leftViewRectForBounds(b));
    if (rightView_) rightView_->setFrame(rightViewRectForBounds(b));
    clearButton_->setFrame(clearButtonRectForBounds(b));
    if (auto self = weak_from_this().lock())
        clearButton_->addTarget(self, "clearButtonTapped", UIControlEventTouchUpInside);
}

std::string UITextField::displayedText() const {
    return secure_ ? textedit::bullets(*text_) : *text_;
}

void UITextField::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    if (borderStyle_ == UITextBorderStyleRoundedRect) {
        context->setFillColor(UIColor::whiteColor());
        context->setStrokeColor(UIColor::colorWithWhite(0.8, 1));
        context->setLineWidth(1);
        context->addRoundedRect(CGRectInset(b, 0.5, 0.5), 5);
        context->drawPath(CGPathDrawingMode::FillStroke);
    } else if (borderStyle_ == UITextBorderStyleLine || borderStyle_ == UITextBorderStyleBezel) {
        context->setStrokeColor(UIColor::darkGrayColor());
        context->setLineWidth(1);
        context->strokeRect(CGRectInset(b, 0.5, 0.5));
    }
    TextStyle style;
    style.font = font_;
    style.alignment = alignment_;
    style.numberOfLines = 1;
    style.lineBreakMode = NSLineBreakMode::ByClipping;
    CGRect textRect = textRectForBounds(b);
    NSAttributedString shown;
    if (!text_->empty()) {
        style.textColor = textColor_;
        shown = NSAttributedString(displayedText());
    } else if (attributedPlaceholder_) {
        style.textColor = UIColor::colorWithWhite(0.7, 1);
        shown = *attributedPlaceholder_;
    } else if (placeholder_) {
        style.textColor = UIColor::colorWithWhite(0.7, 1);
        shown = NSAttributedString(*placeholder_);
    } else {
        return;
    }
    CGFloat h = TextLayout::sizeOfText(shown, style).height;
    CGRect line{{textRect.origin.x, textRect.origin.y + (textRect.size.height - h) / 2},
                {textRect.size.width, h}};
    TextLayout::drawText(*context, shown, style, line);
}

}  // namespace fv
