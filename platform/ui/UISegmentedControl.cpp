#include "platform/ui/UISegmentedControl.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UISegment);
FV_REGISTER_CLASS(UISegmentedControl);

namespace {
constexpr CGFloat kCornerRadius = 4;
constexpr CGFloat kDefaultHeight = 28;
}  // namespace

// ---- UISegment ----

void UISegment::registerMembers(ClassBuilder<UISegment>& b) {
    b.property("title", &UISegment::title, &UISegment::setTitle);
    b.property("selected", &UISegment::isSelected, &UISegment::setSelected);
    b.property("enabled", &UISegment::isEnabled, &UISegment::setEnabled);
}

UISegment::UISegment() {
    setOpaque(false);
    setUserInteractionEnabled(false);
}

UISegment::~UISegment() = default;

void UISegment::setTitle(const std::optional<std::string>& title) {
    title_ = title;
    setNeedsDisplay();
}

void UISegment::setImage(UIImagePtr image) {
    image_ = std::move(image);
    setNeedsDisplay();
}

void UISegment::setSelected(bool selected) {
    selected_ = selected;
    setNeedsDisplay();
}

void UISegment::setEnabled(bool enabled) {
    enabled_ = enabled;
    setNeedsDisplay();
}

void UISegment::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    auto tint = tintColor();
    if (selected_) {
        context->setFillColor(tint);
        context->fillRect(b);
    }
    auto ink = selected_ ? UIColor::whiteColor() : tint;
    if (!enabled_) ink = ink->colorWithAlphaComponent(0.4);
    if (image_ && !image_->isEmpty()) {
        CGSize s = image_->size();
        CGRect r{{b.origin.x + (b.size.width - s.width) / 2, b.origin.y + (b.size.height - s.height) / 2}, s};
        context->drawImage(*image_, r,
                           image_->renderingMode() == UIImageRenderingMode::AlwaysOriginal ? nullptr : ink);
    } else if (title_) {
        TextStyle style;
        style.font = UIFont::systemFontOfSize(13);
        style.textColor = ink;
        style.alignment = NSTextAlignment::Center;
        style.numberOfLines = 1;
        style.lineBreakMode = NSLineBreakMode::ByTruncatingTail;
        CGFloat h = TextLayout::sizeOfText(*title_, style.font).height;
        TextLayout::drawText(*context, *title_, style,
                             {{b.origin.x + 4, b.origin.y + (b.size.height - h) / 2}, {b.size.width - 8, h}});
    }
}

// ---- UISegmentedControl ----

void UISegmentedControl::registerMembers(ClassBuilder<UISegmentedControl>& b) {
    b.property(
        "selectedSegmentIndex",
        [](UISegmentedControl& c) { return Value(static_cast<long long>(c.selectedSegmentIndex())); },
        [](UISegmentedControl& c, const Value& v) {
            auto index = fromValue<long>(v);
            if (!index) return false;
            if (c.segments_.empty() && *index >= 0) c.pendingIndex_ = *index;
            c.setSelectedSegmentIndex(*index);
            return true;
        });
    b.property("momentary", &UISegmentedControl::isMomentary, &UISegmentedControl::setMomentary);
    b.property("numberOfSegments", &UISegmentedControl::numberOfSegments);
    b.property(
        "segmentTitles",
        [](UISegmentedControl& c) {
            Value::Array titles;
            for (const auto& t : c.segmentTitles()) titles.emplace_back(t);
            return Value(std::move(titles));
        },
        [](UISegmentedControl& c, const Value& v) {
            const auto* array = v.asArray();
            if (!array) return false;
            std::vector<std::string> titles;
            for (const auto& t : *array) {
                auto s = t.asString();
                if (!s) return false;
                titles.push_back(*s);
            }
            c.setSegmentTitles(titles);
            return true;
        });
}

UISegmentedControlPtr UISegmentedControl::create(const std::vector<std::string>& titles) {
    auto control = std::make_shared<UISegmentedControl>();
    control->setSegmentTitles(titles);
    return control;
}

UISegmentedControl::UISegmentedControl() : UISegmentedControl(CGRectZero) {}

UISegmentedControl::UISegmentedControl(CGRect frame) : UIControl(frame) {
    setOpaque(false);
    layer()->cornerRadius = kCornerRadius;
    layer()->masksToBounds = true;
}

UISegmentedControl::~UISegmentedControl() = default;

void UISegmentedControl::insertSegment(const UISegmentPtr& segment, std::size_t index) {
    index = std::min(index, segments_.size());
    segments_.insert(segments_.begin() + static_cast<long>(index), segment);
    insertSubview(segment, index);
    // The selection stays with its segment.
    if (selectedIndex_ >= static_cast<long>(index)) ++selectedIndex_;
    layoutSegments();
    setNeedsDisplay();
}

void UISegmentedControl::insertSegmentWithTitle(const std::string& title, std::size_t index, bool) {
    auto segment = std::make_shared<UISegment>();
    segment->setTitle(title);
    insertSegment(segment, index);
}

void UISegmentedControl::insertSegmentWithImage(const UIImagePtr& image, std::size_t index, bool) {
    auto segment = std::make_shared<UISegment>();
    segment->setImage(image);
    insertSegment(segment, index);
}

void UISegmentedControl::removeSegmentAtIndex(std::size_t index, bool) {
    if (index >= segments_.size()) return;
    segments_[index]->removeFromSuperview();
    segments_.erase(segments_.begin() + static_cast<long>(index));
    if (selectedIndex_ == static_cast<long>(index)) {
        selectedIndex_ = UISegmentedControlNoSegment;
    } else if (selectedIndex_ > static_cast<long>(index)) {
        --selectedIndex_;
    }
    layoutSegments();
    setNeedsDisplay();
}

void UISegmentedControl::removeAllSegments() {
    for (const auto& s : segments_) s->removeFromSuperview();
    segments_.clear();
    selectedIndex_ = UISegmentedControlNoSegment;
    setNeedsDisplay();
}

std::optional<std::string> UISegmentedControl::titleForSegmentAtIndex(std::size_t index) const {
    return index < segments_.size() ? segments_[index]->title() : std::nullopt;
}

void UISegmentedControl::setTitle(const std::optional<std::string>& title, std::size_t index) {
    if (index >= segments_.size()) return;
    segments_[index]->setTitle(title);
    segments_[index]->setImage(nullptr);
}

UIImagePtr UISegmentedControl::imageForSegmentAtIndex(std::size_t index) const {
    return index < segments_.size() ? segments_[index]->image() : nullptr;
}

void UISegmentedControl::setImage(const UIImagePtr& image, std::size_t index) {
    if (index >= segments_.size()) return;
    segments_[index]->setImage(image);
    segments_[index]->setTitle(std::nullopt);
}

void UISegmentedControl::setEnabled(bool enabled, std::size_t index) {
    if (index < segments_.size()) segments_[index]->setEnabled(enabled);
}

bool UISegmentedControl::isEnabledForSegmentAtIndex(std::size_t index) const {
    return index < segments_.size() && segments_[index]->isEnabled();
}

std::vector<std::string> UISegmentedControl::segmentTitles() const {
    std::vector<std::string> titles;
    for (const auto& s : segments_) titles.push_back(s->title().value_or(""));
    return titles;
}

void UISegmentedControl::setSegmentTitles(const std::vector<std::string>& titles) {
    removeAllSegments();
    for (const auto& t : titles) insertSegmentWithTitle(t, segments_.size());
    if (pendingIndex_) setSelectedSegmentIndex(*pendingIndex_);
    pendingIndex_.reset();
}

void UISegmentedControl::setSelectedSegmentIndex(long index) {
    if (index < UISegmentedControlNoSegment || index >= static_cast<long>(segments_.size())) return;
    if (index == selectedIndex_) return;
    Value old(static_cast<long long>(selectedIndex_));
    selectedIndex_ = index;
    showSelection();
    didChangeValueForKey("selectedSegmentIndex", old, Value(static_cast<long long>(index)));
}

void UISegmentedControl::showSelection() {
    for (std::size_t i = 0; i < segments_.size(); ++i)
        segments_[i]->setSelected(static_cast<long>(i) == selectedIndex_);
}

long UISegmentedControl::segmentIndexAtX(CGFloat x) const {
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        CGRect f = segments_[i]->frame();
        if (x >= f.origin.x && x < CGRectGetMaxX(f)) return static_cast<long>(i);
    }
    return -1;
}

void UISegmentedControl::endTrackingWithTouch(UITouch* touch, UIEvent* event) {
    UIControl::endTrackingWithTouch(touch, event);
    if (!touch || !isTouchInside()) return;
    long index = segmentIndexAtX(touch->locationInView(this).x);
    if (index < 0 || !segments_[static_cast<std::size_t>(index)]->isEnabled()) return;
    if (momentary_) {
        setSelectedSegmentIndex(index);
        sendActionsForControlEvents(UIControlEventValueChanged);
        setSelectedSegmentIndex(UISegmentedControlNoSegment);
        return;
    }
    if (index == selectedIndex_) return;
    setSelectedSegmentIndex(index);
    sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISegmentedControl::layoutSegments() {
    CGRect b = bounds();
    if (segments_.empty()) return;
    CGFloat width = b.size.width / static_cast<CGFloat>(segments_.size());
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        segments_[i]->setFrame(
            {{b.origin.x + width * static_cast<CGFloat>(i), b.origin.y}, {width, b.size.height}});
    }
    showSelection();
}

void UISegmentedControl::layoutSubviews() {
    layoutSegments();
}

void UISegmentedControl::setFrame(CGRect frame) {
    UIControl::setFrame(frame);
    layoutSegments();
}

void UISegmentedControl::setBounds(CGRect bounds) {
    UIControl::setBounds(bounds);
    layoutSegments();
}

CGSize UISegmentedControl::sizeThatFits(CGSize) const {
    CGFloat widest = 0;
    for (const auto& s : segments_) {
        CGFloat w = s->image()
                        ? s->image()->size().width
                        : TextLayout::widthOfText(s->title().value_or(""), UIFont::systemFontOfSize(13));
        widest = std::max(widest, std::ceil(w) + 16);
    }
    return {widest * static_cast<CGFloat>(segments_.size()), kDefaultHeight};
}

void UISegmentedControl::stateDidChange() {
    for (const auto& s : segments_) s->setAlpha(isEnabled() ? 1 : 0.5);
    setNeedsDisplay();
}

void UISegmentedControl::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    auto tint = tintColor();
    context->setStrokeColor(tint);
    context->setLineWidth(1);
    context->addRoundedRect(CGRectInset(b, 0.5, 0.5), kCornerRadius);
    context->strokePath();
    // Dividers between segments.
    for (std::size_t i = 1; i < segments_.size(); ++i) {
        CGFloat x = std::round(segments_[i]->frame().origin.x) + 0.5;
        context->beginPath();
        context->moveToPoint({x, b.origin.y});
        context->addLineToPoint({x, CGRectGetMaxY(b)});
        context->strokePath();
    }
}

}  // namespace fv
