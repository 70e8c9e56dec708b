#pragma once
// The card carousels of the card controls and the virtual card: cards of 300 by 200 points, 20 apart,
// one centred in the collection view, so one card follows the next every 320 points. At the end of a
// drag the carousel snaps to the page in the drag's direction.
#include <optional>

#include "platform/graphics/Geometry.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UICollectionViewFlowLayout.h"

namespace fv {

inline constexpr CGFloat kCardCarouselItemWidth = 300;
inline constexpr CGFloat kCardCarouselItemHeight = 200;
inline constexpr CGFloat kCardCarouselLineSpacing = 20;
inline constexpr float kCardCarouselPitch = 320;

// Left and right insets of (width - 300) * 0.5, which centre one card.
UIEdgeInsets cardCarouselInsets(CGFloat collectionWidth);

struct CardCarouselSnap {
    CGFloat offset = 0;
    // The card now centred; none when there is no card.
    std::optional<long> index;
};

// Where a drag released at horizontal offset `x`, with the target `target` proposed, comes to rest:
// floor(x / 320) pages when the drag went back or stopped (x >= target), ceil(x / 320) when it went
// forward, in single precision; clamped to [0, max(0, contentWidth - boundsWidth)], and the index to
// the last of `cardCount` cards.
CardCarouselSnap snapCardCarousel(CGFloat x, CGFloat target, CGFloat contentWidth, CGFloat boundsWidth,
                                  long cardCount);

// The end of a drag of `carousel`: it stops where the finger left (the proposed `target` becomes the
// current offset, so it does not decelerate on its own) and scrolls, animated, to the card
// snapCardCarousel picks; that card, or none without cards.
std::optional<long> endCarouselDrag(UICollectionView& carousel, CGPoint& target, long cardCount);

// The flow-layout answers of a screen whose only collection is a card carousel: the card's size, the
// centring insets and the spacing.
class CardCarouselLayout : public UICollectionViewDelegateFlowLayout {
  public:
    std::optional<CGSize> collectionViewLayoutSizeForItemAtIndexPath(UICollectionView& collectionView,
                                                                     UICollectionViewLayout& layout,
                                                                     const NSIndexPath& indexPath) override;
    std::optional<UIEdgeInsets> collectionViewLayoutInsetForSectionAtIndex(UICollectionView& collectionView,
                                                                           UICollectionViewLayout& layout,
                                                                           long section) override;
    std::optional<CGFloat> collectionViewLayoutMinimumLineSpacingForSectionAtIndex(
        UICollectionView& collectionView, UICollectionViewLayout& layout, long section) override;
};

}  // namespace fv
