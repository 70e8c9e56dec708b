#include "platform/ui/UICollectionViewLayout.h"

#include "platform/ui/UICollectionView.h"

namespace fv {

FV_REGISTER_CLASS(UICollectionViewLayout);

UICollectionViewLayout::~UICollectionViewLayout() = default;

void UICollectionViewLayout::attach(UICollectionView* collectionView) {
    collectionView_ = collectionView;
    invalid_ = true;
}

void UICollectionViewLayout::invalidateLayout() {
    if (preparing_) return;
    invalid_ = true;
    if (collectionView_) collectionView_->setNeedsLayout();
}

void UICollectionViewLayout::prepareIfNeeded() {
    if (!invalid_ || preparing_) return;
    preparing_ = true;
    prepareLayout();
    ++prepareCount_;
    invalid_ = false;
    preparing_ = false;
}

std::vector<UICollectionViewLayoutAttributes> UICollectionViewLayout::layoutAttributesForElementsInRect(
    CGRect) const {
    return {};
}

std::optional<UICollectionViewLayoutAttributes> UICollectionViewLayout::layoutAttributesForItemAtIndexPath(
    const NSIndexPath&) const {
    return std::nullopt;
}

}  // namespace fv
