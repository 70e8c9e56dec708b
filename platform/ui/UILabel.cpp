#include "platform/ui/UILabel.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UILabel);

void UILabel::registerMembers(ClassBuilder<UILabel>& b) {
    b.enumNames("textAlignment",
                {{"left", 0}, {"center", 1}, {"right", 2}, {"justified", 3}, {"natural", 4}});
    b.enumNames("lineBreakMode", {{"wordWrap", 0},
                                  {"charWrap", 1},
                                  {"clip", 2},
                                  {"truncatingHead", 3},
                                  {"truncatingTail", 4},
                                  {"truncatingMiddle", 5}});
    b.property("text", &UILabel::text, &UILabel::setText);
    fontProperty(
        b, "font", [](UILabel& l) { return l.font(); }, [](UILabel& l, UIFontPtr f) { l.setFont(f); });
    colorProperty(
        b, "textColor", [](UILabel& l) { return l.textColor(); },
        [](UILabel& l, UIColorPtr c) { l.setTextColor(c); });
    b.property("textAlignment", &UILabel::textAlignment, &UILabel::setTextAlignment);
    b.property("numberOfLines", &UILabel::numberOfLines, &UILabel::setNumberOfLines);
    b.property("lineBreakMode", &UILabel::lineBreakMode, &UILabel::setLineBreakMode);
    b.property("adjustsFontSizeToFitWidth", &UILabel::adjustsFontSizeToFitWidth,
               &UILabel::setAdjustsFontSizeToFitWidth);
    b.property("minimumScaleFactor", &UILabel::minimumScaleFactor, &UILabel::setMinimumScaleFactor);
    b.property("enabled", &UILabel::isEnabled, &UILabel::setEnabled);
}

UILabelPtr UILabel::create(CGRect frame) {
    return std::make_shared<UILabel>(frame);
}

UILabel::UILabel() : UILabel(CGRectZero) {}

UILabel::UILabel(CGRect frame)
    : UIView(frame), font_(UIFont::systemFontOfSize(17)), textColor_(UIColor::blackColor()) {
    setUserInteractionEnabled(false);
    setOpaque(false);
    setContentMode(UIViewContentModeRedraw);
}

UILabel::~UILabel() = default;

void UILabel::textDidChange() {
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void UILabel::setText(const std::optional<std::string>& text) {
    Value old = toValue(text_);
    text_ = text;
    attributedText_.reset();
    textDidChange();
    didChangeValueForKey("text", old, toValue(text_));
}

void UILabel::setAttributedText(const std::optional<NSAttributedString>& text) {
    Value old = toValue(text_);
    attributedText_ = text;
    text_ = text ? std::optional<std::string>(text->string()) : std::nullopt;
    textDidChange();
    didChangeValueForKey("text", old, toValue(text_));
}

void UILabel::setFont(UIFontPtr font) {
    font_ = font ? std::move(font) : UIFont::systemFontOfSize(17);
    textDidChange();
}

void UILabel::setTextColor(UIColorPtr color) {
    textColor_ = color ? std::move(color) : UIColor::blackColor();
    setNeedsDisplay();
}

void UILabel::setTextAlignment(NSTextAlignment alignment) {
    alignment_ = alignment;
    setNeedsDisplay();
}

void UILabel::setNumberOfLines(int lines) {
    numberOfLines_ = std::max(0, lines);
    textDidChange();
}

void UILabel::setLineBreakMode(NSLineBreakMode mode) {
    lineBreakMode_ = mode;
    setNeedsDisplay();
}

void UILabel::setAdjustsFontSizeToFitWidth(bool on) {
    adjustsFontSize_ = on;
    setNeedsDisplay();
}

void UILabel::setMinimumScaleFactor(CGFloat factor) {
    minimumScaleFactor_ = std::clamp<CGFloat>(factor, 0, 1);
    setNeedsDisplay();
}

void UILabel::setEnabled(bool enabled) {
    enabled_ = enabled;
    setNeedsDisplay();
}

NSAttributedString UILabel::displayedText() const {
    if (attributedText_) return *attributedText_;
    return NSAttributedString(text_.value_or(""));
}

UIFontPtr UILabel::effectiveFont() const {
    if (!adjustsFontSize_ || numberOfLines_ != 1 || !text_ || text_->empty()) return font_;
    CGFloat width = bounds().size.width;
    CGFloat natural = TextLayout::widthOfText(*text_, font_);
    if (natural <= width || natural <= 0) return font_;
    CGFloat minimumSize = font_->pointSize() * (minimumScaleFactor_ > 0 ? minimumScaleFactor_ : 0.05);
    // Text width grows about linearly with size: start from the ratio, then step down until it fits.
    CGFloat size = std::floor(font_->pointSize() * width / natural * 2) / 2;
    size = std::max(size, minimumSize);
    auto font = font_->fontWithSize(size);
    while (size - 0.5 >= minimumSize && TextLayout::widthOfText(*text_, font) > width) {
        size -= 0.5;
        font = font_->fontWithSize(size);
    }
    return font;
}

TextStyle UILabel::textStyle() const {
    TextStyle style;
    style.font = effectiveFont();
    style.textColor = enabled_ ? textColor_ : UIColor::grayColor();
    style.alignment = alignment_;
    style.lineBreakMode = lineBreakMode_;
    style.numberOfLines = numberOfLines_;
    return style;
}

CGSize UILabel::sizeThatFits(CGSize size) const {
    if (!text_ || text_->empty()) return CGSizeZero;
    TextStyle style = textStyle();
    style.font = font_;
    CGFloat limit = numberOfLines_ == 1 || size.width <= 0 ? kTextNoWidthLimit : size.width;
    CGSize fit = TextLayout::sizeOfText(displayedText(), style, limit);
    return {std::ceil(fit.width), std::ceil(fit.height)};
}

CGSize UILabel::intrinsicContentSize() const {
    return sizeThatFits({numberOfLines_ == 1 ? 0 : bounds().size.width, 0});
}

void UILabel::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context || !text_ || text_->empty()) return;
    TextStyle style = textStyle();
    auto text = displayedText();
    CGRect b = bounds();
    // Labels centre their lines vertically; what does not fit is cut at the bottom.
    CGFloat height = std::min(TextLayout::sizeOfText(text, style, b.size.width).height, b.size.height);
    CGRect rect{{b.origin.x, b.origin.y + std::max<CGFloat>(0, (b.size.height - height) / 2)},
                {b.size.width, height}};
    TextLayout::drawText(*context, text, style, rect);
}

}  // namespace fv
