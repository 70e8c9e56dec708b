#include "cards/CardCarousel.h"

#include <algorithm>
#include <cmath>

namespace fv {

UIEdgeInsets cardCarouselInsets(CGFloat collectionWidth) {
    const CGFloat side = (collectionWidth - kCardCarouselItemWidth) * 0.5;
    return UIEdgeInsetsMake(0, side, 0, side);
}

CardCarouselSnap snapCardCarousel(CGFloat x, CGFloat target, CGFloat contentWidth, CGFloat boundsWidth,
                                  long cardCount) {
    const float current = static_cast<float>(x);
    const float pages = current / kCardCarouselPitch;
    const float page =
        (current < static_cast<float>(target) ? std::ceil(pages) : std::floor(pages)) * kCardCarouselPitch;
    const float last = std::max(0.0f, static_cast<float>(contentWidth - boundsWidth));
    CardCarouselSnap snap;
    snap.offset = std::clamp(page, 0.0f, last);
    if (cardCount > 0)
        snap.index =
            std::min(static_cast<long>(static_cast<float>(snap.offset) / kCardCarouselPitch), cardCount - 1);
    return snap;
}

std::optional<long> endCarouselDrag(UICollectionView& carousel, CGPoint& target, long cardCount) {
    const CGFloat x = carousel.contentOffset().x;
    const auto snap =
        snapCardCarousel(x, target.x, carousel.contentSize().width, carousel.bounds().size.width, cardCount);
    target.x = x;
    carousel.setContentOffset(CGPointMake(snap.offset, 0), true);
    return snap.index;
}

std::optional<CGSize> CardCarouselLayout::collectionViewLayoutSizeForItemAtIndexPath(UICollectionView&,
                                                                                     UICollectionViewLayout&,
                                                                                     const NSIndexPath&) {
    return CGSizeMake(kCardCarouselItemWidth, kCardCarouselItemHeight);
}

std::optional<UIEdgeInsets> CardCarouselLayout::collectionViewLayoutInsetForSectionAtIndex(
    UICollectionView& carousel, UICollectionViewLayout&, long) {
    return cardCarouselInsets(carousel.frame().size.width);
}

std::optional<CGFloat> CardCarouselLayout::collectionViewLayoutMinimumLineSpacingForSectionAtIndex(
    UICollectionView&, UICollectionViewLayout&, long) {
    return kCardCarouselLineSpacing;
}

}  // namespace fv
