#include "platform/ui/UITableViewCell.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"

namespace fv {

namespace {
constexpr CGFloat kSideMargin = 15;
}

FV_REGISTER_CLASS(UITableViewCellContentView);
FV_REGISTER_CLASS(UITableViewCell);

void UITableViewCell::registerMembers(ClassBuilder<UITableViewCell>& b) {
    b.enumNames("selectionStyle", {{"none", 0}, {"blue", 1}, {"gray", 2}, {"default", 3}});
    b.property("reuseIdentifier", &UITableViewCell::reuseIdentifier, &UITableViewCell::setReuseIdentifier);
    b.property("selectionStyle", &UITableViewCell::selectionStyle, &UITableViewCell::setSelectionStyle);
    b.property("selected", &UITableViewCell::selected,
               static_cast<void (UITableViewCell::*)(bool)>(&UITableViewCell::setSelected));
    b.property("highlighted", &UITableViewCell::highlighted,
               static_cast<void (UITableViewCell::*)(bool)>(&UITableViewCell::setHighlighted));
    b.property("editing", &UITableViewCell::editing,
               static_cast<void (UITableViewCell::*)(bool)>(&UITableViewCell::setEditing));
    b.object(
        "contentView", [](UITableViewCell& c) -> NSObjectPtr { return c.contentView(); },
        [](UITableViewCell& c, const NSObjectPtr& v) {
            auto view = std::dynamic_pointer_cast<UIView>(v);
            if (!view) return false;
            c.setContentView(view);
            return true;
        });
    b.object(
        "accessoryView", [](UITableViewCell& c) -> NSObjectPtr { return c.accessoryView(); },
        [](UITableViewCell& c, const NSObjectPtr& v) {
            auto view = std::dynamic_pointer_cast<UIView>(v);
            if (v && !view) return false;
            c.setAccessoryView(view);
            return true;
        });
}

UITableViewCellPtr UITableViewCell::create(UITableViewCellStyle style, const std::string& reuseIdentifier) {
    return std::make_shared<UITableViewCell>(style, reuseIdentifier);
}

UITableViewCell::UITableViewCell() : UITableViewCell(UITableViewCellStyleDefault, "") {}

UITableViewCell::UITableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier)
    : style_(style), reuseIdentifier_(reuseIdentifier) {
    setFrame({{0, 0}, {320, 44}});
    setBackgroundColor(UIColor::whiteColor());
    contentView_ = std::make_shared<UITableViewCellContentView>();
    contentView_->setFrame(bounds());
    addSubview(contentView_);
}

UITableViewCell::~UITableViewCell() = default;

void UITableViewCell::setContentView(const UIViewPtr& view) {
    if (!view || view == contentView_) return;
    if (contentView_ && contentView_->superview() == this) contentView_->removeFromSuperview();
    contentView_ = view;
    insertSubview(view, 0);
    setNeedsLayout();
}

std::shared_ptr<UILabel> UITableViewCell::makeLabel() {
    auto label = UILabel::create();
    contentView_->addSubview(label);
    setNeedsLayout();
    return label;
}

std::shared_ptr<UILabel> UITableViewCell::textLabel() {
    if (!textLabel_) textLabel_ = makeLabel();
    return textLabel_;
}

std::shared_ptr<UILabel> UITableViewCell::detailTextLabel() {
    if (style_ == UITableViewCellStyleDefault) return nullptr;
    if (!detailTextLabel_) {
        detailTextLabel_ = makeLabel();
        detailTextLabel_->setTextColor(UIColor::grayColor());
        if (style_ == UITableViewCellStyleValue1) detailTextLabel_->setTextAlignment(NSTextAlignment::Right);
    }
    return detailTextLabel_;
}

std::shared_ptr<UIImageView> UITableViewCell::imageView() {
    if (!imageView_) {
        imageView_ = UIImageView::create();
        imageView_->setContentMode(UIViewContentModeScaleAspectFit);
        contentView_->addSubview(imageView_);
        setNeedsLayout();
    }
    return imageView_;
}

void UITableViewCell::setAccessoryView(const UIViewPtr& view) {
    if (view == accessoryView_) return;
    if (accessoryView_ && accessoryView_->superview() == this) accessoryView_->removeFromSuperview();
    accessoryView_ = view;
    if (view) addSubview(view);
    setNeedsLayout();
}

void UITableViewCell::setSelectionStyle(UITableViewCellSelectionStyle style) {
    selectionStyle_ = style;
    setNeedsDisplay();
}

void UITableViewCell::setSelected(bool selected, bool) {
    if (selected_ == selected) return;
    selected_ = selected;
    setNeedsDisplay();
}

void UITableViewCell::setHighlighted(bool highlighted, bool) {
    if (highlighted_ == highlighted) return;
    highlighted_ = highlighted;
    setNeedsDisplay();
}

void UITableViewCell::setEditing(bool editing, bool) {
    if (editing_ == editing) return;
    editing_ = editing;
    setNeedsLayout();
    didTransitionToState(editing ? UITableViewCellStateShowingEditControlMask
                                 : UITableViewCellStateDefaultMask);
}

void UITableViewCell::setShowsSeparator(bool shows) {
    if (!separator_) {
        if (!shows) return;
        separator_ = CALayer::create();
        separator_->name = "separator";
        separator_->backgroundColor = UIColor::colorWithWhite(0.8, 1);
        layer()->addSublayer(separator_);
        setNeedsLayout();
    }
    separator_->hidden = !shows;
}

void UITableViewCell::layoutSubviews() {
    CGRect b = bounds();
    if (separator_)
        separator_->setFrame({{kSideMargin, b.size.height - 0.5}, {b.size.width - kSideMargin, 0.5}});
    CGFloat contentWidth = b.size.width;
    if (accessoryView_) {
        CGRect a = accessoryView_->frame();
        a.origin.x = b.size.width - kSideMargin - a.size.width;
        a.origin.y = (b.size.height - a.size.height) / 2;
        accessoryView_->setFrame(a);
        contentWidth = std::max<CGFloat>(0, a.origin.x);
    }
    contentView_->setFrame({{0, 0}, {contentWidth, b.size.height}});

    CGFloat h = b.size.height;
    CGFloat textLeft = kSideMargin;
    if (imageView_ && imageView_->image()) {
        CGFloat side = std::max<CGFloat>(0, h - 2 * 6);
        imageView_->setFrame({{kSideMargin, (h - side) / 2}, {side, side}});
        textLeft += side + kSideMargin;
    }
    CGFloat textWidth = std::max<CGFloat>(0, contentWidth - textLeft - kSideMargin);
    if (style_ == UITableViewCellStyleSubtitle && detailTextLabel_) {
        if (textLabel_) textLabel_->setFrame({{textLeft, 0}, {textWidth, h * 0.55}});
        detailTextLabel_->setFrame({{textLeft, h * 0.5}, {textWidth, h * 0.45}});
        return;
    }
    if (textLabel_) textLabel_->setFrame({{textLeft, 0}, {textWidth, h}});
    if (detailTextLabel_) detailTextLabel_->setFrame({{textLeft, 0}, {textWidth, h}});
}

void UITableViewCell::drawRect(CGRect) {
    if (selectionStyle_ == UITableViewCellSelectionStyleNone || !(selected_ || highlighted_)) return;
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    context->setFillColor(UIColor::colorWithWhite(0.85, 1));
    context->fillRect(bounds());
}

}  // namespace fv
