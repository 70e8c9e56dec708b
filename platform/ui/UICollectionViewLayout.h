#pragma once
// The placement of a collection view's items. The collection view prepares its layout in its layout
// pass when the layout was invalidated (reloadData, a size change, invalidateLayout), then asks it for
// the content size and for the items in the visible rect.
//
// invalidateLayout while the layout is preparing (a data source that invalidates from
// numberOfSectionsInCollectionView) is dropped: the pass under way already reads the new answers, and
// honouring it would prepare again forever. Invalidations at any other time, including from
// viewDidLayoutSubviews, mark the layout for the next pass.
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/NSIndexPath.h"

namespace fv {

class UICollectionView;
class UICollectionViewLayout;
using UICollectionViewLayoutPtr = std::shared_ptr<UICollectionViewLayout>;

struct UICollectionViewLayoutAttributes {
    NSIndexPath indexPath;
    CGRect frame;
};

class UICollectionViewLayout : public NSObject {
    FV_CLASS(UICollectionViewLayout, NSObject)
    UICollectionViewLayout() = default;
    ~UICollectionViewLayout() override;

    // The collection view using this layout, or none.
    UICollectionView* collectionView() const { return collectionView_; }

    void invalidateLayout();
    bool isPreparing() const { return preparing_; }
    // How many times prepareLayout ran.
    int prepareCount() const { return prepareCount_; }

    // Subclasses compute here, reading the collection view's data source and delegate.
    virtual void prepareLayout() {}
    virtual CGSize collectionViewContentSize() const { return CGSizeZero; }
    // Ordered by index path.
    virtual std::vector<UICollectionViewLayoutAttributes> layoutAttributesForElementsInRect(
        CGRect rect) const;
    virtual std::optional<UICollectionViewLayoutAttributes> layoutAttributesForItemAtIndexPath(
        const NSIndexPath& indexPath) const;

  private:
    friend class UICollectionView;
    void attach(UICollectionView* collectionView);
    // Prepares when invalid; an invalidation during it is dropped.
    void prepareIfNeeded();

    UICollectionView* collectionView_ = nullptr;
    bool invalid_ = true;
    bool preparing_ = false;
    int prepareCount_ = 0;
};

}  // namespace fv
