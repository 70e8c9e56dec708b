#include "screenkit/LinkLabel.h"

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"

namespace fv {

FV_REGISTER_CLASS(LinkLabel);

void LinkLabel::registerMembers(ClassBuilder<LinkLabel>& b) {
    b.object(
        "delegate", [](LinkLabel& l) { return std::dynamic_pointer_cast<NSObject>(l.delegate()); },
        [](LinkLabel& l, const NSObjectPtr& v) {
            auto typed = std::dynamic_pointer_cast<LinkLabelDelegate>(v);
            if (v && !typed) return false;
            l.setDelegate(typed);
            return true;
        });
}

std::shared_ptr<LinkLabel> LinkLabel::create(CGRect frame) {
    return std::make_shared<LinkLabel>(frame);
}

LinkLabel::LinkLabel() : LinkLabel(CGRectZero) {}

LinkLabel::LinkLabel(CGRect frame) : UILabel(frame) {
    setUserInteractionEnabled(true);
    UIColorPtr blue = UIColor::colorWithRed(0.08, 0.44, 0.94, 1);
    linkAttributes_ = {{NSForegroundColorAttributeName, blue},
                       {NSUnderlineStyleAttributeName, static_cast<double>(NSUnderlineStyleSingle)}};
    activeLinkAttributes_ = {{NSForegroundColorAttributeName, UIColor::colorWithRed(0.05, 0.25, 0.6, 1)},
                             {NSUnderlineStyleAttributeName, static_cast<double>(NSUnderlineStyleSingle)}};
    inactiveLinkAttributes_ = {{NSForegroundColorAttributeName, UIColor::grayColor()}};
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::setLinkAttributes(const NSAttributes& attributes) {
    linkAttributes_ = attributes;
    setNeedsDisplay();
}

void LinkLabel::setActiveLinkAttributes(const NSAttributes& attributes) {
    activeLinkAttributes_ = attributes;
    setNeedsDisplay();
}

void LinkLabel::setInactiveLinkAttributes(const NSAttributes& attributes) {
    inactiveLinkAttributes_ = attributes;
    setNeedsDisplay();
}

NSAttributedString LinkLabel::baseText() const {
    if (attributedText()) return *attributedText();
    return NSAttributedString(text().value_or(""));
}

std::optional<LinkLabelLink> LinkLabel::addLinkToURL(const std::string& url, NSRange range) {
    std::size_t length = baseText().length();
    if (range.length == 0 || range.location > length || range.length > length - range.location)
        return std::nullopt;
    links_.push_back({url, range});
    setNeedsDisplay();
    return links_.back();
}

std::vector<LinkLabelLink> LinkLabel::links() const {
    std::size_t length = baseText().length();
    std::vector<LinkLabelLink> fitting;
    for (const auto& link : links_)
        if (link.range.location <= length && link.range.length <= length - link.range.location)
            fitting.push_back(link);
    return fitting;
}

NSAttributedString LinkLabel::styledText() const {
    NSMutableAttributedString text(baseText());
    for (const auto& link : links()) {
        const NSAttributes& attrs = !isEnabled()                          ? inactiveLinkAttributes_
                                    : activeLink_ && *activeLink_ == link ? activeLinkAttributes_
                                                                          : linkAttributes_;
        text.addAttributes(attrs, link.range);
    }
    return text;
}

CGFloat LinkLabel::textTop(const NSAttributedString& text) const {
    CGRect b = bounds();
    CGSize size = TextLayout::sizeOfText(text, textStyle(), b.size.width);
    return b.origin.y + (b.size.height - size.height) / 2;
}

void LinkLabel::drawRect(CGRect rect) {
    if (links_.empty()) {
        UILabel::drawRect(rect);
        return;
    }
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    NSAttributedString text = styledText();
    CGRect b = bounds();
    CGFloat top = textTop(text);
    TextLayout::drawText(*context, text, textStyle(),
                         CGRectMake(b.origin.x, top, b.size.width, CGRectGetMaxY(b) - top));
}

std::optional<LinkLabelLink> LinkLabel::linkAtPoint(CGPoint point) const {
    auto fitting = links();
    if (fitting.empty()) return std::nullopt;
    NSAttributedString text = styledText();
    CGRect b = bounds();
    CGPoint inText{point.x - b.origin.x, point.y - textTop(text)};
    auto index = TextLayout::characterIndexAtPoint(text, textStyle(), b.size.width, inText);
    if (!index) return std::nullopt;
    for (const auto& link : fitting)
        if (*index >= link.range.location && *index < link.range.end()) return link;
    return std::nullopt;
}

void LinkLabel::touchesBegan(const UITouchSet& touches, UIEvent* event) {
    activeLink_ =
        touches.empty() || !isEnabled() ? std::nullopt : linkAtPoint(touches.front()->locationInView(this));
    if (!activeLink_) {
        UILabel::touchesBegan(touches, event);
        return;
    }
    setNeedsDisplay();
}

void LinkLabel::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    if (!activeLink_) UILabel::touchesMoved(touches, event);
}

void LinkLabel::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    if (!activeLink_) {
        UILabel::touchesEnded(touches, event);
        return;
    }
    auto pressed = *activeLink_;
    activeLink_.reset();
    setNeedsDisplay();
    auto ended = touches.empty() ? std::nullopt : linkAtPoint(touches.front()->locationInView(this));
    if (!ended || !(*ended == pressed)) return;
    if (auto d = delegate()) d->attributedLabelDidSelectLinkWithURL(this, pressed.url);
}

void LinkLabel::touchesCancelled(const UITouchSet& touches, UIEvent* event) {
    if (!activeLink_) {
        UILabel::touchesCancelled(touches, event);
        return;
    }
    activeLink_.reset();
    setNeedsDisplay();
}

}  // namespace fv
