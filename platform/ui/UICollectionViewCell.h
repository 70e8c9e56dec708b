#pragma once
// Collection items. A cell's contentView is its first subview at creation, spans its bounds and stays
// its content view wherever it is moved. Cells come from a registered class or interface file;
// awakeFromNib runs on creation from a file only, never when the collection view reuses the cell.
#include <memory>
#include <string>

#include "platform/ui/UIView.h"

namespace fv {

class UICollectionViewCell;
using UICollectionViewCellPtr = std::shared_ptr<UICollectionViewCell>;

class UICollectionViewCell : public UIView {
    FV_CLASS(UICollectionViewCell, UIView)
    static void registerMembers(ClassBuilder<UICollectionViewCell>& b);
    static UICollectionViewCellPtr create(CGRect frame = CGRectZero);
    UICollectionViewCell();
    explicit UICollectionViewCell(CGRect frame);
    ~UICollectionViewCell() override;

    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    void setReuseIdentifier(const std::string& identifier) { reuseIdentifier_ = identifier; }

    const UIViewPtr& contentView() const { return contentView_; }
    // Replaces the built-in content view (interface files give their own), as the bottom subview.
    void setContentView(const UIViewPtr& view);

    bool isSelected() const { return selected_; }
    bool selected() const { return selected_; }
    virtual void setSelected(bool selected) { selected_ = selected; }
    bool isHighlighted() const { return highlighted_; }
    bool highlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted) { highlighted_ = highlighted; }

    // Called by the collection view before it hands this cell out again; other state stays.
    virtual void prepareForReuse() {}

    void layoutSubviews() override;

  private:
    std::string reuseIdentifier_;
    UIViewPtr contentView_;
    bool selected_ = false;
    bool highlighted_ = false;
};

}  // namespace fv
