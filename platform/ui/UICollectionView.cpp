#include "platform/ui/UICollectionView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/ui/UICollectionViewFlowLayout.h"
#include "platform/ui/UINib.h"

namespace fv {

namespace {
constexpr CGFloat kTapSlop = 10;
}  // namespace

FV_REGISTER_CLASS(UICollectionView);

void UICollectionView::registerMembers(ClassBuilder<UICollectionView>& b) {
    b.object(
        "collectionViewLayout",
        [](UICollectionView& c) -> NSObjectPtr { return c.collectionViewLayoutPtr(); },
        [](UICollectionView& c, const NSObjectPtr& v) {
            auto layout = std::dynamic_pointer_cast<UICollectionViewLayout>(v);
            if (!layout) return false;
            c.setCollectionViewLayout(layout);
            return true;
        });
    b.object(
        "dataSource", [](UICollectionView& c) { return std::dynamic_pointer_cast<NSObject>(c.dataSource()); },
        [](UICollectionView& c, const NSObjectPtr& v) {
            auto typed = std::dynamic_pointer_cast<UICollectionViewDataSource>(v);
            if (v && !typed) return false;
            c.setDataSource(typed);
            return true;
        });
    b.object(
        "delegate", [](UICollectionView& c) { return std::dynamic_pointer_cast<NSObject>(c.delegate()); },
        [](UICollectionView& c, const NSObjectPtr& v) {
            // Through the list's own delegate type first: a screen that is a scroll-view delegate
            // along several paths has no unambiguous UIScrollViewDelegate base.
            std::shared_ptr<UIScrollViewDelegate> typed =
                std::dynamic_pointer_cast<UICollectionViewDelegate>(v);
            if (!typed) typed = std::dynamic_pointer_cast<UIScrollViewDelegate>(v);
            if (v && !typed) return false;
            c.setDelegate(typed);
            return true;
        });
}

UICollectionViewPtr UICollectionView::create(CGRect frame, UICollectionViewLayoutPtr layout) {
    return std::make_shared<UICollectionView>(frame, std::move(layout));
}

UICollectionView::UICollectionView() : UICollectionView(CGRectZero, nullptr) {}

UICollectionView::UICollectionView(CGRect frame, UICollectionViewLayoutPtr layout) {
    setFrame(frame);
    layout_ = layout ? std::move(layout) : UICollectionViewFlowLayout::create();
    layout_->attach(this);
}

UICollectionView::~UICollectionView() {
    if (layout_ && layout_->collectionView() == this) layout_->attach(nullptr);
}

void UICollectionView::setCollectionViewLayout(const UICollectionViewLayoutPtr& layout) {
    if (!layout || layout == layout_) return;
    if (layout_->collectionView() == this) layout_->attach(nullptr);
    layout_ = layout;
    layout_->attach(this);
    setNeedsLayout();
}

void UICollectionView::setDataSource(const std::shared_ptr<UICollectionViewDataSource>& dataSource) {
    dataSource_ = dataSource;
    reloadData();
}

void UICollectionView::setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) {
    UIScrollView::setDelegate(delegate);
    collectionDelegate_ = std::dynamic_pointer_cast<UICollectionViewDelegate>(delegate);
    layout_->invalidateLayout();
}

// ---- registration and reuse ----

void UICollectionView::registerNib(const std::shared_ptr<UINib>& nib, const std::string& identifier) {
    reuse_.registerNib(nib, identifier);
}

void UICollectionView::registerClass(const std::string& className, const std::string& identifier) {
    reuse_.registerClass(className, identifier);
}

UICollectionViewCellPtr UICollectionView::dequeueReusableCellWithReuseIdentifier(
    const std::string& identifier, const NSIndexPath& indexPath) {
    auto cell = reuse_.dequeue(identifier);
    if (cell) return cell;
    // The platform would abort here; a plain cell keeps the screen alive and the log says why.
    log("UICollectionView: no cell registered for identifier `" + identifier + "` (item " +
        indexPath.description() + "); using a plain cell");
    cell = UICollectionViewCell::create();
    cell->setReuseIdentifier(identifier);
    return cell;
}

void UICollectionView::enqueue(const UICollectionViewCellPtr& cell) {
    if (cell->superview() == this) cell->removeFromSuperview();
    cell->setHighlighted(false);
    reuse_.enqueue(cell, visible_.size());
}

// ---- data ----

void UICollectionView::reloadData() {
    endTouchTracking();
    reloadPending_ = true;
    layout_->invalidateLayout();
    setNeedsLayout();
}

long UICollectionView::numberOfSections() {
    auto dataSource = this->dataSource();
    return dataSource ? std::max(0L, dataSource->numberOfSectionsInCollectionView(*this)) : 0;
}

long UICollectionView::numberOfItemsInSection(long section) {
    auto dataSource = this->dataSource();
    if (!dataSource || section < 0 || section >= numberOfSections()) return 0;
    return std::max(0L, dataSource->collectionViewNumberOfItemsInSection(*this, section));
}

// ---- layout ----

void UICollectionView::prepareLayoutIfNeeded() {
    CGSize size = bounds().size;
    if (size.width != preparedSize_.width || size.height != preparedSize_.height) {
        preparedSize_ = size;
        layout_->invalid_ = true;
    }
    layout_->prepareIfNeeded();
}

void UICollectionView::layoutSubviews() {
    UIScrollView::layoutSubviews();
    auto keep = weak_from_this().lock();
    if (reloadPending_) {
        reloadPending_ = false;
        auto cells = std::move(visible_);
        visible_.clear();
        for (auto& [indexPath, cell] : cells) enqueue(cell);
    }
    prepareLayoutIfNeeded();
    CGSize size = layout_->collectionViewContentSize();
    CGSize current = contentSize();
    if (size.width != current.width || size.height != current.height) setContentSize(size);
    updateVisibleCells();
}

void UICollectionView::updateVisibleCells() {
    if (updatingCells_) return;
    updatingCells_ = true;
    auto dataSource = this->dataSource();
    std::vector<UICollectionViewLayoutAttributes> wanted;
    if (dataSource) wanted = layout_->layoutAttributesForElementsInRect(bounds());
    std::sort(wanted.begin(), wanted.end(),
              [](const auto& a, const auto& b) { return a.indexPath < b.indexPath; });
    auto isWanted = [&](const NSIndexPath& p) {
        return std::binary_search(wanted.begin(), wanted.end(),
                                  UICollectionViewLayoutAttributes{p, CGRectZero},
                                  [](const auto& a, const auto& b) { return a.indexPath < b.indexPath; });
    };
    for (auto it = visible_.begin(); it != visible_.end();) {
        if (isWanted(it->first)) {
            ++it;
            continue;
        }
        auto cell = it->second;
        it = visible_.erase(it);
        enqueue(cell);
    }
    for (const auto& attributes : wanted) {
        auto& slot = visible_[attributes.indexPath];
        if (!slot) {
            auto cell = dataSource->collectionViewCellForItemAtIndexPath(*this, attributes.indexPath);
            if (cell) {
                reuse_.remove(cell);
            } else {
                log("UICollectionView: the data source gave no cell for item " +
                    attributes.indexPath.description() + "; showing an empty one");
                cell = UICollectionViewCell::create();
            }
            cell->setSelected(selected_ == attributes.indexPath);
            slot = cell;
        }
        if (!CGRectEqualToRect(slot->frame(), attributes.frame)) slot->setFrame(attributes.frame);
        if (slot->superview() != this) insertSubview(slot, 0);
    }
    updatingCells_ = false;
}

std::vector<UICollectionViewCellPtr> UICollectionView::visibleCells() const {
    std::vector<UICollectionViewCellPtr> cells;
    for (const auto& [indexPath, cell] : visible_) cells.push_back(cell);
    return cells;
}

std::vector<NSIndexPath> UICollectionView::indexPathsForVisibleItems() const {
    std::vector<NSIndexPath> paths;
    for (const auto& [indexPath, cell] : visible_) paths.push_back(indexPath);
    return paths;
}

UICollectionViewCellPtr UICollectionView::cellForItemAtIndexPath(const NSIndexPath& indexPath) const {
    auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

std::optional<NSIndexPath> UICollectionView::indexPathForCell(const UICollectionViewCell* cell) const {
    for (const auto& [indexPath, visibleCell] : visible_)
        if (visibleCell.get() == cell) return indexPath;
    return std::nullopt;
}

std::optional<NSIndexPath> UICollectionView::indexPathForItemAtPoint(CGPoint point) {
    prepareLayoutIfNeeded();
    for (const auto& a : layout_->layoutAttributesForElementsInRect({{point.x - 0.5, point.y - 0.5}, {1, 1}}))
        if (CGRectContainsPoint(a.frame, point)) return a.indexPath;
    return std::nullopt;
}

std::optional<UICollectionViewLayoutAttributes> UICollectionView::layoutAttributesForItemAtIndexPath(
    const NSIndexPath& indexPath) {
    prepareLayoutIfNeeded();
    return layout_->layoutAttributesForItemAtIndexPath(indexPath);
}

void UICollectionView::scrollToItemAtIndexPath(const NSIndexPath& indexPath, unsigned position,
                                               bool animated) {
    auto attributes = layoutAttributesForItemAtIndexPath(indexPath);
    if (!attributes) return;
    CGRect item = attributes->frame;
    CGRect b = bounds();
    UIEdgeInsets in = contentInset();
    CGPoint offset = b.origin;
    if (position & UICollectionViewScrollPositionTop) offset.y = CGRectGetMinY(item) - in.top;
    if (position & UICollectionViewScrollPositionCenteredVertically)
        offset.y = CGRectGetMidY(item) - b.size.height / 2;
    if (position & UICollectionViewScrollPositionBottom)
        offset.y = CGRectGetMaxY(item) - b.size.height + in.bottom;
    if (position & UICollectionViewScrollPositionLeft) offset.x = CGRectGetMinX(item) - in.left;
    if (position & UICollectionViewScrollPositionCenteredHorizontally)
        offset.x = CGRectGetMidX(item) - b.size.width / 2;
    if (position & UICollectionViewScrollPositionRight)
        offset.x = CGRectGetMaxX(item) - b.size.width + in.right;
    CGSize size = layout_->collectionViewContentSize();
    if (size.width != contentSize().width || size.height != contentSize().height) setContentSize(size);
    setContentOffset(clampedContentOffset(offset), animated);
}

// ---- touches ----

void UICollectionView::endTouchTracking() {
    if (touchedItem_)
        if (auto cell = cellForItemAtIndexPath(*touchedItem_)) cell->setHighlighted(false);
    touchedItem_.reset();
}

void UICollectionView::touchesBegan(const UITouchSet& touches, UIEvent* event) {
    endTouchTracking();
    if (touches.empty()) return;
    std::optional<NSIndexPath> indexPath;
    if (!touchStartsInNestedScrollView(*touches.front()))
        indexPath = indexPathForItemAtPoint(touches.front()->locationInView(this));
    auto cell = indexPath ? cellForItemAtIndexPath(*indexPath) : nullptr;
    if (!cell) {
        UIScrollView::touchesBegan(touches, event);
        return;
    }
    touchStart_ = touches.front()->locationInView(nullptr);
    touchedItem_ = indexPath;
    cell->setHighlighted(true);
}

void UICollectionView::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    if (!touchedItem_ || touches.empty()) {
        UIScrollView::touchesMoved(touches, event);
        return;
    }
    CGPoint p = touches.front()->locationInView(nullptr);
    if (std::hypot(p.x - touchStart_.x, p.y - touchStart_.y) > kTapSlop || isDragging()) endTouchTracking();
}

void UICollectionView::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    if (!touchedItem_) {
        UIScrollView::touchesEnded(touches, event);
        return;
    }
    NSIndexPath indexPath = *touchedItem_;
    bool dragged = isDragging();
    endTouchTracking();
    if (dragged) return;
    auto keep = weak_from_this().lock();
    if (selected_ && *selected_ != indexPath)
        if (auto previous = cellForItemAtIndexPath(*selected_)) previous->setSelected(false);
    selected_ = indexPath;
    if (auto cell = cellForItemAtIndexPath(indexPath)) cell->setSelected(true);
    if (auto delegate = collectionDelegate())
        delegate->collectionViewDidSelectItemAtIndexPath(*this, indexPath);
}

void UICollectionView::touchesCancelled(const UITouchSet& touches, UIEvent* event) {
    if (!touchedItem_) {
        UIScrollView::touchesCancelled(touches, event);
        return;
    }
    endTouchTracking();
}

}  // namespace fv
