#include "platform/ui/UIButton.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

FV_REGISTER_CLASS(UIButton);

void UIButton::registerMembers(ClassBuilder<UIButton>& b) {
    // Interface files set the normal state's content by these names.
    b.property(
        "title", [](UIButton& v) { return toValue(v.titleForState(UIControlStateNormal)); },
        [](UIButton& v, const Value& value) {
            auto t = fromValue<std::optional<std::string>>(value);
            if (!t) return false;
            v.setTitle(*t, UIControlStateNormal);
            return true;
        });
    b.property("currentTitle", &UIButton::currentTitle);
    colorProperty(
        b, "titleColor", [](UIButton& v) { return v.titleColorForState(UIControlStateNormal); },
        [](UIButton& v, UIColorPtr c) { v.setTitleColor(c, UIControlStateNormal); });
    imageProperty(b, "image", [](UIButton& v, UIImagePtr i) { v.setImage(i, UIControlStateNormal); });
    imageProperty(b, "backgroundImage",
                  [](UIButton& v, UIImagePtr i) { v.setBackgroundImage(i, UIControlStateNormal); });
    fontProperty(
        b, "font", [](UIButton& v) { return v.titleLabel()->font(); },
        [](UIButton& v, UIFontPtr f) { v.titleLabel()->setFont(f); });
    insetsProperty(
        b, "contentEdgeInsets", [](UIButton& v) { return v.contentEdgeInsets(); },
        [](UIButton& v, UIEdgeInsets i) { v.setContentEdgeInsets(i); });
    insetsProperty(
        b, "titleEdgeInsets", [](UIButton& v) { return v.titleEdgeInsets(); },
        [](UIButton& v, UIEdgeInsets i) { v.setTitleEdgeInsets(i); });
    insetsProperty(
        b, "imageEdgeInsets", [](UIButton& v) { return v.imageEdgeInsets(); },
        [](UIButton& v, UIEdgeInsets i) { v.setImageEdgeInsets(i); });
    b.object(
        "titleLabel", [](UIButton& v) -> NSObjectPtr { return v.titleLabel(); }, nullptr);
    b.object(
        "imageView", [](UIButton& v) -> NSObjectPtr { return v.imageView(); }, nullptr);
}

UIButtonPtr UIButton::buttonWithType(UIButtonType type) {
    auto button = std::make_shared<UIButton>();
    button->type_ = type;
    button->updateParts();
    return button;
}

UIButtonPtr UIButton::create(CGRect frame) {
    return std::make_shared<UIButton>(frame);
}

UIButton::UIButton() : UIButton(CGRectZero) {}

UIButton::UIButton(CGRect frame)
    : UIControl(frame),
      titleLabel_(std::make_shared<UILabel>()),
      imageView_(std::make_shared<UIImageView>()),
      backgroundView_(std::make_shared<UIImageView>()) {
    setOpaque(false);
    titleLabel_->setFont(UIFont::systemFontOfSize(15));
    titleLabel_->setTextAlignment(NSTextAlignment::Center);
    imageView_->setContentMode(UIViewContentModeCenter);
    updateParts();
}

UIButton::~UIButton() = default;

template <typename T>
T UIButton::lookup(const PerState<T>& table, unsigned state, T fallback) {
    if (auto it = table.find(state); it != table.end() && it->second) return it->second;
    // Selected and highlighted together fall back to selected before normal.
    if (state & UIControlStateSelected) {
        if (auto it = table.find(UIControlStateSelected); it != table.end() && it->second) return it->second;
    }
    if (auto it = table.find(UIControlStateNormal); it != table.end() && it->second) return it->second;
    return fallback;
}

std::optional<std::string> UIButton::titleForState(unsigned state) const {
    return lookup<std::optional<std::string>>(titles_, state, std::nullopt);
}

void UIButton::setTitle(const std::optional<std::string>& title, unsigned state) {
    Value old = toValue(currentTitle());
    titles_[state] = title;
    updateParts();
    didChangeValueForKey("currentTitle", old, toValue(currentTitle()));
}

std::optional<NSAttributedString> UIButton::attributedTitleForState(unsigned state) const {
    return lookup<std::optional<NSAttributedString>>(attributedTitles_, state, std::nullopt);
}

void UIButton::setAttributedTitle(const std::optional<NSAttributedString>& title, unsigned state) {
    attributedTitles_[state] = title;
    updateParts();
}

UIColorPtr UIButton::titleColorForState(unsigned state) const {
    UIColorPtr fallback;
    if (type_ == UIButtonTypeSystem) {
        fallback = (state & UIControlStateDisabled) ? UIColor::lightGrayColor() : tintColor();
    } else {
        fallback = UIColor::whiteColor();
    }
    return lookup<UIColorPtr>(titleColors_, state, fallback);
}

void UIButton::setTitleColor(UIColorPtr color, unsigned state) {
    titleColors_[state] = std::move(color);
    updateParts();
}

UIImagePtr UIButton::imageForState(unsigned state) const {
    return lookup<UIImagePtr>(images_, state, nullptr);
}

void UIButton::setImage(UIImagePtr image, unsigned state) {
    images_[state] = std::move(image);
    updateParts();
}

UIImagePtr UIButton::backgroundImageForState(unsigned state) const {
    return lookup<UIImagePtr>(backgroundImages_, state, nullptr);
}

void UIButton::setBackgroundImage(UIImagePtr image, unsigned state) {
    backgroundImages_[state] = std::move(image);
    updateParts();
}

std::optional<std::string> UIButton::currentTitle() const {
    return titleForState(state());
}
std::optional<NSAttributedString> UIButton::currentAttributedTitle() const {
    return attributedTitleForState(state());
}
UIColorPtr UIButton::currentTitleColor() const {
    return titleColorForState(state());
}
UIImagePtr UIButton::currentImage() const {
    return imageForState(state());
}
UIImagePtr UIButton::currentBackgroundImage() const {
    return backgroundImageForState(state());
}

void UIButton::setContentEdgeInsets(UIEdgeInsets insets) {
    contentEdgeInsets_ = insets;
    setNeedsLayout();
    setNeedsDisplay();
}

void UIButton::setTitleEdgeInsets(UIEdgeInsets insets) {
    titleEdgeInsets_ = insets;
    setNeedsLayout();
    setNeedsDisplay();
}

void UIButton::setImageEdgeInsets(UIEdgeInsets insets) {
    imageEdgeInsets_ = insets;
    setNeedsLayout();
    setNeedsDisplay();
}

void UIButton::stateDidChange() {
    updateParts();
}

void UIButton::tintColorDidChange() {
    updateParts();
}

void UIButton::updateParts() {
    if (auto attributed = currentAttributedTitle()) {
        titleLabel_->setAttributedText(attributed);
    } else {
        titleLabel_->setText(currentTitle());
    }
    titleLabel_->setTextColor(currentTitleColor());
    imageView_->setImage(currentImage());
    backgroundView_->setImage(currentBackgroundImage());
    invalidateIntrinsicContentSize();
    setNeedsLayout();
    setNeedsDisplay();
}

CGRect UIButton::contentRectForBounds(CGRect b) const {
    return UIEdgeInsetsInsetRect(b, contentEdgeInsets_);
}

namespace {

CGSize titleSize(const UILabel& label) {
    return label.sizeThatFits({0, 0});
}

}  // namespace

// The image and the title sit side by side, the pair placed as the content alignments say.
static CGRect placeInContent(CGRect content, CGFloat offset, CGSize size, CGFloat pairWidth,
                             UIControlContentHorizontalAlignment h, UIControlContentVerticalAlignment v) {
    CGFloat x = content.origin.x;
    if (h == UIControlContentHorizontalAlignmentCenter) x += (content.size.width - pairWidth) / 2;
    if (h == UIControlContentHorizontalAlignmentRight) x += content.size.width - pairWidth;
    CGFloat y = content.origin.y;
    CGFloat height = size.height;
    if (v == UIControlContentVerticalAlignmentCenter) y += (content.size.height - size.height) / 2;
    if (v == UIControlContentVerticalAlignmentBottom) y += content.size.height - size.height;
    if (v == UIControlContentVerticalAlignmentFill) height = content.size.height;
    return {{x + offset, y}, {size.width, height}};
}

CGRect UIButton::imageRectForContentRect(CGRect content) const {
    auto image = currentImage();
    CGSize is = image ? image->size() : CGSizeZero;
    CGSize ts = titleSize(*titleLabel_);
    auto h = contentHorizontalAlignment();
    if (h == UIControlContentHorizontalAlignmentFill && !titleLabel_->text()) return content;
    CGFloat pair = std::min(is.width + ts.width, content.size.width);
    CGRect r = placeInContent(content, 0, is, pair, h, contentVerticalAlignment());
    return UIEdgeInsetsInsetRect(r, imageEdgeInsets_);
}

CGRect UIButton::titleRectForContentRect(CGRect content) const {
    auto image = currentImage();
    CGSize is = image ? image->size() : CGSizeZero;
    CGSize ts = titleSize(*titleLabel_);
    // The title gives way when the pair is wider than the content.
    ts.width = std::max<CGFloat>(0, std::min(ts.width, content.size.width - is.width));
    CGFloat pair = is.width + ts.width;
    auto h = contentHorizontalAlignment();
    if (h == UIControlContentHorizontalAlignmentFill) {
        ts.width = std::max<CGFloat>(0, content.size.width - is.width);
        pair = content.size.width;
    }
    CGRect r = placeInContent(content, is.width, ts, pair, h, contentVerticalAlignment());
    return UIEdgeInsetsInsetRect(r, titleEdgeInsets_);
}

void UIButton::layoutSubviews() {
    CGRect content = contentRectForBounds(bounds());
    backgroundView_->setFrame(bounds());
    imageView_->setFrame(imageRectForContentRect(content));
    titleLabel_->setFrame(titleRectForContentRect(content));
}

CGSize UIButton::sizeThatFits(CGSize) const {
    auto image = currentImage();
    CGSize is = image ? image->size() : CGSizeZero;
    CGSize ts = titleSize(*titleLabel_);
    CGSize size{is.width + ts.width + contentEdgeInsets_.left + contentEdgeInsets_.right,
                std::max(is.height, ts.height) + contentEdgeInsets_.top + contentEdgeInsets_.bottom};
    if (auto bg = currentBackgroundImage()) {
        size.width = std::max(size.width, bg->size().width);
        size.height = std::max(size.height, bg->size().height);
    }
    return size;
}

CGSize UIButton::intrinsicContentSize() const {
    return sizeThatFits(CGSizeZero);
}

void UIButton::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    layoutSubviews();
    // Highlighting dims the content, as the platform's buttons do.
    bool dim = isHighlighted() && adjustsImageWhenHighlighted_;
    context->saveGState();
    if (dim) context->setAlpha(context->alpha() * 0.6);
    for (const auto& part : {UIViewPtr(backgroundView_), UIViewPtr(imageView_), UIViewPtr(titleLabel_)}) {
        if (part->isHidden()) continue;
        CGRect f = part->frame();
        context->saveGState();
        context->translateCTM(f.origin.x, f.origin.y);
        renderViewTree(*part, context);
        context->restoreGState();
    }
    context->restoreGState();
}

}  // namespace fv
