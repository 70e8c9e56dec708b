#include "platform/ui/UIBarButtonItem.h"

#include "platform/foundation/Log.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(UIBarButtonItem);

namespace {

// <action selector="done:"/> inside an item sets its target and action; items have no events.
[[maybe_unused]] const bool connectorRegistered = [] {
    UINib::registerActionConnector(
        "UIBarButtonItem", [](NSObject& sender, const NSObjectPtr& target, const std::string& selector,
                              const std::string& event) {
            if (!event.empty()) return false;
            auto& item = static_cast<UIBarButtonItem&>(sender);
            item.setTarget(target);
            item.setAction(selector);
            return true;
        });
    return true;
}();

}  // namespace

void UIBarButtonItem::registerMembers(ClassBuilder<UIBarButtonItem>& b) {
    b.enumNames("style", {{"plain", 0}, {"default", 0}, {"bordered", 1}, {"done", 2}});
    // What the item's view on a bar calls when tapped.
    b.action("sendAction", std::function<void(UIBarButtonItem&, NSObject*)>(
                               [](UIBarButtonItem& item, NSObject*) { item.sendAction(); }));
    b.property("title", &UIBarButtonItem::title, &UIBarButtonItem::setTitle);
    b.property("style", &UIBarButtonItem::style, &UIBarButtonItem::setStyle);
    b.property("enabled", &UIBarButtonItem::isEnabled, &UIBarButtonItem::setEnabled);
    b.property("tag", &UIBarButtonItem::tag, &UIBarButtonItem::setTag);
    b.property("width", &UIBarButtonItem::width, &UIBarButtonItem::setWidth);
    // "flexibleSpace", "fixedSpace", "done" or "cancel": makes the item that system item.
    b.property("systemItem", nullptr, [](UIBarButtonItem& item, const Value& v) {
        auto name = v.asString();
        if (!name) return false;
        if (*name == "flexibleSpace") {
            item.systemItem_ = UIBarButtonSystemItemFlexibleSpace;
        } else if (*name == "fixedSpace") {
            item.systemItem_ = UIBarButtonSystemItemFixedSpace;
        } else if (*name == "done") {
            item.systemItem_ = UIBarButtonSystemItemDone;
            item.setTitle("Done");
            item.setStyle(UIBarButtonItemStyleDone);
        } else if (*name == "cancel") {
            item.systemItem_ = UIBarButtonSystemItemCancel;
            item.setTitle("Cancel");
        } else {
            return false;
        }
        item.notifyChange();
        return true;
    });
    imageProperty(b, "image", [](UIBarButtonItem& item, UIImagePtr i) { item.setImage(std::move(i)); });
    colorProperty(
        b, "tintColor", [](UIBarButtonItem& item) { return item.tintColor(); },
        [](UIBarButtonItem& item, UIColorPtr c) { item.setTintColor(std::move(c)); });
}

UIBarButtonItemPtr UIBarButtonItem::create(const std::string& title, UIBarButtonItemStyle style,
                                           const NSObjectPtr& target, const std::string& action) {
    auto item = std::make_shared<UIBarButtonItem>();
    item->title_ = title;
    item->style_ = style;
    if (!target || action.empty() || answersAction(*target, action, "UIBarButtonItem")) {
        item->target_ = target;
        item->action_ = action;
    }
    return item;
}

UIBarButtonItemPtr UIBarButtonItem::createWithImage(const UIImagePtr& image, UIBarButtonItemStyle style,
                                                    const NSObjectPtr& target, const std::string& action) {
    auto item = create("", style, target, action);
    item->title_.reset();
    item->image_ = image;
    return item;
}

UIBarButtonItemPtr UIBarButtonItem::createWithSystemItem(UIBarButtonSystemItem systemItem,
                                                         const NSObjectPtr& target,
                                                         const std::string& action) {
    auto item = std::make_shared<UIBarButtonItem>();
    item->systemItem_ = systemItem;
    if (!target || action.empty() || answersAction(*target, action, "UIBarButtonItem")) {
        item->target_ = target;
        item->action_ = action;
    }
    if (systemItem == UIBarButtonSystemItemDone) {
        item->title_ = "Done";
        item->style_ = UIBarButtonItemStyleDone;
    } else if (systemItem == UIBarButtonSystemItemCancel) {
        item->title_ = "Cancel";
    }
    return item;
}

UIBarButtonItemPtr UIBarButtonItem::createWithCustomView(const UIViewPtr& view) {
    auto item = std::make_shared<UIBarButtonItem>();
    item->customView_ = view;
    return item;
}

UIBarButtonItem::~UIBarButtonItem() = default;

void UIBarButtonItem::notifyChange() {
    if (changed_) changed_();
}

void UIBarButtonItem::setTitle(const std::optional<std::string>& title) {
    title_ = title;
    notifyChange();
}

void UIBarButtonItem::setStyle(UIBarButtonItemStyle style) {
    style_ = style;
    notifyChange();
}

void UIBarButtonItem::setImage(UIImagePtr image) {
    image_ = std::move(image);
    notifyChange();
}

void UIBarButtonItem::setTintColor(UIColorPtr color) {
    tintColor_ = std::move(color);
    notifyChange();
}

void UIBarButtonItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    notifyChange();
}

void UIBarButtonItem::setWidth(CGFloat width) {
    width_ = width;
    notifyChange();
}

bool UIBarButtonItem::sendAction() {
    if (!enabled_ || action_.empty()) return false;
    auto keepAlive = weak_from_this().lock();
    auto target = target_.lock();
    if (!target) return false;
    if (!target->performSelector(action_, this)) {
        log("UIBarButtonItem: " + target->className() + " does not respond to \"" + action_ + "\"");
        return false;
    }
    return true;
}

}  // namespace fv
