#pragma once
// Cells and data sources shared by the table and collection tests.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/UICollectionViewFlowLayout.h"
#include "platform/ui/UITableView.h"

namespace fv {

// Counts creations, awakenings and reuses; `note` is state a reused cell must keep.
class CountingCell : public UITableViewCell {
    FV_CLASS(CountingCell, UITableViewCell)
    static void registerMembers(ClassBuilder<CountingCell>& b) {
        b.outlet("lbl_title", &CountingCell::lbl_title);
    }
    CountingCell() { ++created; }
    void prepareForReuse() override {
        ++reuses;
        UITableViewCell::prepareForReuse();
    }
    void awakeFromNib() override { ++awakes; }
    static void resetCounts() { created = reuses = awakes = 0; }

    std::string note;
    std::weak_ptr<UIView> lbl_title;
    static inline int created = 0;
    static inline int reuses = 0;
    static inline int awakes = 0;
};

class CountingItemCell : public UICollectionViewCell {
    FV_CLASS(CountingItemCell, UICollectionViewCell)
    CountingItemCell() { ++created; }
    void prepareForReuse() override { ++reuses; }
    void awakeFromNib() override { ++awakes; }
    static void resetCounts() { created = reuses = awakes = 0; }

    static inline int created = 0;
    static inline int reuses = 0;
    static inline int awakes = 0;
};

// A table data source and delegate that records the calls the selection makes.
class TableSource : public NSObject, public UITableViewDataSource, public UITableViewDelegate {
    FV_CLASS(TableSource, NSObject)
    std::vector<long> rows{20};
    std::string identifier = "Row";
    std::map<long, CGFloat> headerHeights;
    std::map<long, CGFloat> footerHeights;
    std::map<long, std::string> headerTitles;
    std::map<NSIndexPath, CGFloat> rowHeights;
    std::function<UIViewPtr(long)> headerView;
    bool highlight = true;
    std::function<std::optional<NSIndexPath>(const NSIndexPath&)> redirect;
    std::vector<std::string> calls;
    int cellRequests = 0;

    long numberOfSectionsInTableView(UITableView&) override { return static_cast<long>(rows.size()); }
    long tableViewNumberOfRowsInSection(UITableView&, long section) override {
        return rows[static_cast<std::size_t>(section)];
    }
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& table,
                                                      const NSIndexPath& indexPath) override;
    std::optional<std::string> tableViewTitleForHeaderInSection(UITableView&, long section) override;
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView&,
                                                            const NSIndexPath& indexPath) override;
    std::optional<CGFloat> tableViewHeightForHeaderInSection(UITableView&, long section) override;
    std::optional<CGFloat> tableViewHeightForFooterInSection(UITableView&, long section) override;
    UIViewPtr tableViewViewForHeaderInSection(UITableView&, long section) override;
    bool tableViewShouldHighlightRowAtIndexPath(UITableView&, const NSIndexPath& indexPath) override;
    std::optional<NSIndexPath> tableViewWillSelectRowAtIndexPath(UITableView&,
                                                                 const NSIndexPath& indexPath) override;
    void tableViewDidSelectRowAtIndexPath(UITableView&, const NSIndexPath& indexPath) override;
    std::optional<NSIndexPath> tableViewWillDeselectRowAtIndexPath(UITableView&,
                                                                   const NSIndexPath& indexPath) override;
    void tableViewDidDeselectRowAtIndexPath(UITableView&, const NSIndexPath& indexPath) override;
};

// A collection data source and flow delegate; each answer can be set per test.
class ItemSource : public NSObject,
                   public UICollectionViewDataSource,
                   public UICollectionViewDelegateFlowLayout {
    FV_CLASS(ItemSource, NSObject)
    long items = 10;
    std::string identifier = "Item";
    std::optional<CGSize> itemSize;
    std::optional<UIEdgeInsets> inset;
    std::optional<CGFloat> lineSpacing;
    std::function<void(UICollectionView&)> onNumberOfSections;
    std::vector<NSIndexPath> selected;
    int cellRequests = 0;

    long numberOfSectionsInCollectionView(UICollectionView& view) override {
        if (onNumberOfSections) onNumberOfSections(view);
        return 1;
    }
    long collectionViewNumberOfItemsInSection(UICollectionView&, long) override { return items; }
    UICollectionViewCellPtr collectionViewCellForItemAtIndexPath(UICollectionView& view,
                                                                 const NSIndexPath& indexPath) override {
        ++cellRequests;
        auto cell = view.dequeueReusableCellWithReuseIdentifier(identifier, indexPath);
        cell->setTag(indexPath.item());
        return cell;
    }
    std::optional<CGSize> collectionViewLayoutSizeForItemAtIndexPath(UICollectionView&,
                                                                     UICollectionViewLayout&,
                                                                     const NSIndexPath&) override {
        return itemSize;
    }
    std::optional<UIEdgeInsets> collectionViewLayoutInsetForSectionAtIndex(UICollectionView&,
                                                                           UICollectionViewLayout&,
                                                                           long) override {
        return inset;
    }
    std::optional<CGFloat> collectionViewLayoutMinimumLineSpacingForSectionAtIndex(UICollectionView&,
                                                                                   UICollectionViewLayout&,
                                                                                   long) override {
        return lineSpacing;
    }
    void collectionViewDidSelectItemAtIndexPath(UICollectionView&, const NSIndexPath& indexPath) override {
        selected.push_back(indexPath);
    }
};

}  // namespace fv
