#include "platform/ui/UIToolbar.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIScreen.h"

namespace fv {

FV_REGISTER_CLASS(UIToolbar);

namespace {

constexpr CGFloat kMargin = 8;
constexpr CGFloat kItemSpacing = 8;
constexpr CGFloat kItemPadding = 8;

// A <UIBarButtonItem> inside a <UIToolbar> in an interface file joins its items.
[[maybe_unused]] const bool attacherRegistered = [] {
    UINib::registerChildAttacher("UIBarButtonItem", [](NSObject& parent, const NSObjectPtr& child) {
        auto* bar = dynamic_cast<UIToolbar*>(&parent);
        auto item = std::dynamic_pointer_cast<UIBarButtonItem>(child);
        if (!bar || !item) return false;
        auto items = bar->items();
        items.push_back(item);
        bar->setItems(items);
        return true;
    });
    return true;
}();

}  // namespace

void UIToolbar::registerMembers(ClassBuilder<UIToolbar>& b) {
    b.enumNames("barStyle", {{"default", 0}, {"black", 1}});
    b.property("barStyle", &UIToolbar::barStyle, &UIToolbar::setBarStyle);
    b.property("translucent", &UIToolbar::isTranslucent, &UIToolbar::setTranslucent);
    colorProperty(
        b, "barTintColor", [](UIToolbar& t) { return t.barTintColor(); },
        [](UIToolbar& t, UIColorPtr c) { t.setBarTintColor(c); });
}

UIToolbarPtr UIToolbar::create() {
    return std::make_shared<UIToolbar>();
}

UIToolbarPtr UIToolbar::create(CGRect frame) {
    return std::make_shared<UIToolbar>(frame);
}

UIToolbar::UIToolbar() : UIToolbar(CGRect{{0, 0}, {UIScreen::mainScreen()->bounds().size.width, kHeight}}) {}

UIToolbar::UIToolbar(CGRect frame) : UIView(frame) {}

UIToolbar::~UIToolbar() = default;

void UIToolbar::setItems(const std::vector<UIBarButtonItemPtr>& items, bool) {
    for (const auto& item : items_) item->setChangeHandler(nullptr);
    items_.clear();
    for (const auto& item : items)
        if (item) items_.push_back(item);
    rebuildItemViews();
}

void UIToolbar::rebuildItemViews() {
    for (const auto& v : itemViews_)
        if (v && v->superview() == this) v->removeFromSuperview();
    itemViews_.assign(items_.size(), nullptr);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto& item = items_[i];
        if (item->isSpace()) continue;
        if (item->customView()) {
            itemViews_[i] = item->customView();
        } else {
            auto button = UIButton::buttonWithType(UIButtonTypeSystem);
            // The button sends the item's action, so the target sees the item as sender.
            button->addTarget(item, "sendAction", UIControlEventTouchUpInside);
            itemViews_[i] = button;
        }
        addSubview(itemViews_[i]);
        refreshItemView(i);
        // The item may outlive this bar, or move to another: it holds the bar weakly.
        std::weak_ptr<UIBarButtonItem> weakItem = item;
        NSObjectWeak weakBar = weak_from_this();
        item->setChangeHandler([weakBar, weakItem] {
            auto bar = std::static_pointer_cast<UIToolbar>(weakBar.lock());
            auto changed = weakItem.lock();
            if (!bar || !changed) return;
            auto it = std::find(bar->items_.begin(), bar->items_.end(), changed);
            if (it != bar->items_.end())
                bar->refreshItemView(static_cast<std::size_t>(it - bar->items_.begin()));
        });
    }
    setNeedsLayout();
}

void UIToolbar::refreshItemView(std::size_t index) {
    auto button = std::dynamic_pointer_cast<UIButton>(itemViews_[index]);
    const auto& item = items_[index];
    if (!button || item->customView()) return;
    button->setTitle(item->title(), UIControlStateNormal);
    button->setImage(item->image(), UIControlStateNormal);
    button->setEnabled(item->isEnabled());
    button->setTintColor(item->tintColor());
    button->titleLabel()->setFont(item->style() == UIBarButtonItemStyleDone ? UIFont::boldSystemFontOfSize(17)
                                                                            : UIFont::systemFontOfSize(17));
    setNeedsLayout();
}

UIViewPtr UIToolbar::viewForItem(const UIBarButtonItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return itemViews_[i];
    return nullptr;
}

void UIToolbar::layoutSubviews() {
    CGRect b = bounds();
    std::vector<CGFloat> widths(items_.size(), 0);
    CGFloat used = 0;
    int flexible = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto& item = items_[i];
        if (item->isFlexibleSpace()) {
            ++flexible;
            continue;
        }
        if (item->isSpace()) {
            widths[i] = item->width();
        } else if (item->customView()) {
            widths[i] = item->customView()->frame().size.width;
        } else if (item->width() > 0) {
            widths[i] = item->width();
        } else {
            widths[i] = std::ceil(itemViews_[i]->sizeThatFits(CGSizeZero).width) + 2 * kItemPadding;
        }
        used += widths[i];
    }
    CGFloat gaps = items_.empty() ? 0 : kItemSpacing * static_cast<CGFloat>(items_.size() - 1);
    CGFloat room = std::max<CGFloat>(0, b.size.width - 2 * kMargin - used - gaps);
    CGFloat x = b.origin.x + kMargin;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i]->isFlexibleSpace()) widths[i] = room / static_cast<CGFloat>(flexible);
        if (auto v = itemViews_[i]) {
            CGFloat h = items_[i]->customView() ? v->frame().size.height : b.size.height;
            v->setFrame({{x, b.origin.y + (b.size.height - h) / 2}, {widths[i], h}});
        }
        x += widths[i] + kItemSpacing;
    }
}

CGSize UIToolbar::sizeThatFits(CGSize size) const {
    return {size.width > 0 ? size.width : bounds().size.width, kHeight};
}

void UIToolbar::setBarStyle(UIBarStyle style) {
    barStyle_ = style;
    setNeedsDisplay();
}

void UIToolbar::setBarTintColor(UIColorPtr color) {
    barTintColor_ = std::move(color);
    setNeedsDisplay();
}

void UIToolbar::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGRect b = bounds();
    auto fill = barTintColor_ ? barTintColor_
                              : (barStyle_ == UIBarStyleBlack ? UIColor::colorWithWhite(0.1, 1)
                                                              : UIColor::colorWithWhite(0.97, 1));
    context->setFillColor(fill);
    context->fillRect(b);
    // The hairline along the top edge.
    context->setFillColor(UIColor::colorWithWhite(0, 0.3));
    context->fillRect({b.origin, {b.size.width, 0.5}});
}

}  // namespace fv
