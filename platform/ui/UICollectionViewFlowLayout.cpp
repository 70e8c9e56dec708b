#include "platform/ui/UICollectionViewFlowLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GeometryValue.h"

namespace fv {

namespace {
CGFloat finiteOr(CGFloat v, CGFloat fallback) {
    return std::isfinite(v) ? v : fallback;
}
CGFloat nonNegative(CGFloat v) {
    return std::isfinite(v) && v > 0 ? v : 0;
}

// Insets travel as {"top", "left", "bottom", "right"}; anything else is refused.
std::optional<UIEdgeInsets> insetsFromValue(const Value& v) {
    if (!v.isDictionary()) return std::nullopt;
    UIEdgeInsets insets;
    const char* keys[] = {"top", "left", "bottom", "right"};
    CGFloat* fields[] = {&insets.top, &insets.left, &insets.bottom, &insets.right};
    for (int i = 0; i < 4; ++i) {
        auto n = v[keys[i]].asReal();
        if (!n) return std::nullopt;
        *fields[i] = *n;
    }
    return insets;
}

Value valueWithInsets(UIEdgeInsets insets) {
    Value::Dictionary d;
    d["top"] = insets.top;
    d["left"] = insets.left;
    d["bottom"] = insets.bottom;
    d["right"] = insets.right;
    return Value(std::move(d));
}
}  // namespace

FV_REGISTER_CLASS(UICollectionViewFlowLayout);

void UICollectionViewFlowLayout::registerMembers(ClassBuilder<UICollectionViewFlowLayout>& b) {
    b.enumNames("scrollDirection", {{"vertical", 0}, {"horizontal", 1}});
    b.property("scrollDirection", &UICollectionViewFlowLayout::scrollDirection,
               &UICollectionViewFlowLayout::setScrollDirection);
    b.property("minimumLineSpacing", &UICollectionViewFlowLayout::minimumLineSpacing,
               &UICollectionViewFlowLayout::setMinimumLineSpacing);
    b.property("minimumInteritemSpacing", &UICollectionViewFlowLayout::minimumInteritemSpacing,
               &UICollectionViewFlowLayout::setMinimumInteritemSpacing);
    b.property(
        "itemSize", [](UICollectionViewFlowLayout& l) { return valueWithCGSize(l.itemSize()); },
        [](UICollectionViewFlowLayout& l, const Value& v) {
            if (!v.isDictionary() || !v["width"].asReal() || !v["height"].asReal()) return false;
            l.setItemSize(sizeFromValue(v));
            return true;
        });
    b.property(
        "sectionInset", [](UICollectionViewFlowLayout& l) { return valueWithInsets(l.sectionInset()); },
        [](UICollectionViewFlowLayout& l, const Value& v) {
            auto insets = insetsFromValue(v);
            if (!insets) return false;
            l.setSectionInset(*insets);
            return true;
        });
}

UICollectionViewFlowLayout::~UICollectionViewFlowLayout() = default;

void UICollectionViewFlowLayout::setScrollDirection(UICollectionViewScrollDirection direction) {
    scrollDirection_ = direction;
    invalidateLayout();
}

void UICollectionViewFlowLayout::setItemSize(CGSize size) {
    itemSize_ = size;
    invalidateLayout();
}

void UICollectionViewFlowLayout::setSectionInset(UIEdgeInsets insets) {
    sectionInset_ = insets;
    invalidateLayout();
}

void UICollectionViewFlowLayout::setMinimumLineSpacing(CGFloat spacing) {
    minimumLineSpacing_ = spacing;
    invalidateLayout();
}

void UICollectionViewFlowLayout::setMinimumInteritemSpacing(CGFloat spacing) {
    minimumInteritemSpacing_ = spacing;
    invalidateLayout();
}

void UICollectionViewFlowLayout::prepareLayout() {
    attributes_.clear();
    contentSize_ = CGSizeZero;
    UICollectionView* view = collectionView();
    if (!view) return;
    auto keep = view->weak_from_this().lock();
    auto dataSource = view->dataSource();
    auto flowDelegate = std::dynamic_pointer_cast<UICollectionViewDelegateFlowLayout>(view->delegate());
    const bool horizontal = scrollDirection_ == UICollectionViewScrollDirectionHorizontal;
    const CGSize bounds = view->bounds().size;
    long sections = dataSource ? std::max(0L, dataSource->numberOfSectionsInCollectionView(*view)) : 0;

    // `along` runs in the scroll direction, `across` within a line.
    CGFloat along = 0;
    for (long s = 0; s < sections; ++s) {
        UIEdgeInsets inset = sectionInset_;
        CGFloat lineSpacing = minimumLineSpacing_, itemSpacing = minimumInteritemSpacing_;
        if (flowDelegate) {
            inset = flowDelegate->collectionViewLayoutInsetForSectionAtIndex(*view, *this, s).value_or(inset);
            lineSpacing =
                flowDelegate->collectionViewLayoutMinimumLineSpacingForSectionAtIndex(*view, *this, s)
                    .value_or(lineSpacing);
            itemSpacing =
                flowDelegate->collectionViewLayoutMinimumInteritemSpacingForSectionAtIndex(*view, *this, s)
                    .value_or(itemSpacing);
        }
        lineSpacing = finiteOr(lineSpacing, 0);
        itemSpacing = finiteOr(itemSpacing, 0);
        const CGFloat leading = finiteOr(horizontal ? inset.left : inset.top, 0);
        const CGFloat trailing = finiteOr(horizontal ? inset.right : inset.bottom, 0);
        const CGFloat crossStart = finiteOr(horizontal ? inset.top : inset.left, 0);
        const CGFloat crossRoom = (horizontal ? bounds.height : bounds.width) - crossStart -
                                  finiteOr(horizontal ? inset.bottom : inset.right, 0);

        long items = std::max(0L, dataSource->collectionViewNumberOfItemsInSection(*view, s));
        along += leading;
        CGFloat lineStart = along, lineDepth = 0, lineEnd = 0;
        bool lineEmpty = true;
        for (long i = 0; i < items; ++i) {
            NSIndexPath indexPath{s, i};
            CGSize size = itemSize_;
            if (flowDelegate)
                size = flowDelegate->collectionViewLayoutSizeForItemAtIndexPath(*view, *this, indexPath)
                           .value_or(size);
            size = {nonNegative(size.width), nonNegative(size.height)};
            const CGFloat depth = horizontal ? size.width : size.height;
            const CGFloat breadth = horizontal ? size.height : size.width;
            if (!lineEmpty && lineEnd + itemSpacing + breadth > crossRoom + 1e-9) {
                lineStart += lineDepth + lineSpacing;
                lineDepth = 0;
                lineEnd = 0;
                lineEmpty = true;
            }
            const CGFloat across = lineEmpty ? 0 : lineEnd + itemSpacing;
            CGRect frame = horizontal ? CGRect{{lineStart, crossStart + across}, size}
                                      : CGRect{{crossStart + across, lineStart}, size};
            attributes_.push_back({indexPath, frame});
            lineEnd = across + breadth;
            lineDepth = std::max(lineDepth, depth);
            lineEmpty = false;
        }
        if (items > 0) along = lineStart + lineDepth;
        along += trailing;
    }
    along = std::max<CGFloat>(0, along);
    contentSize_ = horizontal ? CGSize{along, bounds.height} : CGSize{bounds.width, along};
}

std::vector<UICollectionViewLayoutAttributes> UICollectionViewFlowLayout::layoutAttributesForElementsInRect(
    CGRect rect) const {
    std::vector<UICollectionViewLayoutAttributes> found;
    for (const auto& a : attributes_)
        if (CGRectIntersectsRect(a.frame, rect)) found.push_back(a);
    return found;
}

std::optional<UICollectionViewLayoutAttributes>
UICollectionViewFlowLayout::layoutAttributesForItemAtIndexPath(const NSIndexPath& indexPath) const {
    auto it = std::lower_bound(
        attributes_.begin(), attributes_.end(), indexPath,
        [](const UICollectionViewLayoutAttributes& a, const NSIndexPath& p) { return a.indexPath < p; });
    if (it == attributes_.end() || it->indexPath != indexPath) return std::nullopt;
    return *it;
}

}  // namespace fv
