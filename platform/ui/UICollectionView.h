#pragma once
// Collections: items in sections, placed by a layout (a flow layout unless another is given), in a
// scroll view whose content size is the layout's.
//
// Cells are asked for only in the layout pass, never inside reloadData: after a reload the old cells
// stay until the next pass, which queues them for reuse and asks for the items then in view. Only
// items intersecting the visible bounds exist as cells; one that leaves goes to the reuse queue of its
// identifier and comes back from dequeueReusableCellWithReuseIdentifier after prepareForReuse.
// A tap on an item selects it (the previous one is deselected) and calls didSelectItemAtIndexPath.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/NSIndexPath.h"
#include "platform/ui/ReuseQueue.h"
#include "platform/ui/UICollectionViewCell.h"
#include "platform/ui/UICollectionViewLayout.h"
#include "platform/ui/UIScrollView.h"

namespace fv {

class UINib;
class UICollectionView;
using UICollectionViewPtr = std::shared_ptr<UICollectionView>;

enum UICollectionViewScrollPosition : unsigned {
    UICollectionViewScrollPositionNone = 0,
    UICollectionViewScrollPositionTop = 1 << 0,
    UICollectionViewScrollPositionCenteredVertically = 1 << 1,
    UICollectionViewScrollPositionBottom = 1 << 2,
    UICollectionViewScrollPositionLeft = 1 << 3,
    UICollectionViewScrollPositionCenteredHorizontally = 1 << 4,
    UICollectionViewScrollPositionRight = 1 << 5,
};

class UICollectionViewDataSource {
  public:
    virtual ~UICollectionViewDataSource() = default;
    virtual long numberOfSectionsInCollectionView(UICollectionView& collectionView) {
        (void)collectionView;
        return 1;
    }
    virtual long collectionViewNumberOfItemsInSection(UICollectionView& collectionView, long section) = 0;
    virtual UICollectionViewCellPtr collectionViewCellForItemAtIndexPath(UICollectionView& collectionView,
                                                                         const NSIndexPath& indexPath) = 0;
};

// Every method optional.
class UICollectionViewDelegate : public UIScrollViewDelegate {
  public:
    virtual void collectionViewDidSelectItemAtIndexPath(UICollectionView& collectionView,
                                                        const NSIndexPath& indexPath) {
        (void)collectionView, (void)indexPath;
    }
};

class UICollectionView : public UIScrollView {
    FV_CLASS(UICollectionView, UIScrollView)
    static void registerMembers(ClassBuilder<UICollectionView>& b);
    // initWithFrame:collectionViewLayout:; none = a new flow layout.
    static UICollectionViewPtr create(CGRect frame = CGRectZero, UICollectionViewLayoutPtr layout = nullptr);
    UICollectionView();
    UICollectionView(CGRect frame, UICollectionViewLayoutPtr layout);
    ~UICollectionView() override;

    UICollectionViewLayout& collectionViewLayout() const { return *layout_; }
    const UICollectionViewLayoutPtr& collectionViewLayoutPtr() const { return layout_; }
    // None is ignored: a collection view always has a layout.
    void setCollectionViewLayout(const UICollectionViewLayoutPtr& layout);

    // ---- data source and delegate (weak) ----
    std::shared_ptr<UICollectionViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(const std::shared_ptr<UICollectionViewDataSource>& dataSource);
    // The delegate as a collection delegate (none when it is only a scroll-view delegate).
    std::shared_ptr<UICollectionViewDelegate> collectionDelegate() const {
        return collectionDelegate_.lock();
    }
    void setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) override;

    // ---- cells ----
    // A later registration for an identifier replaces the earlier one (and drops its queued cells).
    void registerNib(const std::shared_ptr<UINib>& nib, const std::string& identifier);
    // Cells of a class in the class registry; an unknown class is logged and registers nothing.
    void registerClass(const std::string& className, const std::string& identifier);
    template <typename Cell>
    void registerClass(const std::string& identifier) {
        registerClass(classInfoOf<Cell>().name, identifier);
    }
    // A queued cell (after prepareForReuse) or a new one from the registration. Never none: an
    // unregistered identifier is logged and gives a plain cell.
    UICollectionViewCellPtr dequeueReusableCellWithReuseIdentifier(const std::string& identifier,
                                                                   const NSIndexPath& indexPath);

    // Asks for nothing now; the next layout pass reads the data source again.
    void reloadData();
    // The data source's answers (0 without one).
    long numberOfSections();
    long numberOfItemsInSection(long section);

    // The cells placed by the last layout pass.
    std::vector<UICollectionViewCellPtr> visibleCells() const;
    std::vector<NSIndexPath> indexPathsForVisibleItems() const;
    UICollectionViewCellPtr cellForItemAtIndexPath(const NSIndexPath& indexPath) const;
    std::optional<NSIndexPath> indexPathForCell(const UICollectionViewCell* cell) const;
    std::optional<NSIndexPath> indexPathForItemAtPoint(CGPoint point);
    std::optional<UICollectionViewLayoutAttributes> layoutAttributesForItemAtIndexPath(
        const NSIndexPath& indexPath);

    std::optional<NSIndexPath> indexPathForSelectedItem() const { return selected_; }

    // Scrolls so that the item sits at the position (one vertical and one horizontal flag at most),
    // within the valid offset range.
    void scrollToItemAtIndexPath(const NSIndexPath& indexPath, unsigned scrollPosition, bool animated);

    void layoutSubviews() override;
    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;

  private:
    void prepareLayoutIfNeeded();
    void updateVisibleCells();
    void enqueue(const UICollectionViewCellPtr& cell);
    void endTouchTracking();

    UICollectionViewLayoutPtr layout_;
    std::weak_ptr<UICollectionViewDataSource> dataSource_;
    std::weak_ptr<UICollectionViewDelegate> collectionDelegate_;
    ReuseQueue<UICollectionViewCell> reuse_{"UICollectionView", "collection cell"};
    std::map<NSIndexPath, UICollectionViewCellPtr> visible_;
    bool reloadPending_ = true;
    bool updatingCells_ = false;
    CGSize preparedSize_{-1, -1};
    std::optional<NSIndexPath> selected_;
    std::optional<NSIndexPath> touchedItem_;
    CGPoint touchStart_;
};

}  // namespace fv
