#pragma once
// Bar button items: titled, image or system items (flexible and fixed spaces) with a weak target and
// an action by selector. A tap on the item's view sends the action with the ITEM as sender.
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIView.h"

namespace fv {

enum UIBarButtonItemStyle : int {
    UIBarButtonItemStylePlain = 0,
    UIBarButtonItemStyleBordered = 1,
    UIBarButtonItemStyleDone = 2,
};

enum UIBarButtonSystemItem : int {
    UIBarButtonSystemItemDone = 0,
    UIBarButtonSystemItemCancel = 1,
    UIBarButtonSystemItemFlexibleSpace = 5,
    UIBarButtonSystemItemFixedSpace = 6,
};

class UIBarButtonItem;
using UIBarButtonItemPtr = std::shared_ptr<UIBarButtonItem>;

class UIBarButtonItem : public NSObject {
    FV_CLASS(UIBarButtonItem, NSObject)
    static void registerMembers(ClassBuilder<UIBarButtonItem>& b);
    // initWithTitle:style:target:action:
    static UIBarButtonItemPtr create(const std::string& title, UIBarButtonItemStyle style,
                                     const NSObjectPtr& target, const std::string& action);
    static UIBarButtonItemPtr createWithImage(const UIImagePtr& image, UIBarButtonItemStyle style,
                                              const NSObjectPtr& target, const std::string& action);
    // initWithBarButtonSystemItem:target:action: ("Done" and "Cancel" are titled items).
    static UIBarButtonItemPtr createWithSystemItem(UIBarButtonSystemItem item,
                                                   const NSObjectPtr& target = nullptr,
                                                   const std::string& action = "");
    static UIBarButtonItemPtr createWithCustomView(const UIViewPtr& view);
    static UIBarButtonItemPtr flexibleSpace() {
        return createWithSystemItem(UIBarButtonSystemItemFlexibleSpace);
    }
    UIBarButtonItem() = default;
    ~UIBarButtonItem() override;

    std::optional<std::string> title() const { return title_; }
    void setTitle(const std::optional<std::string>& title);
    UIBarButtonItemStyle style() const { return style_; }
    void setStyle(UIBarButtonItemStyle style);
    UIImagePtr image() const { return image_; }
    void setImage(UIImagePtr image);
    UIColorPtr tintColor() const { return tintColor_; }
    void setTintColor(UIColorPtr color);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    long tag() const { return tag_; }
    void setTag(long tag) { tag_ = tag; }
    // The width of a fixed space, or of a titled item when positive.
    CGFloat width() const { return width_; }
    void setWidth(CGFloat width);
    UIViewPtr customView() const { return customView_; }
    std::optional<UIBarButtonSystemItem> systemItem() const { return systemItem_; }
    bool isFlexibleSpace() const { return systemItem_ == UIBarButtonSystemItemFlexibleSpace; }
    bool isSpace() const { return isFlexibleSpace() || systemItem_ == UIBarButtonSystemItemFixedSpace; }

    NSObjectPtr target() const { return target_.lock(); }
    void setTarget(const NSObjectPtr& target) { target_ = target; }
    const std::string& action() const { return action_; }
    void setAction(const std::string& action) { action_ = action; }

    // What a tap does: sends the action to the target with this item as sender, when enabled.
    // Returns whether an action ran.
    bool sendAction();

    // Called by the bar showing the item whenever its look changes.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  private:
    void notifyChange();

    std::optional<std::string> title_;
    UIBarButtonItemStyle style_ = UIBarButtonItemStylePlain;
    UIImagePtr image_;
    UIColorPtr tintColor_;
    bool enabled_ = true;
    long tag_ = 0;
    CGFloat width_ = 0;
    UIViewPtr customView_;
    std::optional<UIBarButtonSystemItem> systemItem_;
    NSObjectWeak target_;
    std::string action_;
    std::function<void()> changed_;
};

}  // namespace fv
