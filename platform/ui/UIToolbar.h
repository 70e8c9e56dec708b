#pragma once
// Toolbars: a row of bar button items, 50 points high and as wide as the screen unless given a frame.
// Flexible spaces share the room left over; a tap on an item's view sends the item's action with the
// item as sender.
#include <memory>
#include <vector>

#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIView.h"

namespace fv {

enum UIBarStyle : int { UIBarStyleDefault = 0, UIBarStyleBlack = 1 };

class UIToolbar;
using UIToolbarPtr = std::shared_ptr<UIToolbar>;

class UIToolbar : public UIView {
    FV_CLASS(UIToolbar, UIView)
    static void registerMembers(ClassBuilder<UIToolbar>& b);
    static constexpr CGFloat kHeight = 50;
    static UIToolbarPtr create();
    static UIToolbarPtr create(CGRect frame);
    // (0, 0, screen width, 50).
    UIToolbar();
    explicit UIToolbar(CGRect frame);
    ~UIToolbar() override;

    const std::vector<UIBarButtonItemPtr>& items() const { return items_; }
    void setItems(const std::vector<UIBarButtonItemPtr>& items, bool animated = false);
    UIBarStyle barStyle() const { return barStyle_; }
    void setBarStyle(UIBarStyle style);
    UIColorPtr barTintColor() const { return barTintColor_; }
    void setBarTintColor(UIColorPtr color);
    bool isTranslucent() const { return translucent_; }
    void setTranslucent(bool on) { translucent_ = on; }

    // The view standing for an item (a button, or the item's custom view); none for spaces and
    // items not on this bar.
    UIViewPtr viewForItem(const UIBarButtonItem* item) const;

    void layoutSubviews() override;
    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;

  private:
    void rebuildItemViews();
    void refreshItemView(std::size_t index);

    std::vector<UIBarButtonItemPtr> items_;
    std::vector<UIViewPtr> itemViews_;  // parallel to items_; none for spaces
    UIBarStyle barStyle_ = UIBarStyleDefault;
    UIColorPtr barTintColor_;
    bool translucent_ = true;
};

}  // namespace fv
