#pragma once
// The flow layout: items in lines along the cross axis, lines stacked along the scroll direction,
// sections one after another. Within a line, items are minimumInteritemSpacing apart; lines are
// minimumLineSpacing apart; a section is framed by its insets (negative insets are allowed and move
// items beyond the content's edge). An item wider than the room left in a line starts a new line; an
// item wider than the whole line still gets a line of its own.
//
// Scrolling horizontally with items tall enough for one per column, the content width is
// left + n * width + (n - 1) * lineSpacing + right.
#include <optional>
#include <vector>

#include "platform/ui/UICollectionView.h"
#include "platform/ui/UICollectionViewLayout.h"

namespace fv {

class UICollectionViewFlowLayout;
using UICollectionViewFlowLayoutPtr = std::shared_ptr<UICollectionViewFlowLayout>;

enum UICollectionViewScrollDirection : int {
    UICollectionViewScrollDirectionVertical = 0,
    UICollectionViewScrollDirectionHorizontal = 1,
};

// The collection view's delegate may answer these per item or section; unanswered ones use the
// layout's own values.
class UICollectionViewDelegateFlowLayout : public UICollectionViewDelegate {
  public:
    virtual std::optional<CGSize> collectionViewLayoutSizeForItemAtIndexPath(UICollectionView& collectionView,
                                                                             UICollectionViewLayout& layout,
                                                                             const NSIndexPath& indexPath) {
        (void)collectionView, (void)layout, (void)indexPath;
        return std::nullopt;
    }
    virtual std::optional<UIEdgeInsets> collectionViewLayoutInsetForSectionAtIndex(
        UICollectionView& collectionView, UICollectionViewLayout& layout, long section) {
        (void)collectionView, (void)layout, (void)section;
        return std::nullopt;
    }
    virtual std::optional<CGFloat> collectionViewLayoutMinimumLineSpacingForSectionAtIndex(
        UICollectionView& collectionView, UICollectionViewLayout& layout, long section) {
        (void)collectionView, (void)layout, (void)section;
        return std::nullopt;
    }
    virtual std::optional<CGFloat> collectionViewLayoutMinimumInteritemSpacingForSectionAtIndex(
        UICollectionView& collectionView, UICollectionViewLayout& layout, long section) {
        (void)collectionView, (void)layout, (void)section;
        return std::nullopt;
    }
};

class UICollectionViewFlowLayout : public UICollectionViewLayout {
    FV_CLASS(UICollectionViewFlowLayout, UICollectionViewLayout)
    static void registerMembers(ClassBuilder<UICollectionViewFlowLayout>& b);
    static UICollectionViewFlowLayoutPtr create() { return std::make_shared<UICollectionViewFlowLayout>(); }
    UICollectionViewFlowLayout() = default;
    ~UICollectionViewFlowLayout() override;

    // Each setter invalidates the layout.
    UICollectionViewScrollDirection scrollDirection() const { return scrollDirection_; }
    void setScrollDirection(UICollectionViewScrollDirection direction);
    CGSize itemSize() const { return itemSize_; }
    void setItemSize(CGSize size);
    UIEdgeInsets sectionInset() const { return sectionInset_; }
    void setSectionInset(UIEdgeInsets insets);
    CGFloat minimumLineSpacing() const { return minimumLineSpacing_; }
    void setMinimumLineSpacing(CGFloat spacing);
    CGFloat minimumInteritemSpacing() const { return minimumInteritemSpacing_; }
    void setMinimumInteritemSpacing(CGFloat spacing);

    void prepareLayout() override;
    CGSize collectionViewContentSize() const override { return contentSize_; }
    std::vector<UICollectionViewLayoutAttributes> layoutAttributesForElementsInRect(
        CGRect rect) const override;
    std::optional<UICollectionViewLayoutAttributes> layoutAttributesForItemAtIndexPath(
        const NSIndexPath& indexPath) const override;

  private:
    UICollectionViewScrollDirection scrollDirection_ = UICollectionViewScrollDirectionVertical;
    CGSize itemSize_{50, 50};
    UIEdgeInsets sectionInset_ = UIEdgeInsetsZero;
    CGFloat minimumLineSpacing_ = 10;
    CGFloat minimumInteritemSpacing_ = 10;

    std::vector<UICollectionViewLayoutAttributes> attributes_;  // ordered by index path
    CGSize contentSize_ = CGSizeZero;
};

}  // namespace fv
