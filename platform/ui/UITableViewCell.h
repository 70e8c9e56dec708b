#pragma once
// Table rows. A cell's contentView is its first subview at creation (class
// "UITableViewCellContentView") and stays the cell's content view wherever it is moved later; an
// accessory view sits last, at the right edge, and the content view spans the bounds left of it.
// Cells come from `create`, from a registered class or from an interface file; awakeFromNib runs on
// creation from a file only, never when the table reuses the cell.
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/UIView.h"

namespace fv {

class UIImageView;
class UILabel;
class UITableViewCell;
using UITableViewCellPtr = std::shared_ptr<UITableViewCell>;

enum UITableViewCellStyle : int {
    UITableViewCellStyleDefault = 0,
    UITableViewCellStyleValue1 = 1,
    UITableViewCellStyleValue2 = 2,
    UITableViewCellStyleSubtitle = 3,
};

enum UITableViewCellSelectionStyle : int {
    UITableViewCellSelectionStyleNone = 0,
    UITableViewCellSelectionStyleBlue = 1,
    UITableViewCellSelectionStyleGray = 2,
    UITableViewCellSelectionStyleDefault = 3,
};

enum UITableViewCellStateMask : unsigned {
    UITableViewCellStateDefaultMask = 0,
    UITableViewCellStateShowingEditControlMask = 1 << 0,
    UITableViewCellStateShowingDeleteConfirmationMask = 1 << 1,
};

// The class of every cell's built-in content view, so that code can recognise it by name.
class UITableViewCellContentView : public UIView {
    FV_CLASS(UITableViewCellContentView, UIView)
    UITableViewCellContentView() = default;
};

class UITableViewCell : public UIView {
    FV_CLASS(UITableViewCell, UIView)
    static void registerMembers(ClassBuilder<UITableViewCell>& b);
    // initWithStyle:reuseIdentifier:
    static UITableViewCellPtr create(UITableViewCellStyle style = UITableViewCellStyleDefault,
                                     const std::string& reuseIdentifier = "");
    // initWithCoder: (interface files and registered classes use this one).
    UITableViewCell();
    UITableViewCell(UITableViewCellStyle style, const std::string& reuseIdentifier);
    ~UITableViewCell() override;

    UITableViewCellStyle style() const { return style_; }
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    void setReuseIdentifier(const std::string& identifier) { reuseIdentifier_ = identifier; }

    // Kept by the cell even after it was moved elsewhere.
    const UIViewPtr& contentView() const { return contentView_; }
    // Replaces the built-in content view (interface files give their own), as the bottom subview.
    void setContentView(const UIViewPtr& view);

    // Made on first use, inside the content view, and laid out for the cell's style.
    std::shared_ptr<UILabel> textLabel();
    // None in the default style, which has no detail text.
    std::shared_ptr<UILabel> detailTextLabel();
    // At the left of the content view; the labels start after it while it has an image.
    std::shared_ptr<UIImageView> imageView();

    UIViewPtr accessoryView() const { return accessoryView_; }
    void setAccessoryView(const UIViewPtr& view);

    UITableViewCellSelectionStyle selectionStyle() const { return selectionStyle_; }
    void setSelectionStyle(UITableViewCellSelectionStyle style);

    bool isSelected() const { return selected_; }
    bool selected() const { return selected_; }
    void setSelected(bool selected) { setSelected(selected, false); }
    virtual void setSelected(bool selected, bool animated);
    bool isHighlighted() const { return highlighted_; }
    bool highlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted) { setHighlighted(highlighted, false); }
    virtual void setHighlighted(bool highlighted, bool animated);

    bool isEditing() const { return editing_; }
    bool editing() const { return editing_; }
    void setEditing(bool editing) { setEditing(editing, false); }
    // Calls didTransitionToState with the new state mask.
    virtual void setEditing(bool editing, bool animated);
    virtual void didTransitionToState(unsigned stateMask) { (void)stateMask; }

    // Called by the table before it hands this cell out again; the cell keeps its other state.
    virtual void prepareForReuse() {}

    void layoutSubviews() override;
    // Shades the bounds while selected or highlighted, unless the selection style is none.
    void drawRect(CGRect rect) override;

  private:
    friend class UITableView;
    std::shared_ptr<UILabel> makeLabel();
    // A hairline along the bottom, shown while a table with single-line separators holds the cell.
    void setShowsSeparator(bool shows);

    UITableViewCellStyle style_ = UITableViewCellStyleDefault;
    std::string reuseIdentifier_;
    UIViewPtr contentView_;
    UIViewPtr accessoryView_;
    std::shared_ptr<UILabel> textLabel_;
    std::shared_ptr<UILabel> detailTextLabel_;
    std::shared_ptr<UIImageView> imageView_;
    CALayerPtr separator_;
    UITableViewCellSelectionStyle selectionStyle_ = UITableViewCellSelectionStyleDefault;
    bool selected_ = false;
    bool highlighted_ = false;
    bool editing_ = false;
};

}  // namespace fv
