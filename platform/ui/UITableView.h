#pragma once
// Tables: a vertical list of sections (header, rows, footer) between an optional table header and
// footer view, in a scroll view whose content size follows the heights.
//
// Only rows that intersect the visible bounds exist as cells. A cell that leaves them, or that is on
// screen at reloadData, goes to the reuse queue of its identifier and comes back from
// dequeueReusableCellWithIdentifier with its old state, after prepareForReuse. Cells are placed in
// the layout pass after a change; asking for visible cells, index paths or a row's cell places them
// at once. Header and footer views are asked for when their section comes into view and are held
// until it leaves.
//
// A tap on a row (touches that end without moving away) asks shouldHighlight, highlights the cell,
// then on release asks willSelect and selects the answered row with didSelect; the previously
// selected row gets willDeselect/didDeselect first. selectRowAtIndexPath and deselectRowAtIndexPath
// from code call no delegate method.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/NSIndexPath.h"
#include "platform/ui/ReuseQueue.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITableViewCell.h"

namespace fv {

class UINib;
class UITableView;
using UITableViewPtr = std::shared_ptr<UITableView>;

enum UITableViewStyle : int { UITableViewStylePlain = 0, UITableViewStyleGrouped = 1 };

enum UITableViewScrollPosition : int {
    UITableViewScrollPositionNone = 0,
    UITableViewScrollPositionTop = 1,
    UITableViewScrollPositionMiddle = 2,
    UITableViewScrollPositionBottom = 3,
};

enum UITableViewCellSeparatorStyle : int {
    UITableViewCellSeparatorStyleNone = 0,
    UITableViewCellSeparatorStyleSingleLine = 1,
};

// Rows and cells are required; the rest is optional (std::nullopt = not answered).
class UITableViewDataSource {
  public:
    virtual ~UITableViewDataSource() = default;
    virtual long numberOfSectionsInTableView(UITableView& tableView) {
        (void)tableView;
        return 1;
    }
    virtual long tableViewNumberOfRowsInSection(UITableView& tableView, long section) = 0;
    virtual UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                              const NSIndexPath& indexPath) = 0;
    virtual std::optional<std::string> tableViewTitleForHeaderInSection(UITableView& tableView,
                                                                        long section) {
        (void)tableView, (void)section;
        return std::nullopt;
    }
    virtual std::optional<std::string> tableViewTitleForFooterInSection(UITableView& tableView,
                                                                        long section) {
        (void)tableView, (void)section;
        return std::nullopt;
    }
    virtual std::optional<std::vector<std::string>> sectionIndexTitlesForTableView(UITableView& tableView) {
        (void)tableView;
        return std::nullopt;
    }
};

// Every method optional; the defaults are the table's own behaviour.
class UITableViewDelegate : public UIScrollViewDelegate {
  public:
    // Not answered: the table's rowHeight.
    virtual std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView& tableView,
                                                                    const NSIndexPath& indexPath) {
        (void)tableView, (void)indexPath;
        return std::nullopt;
    }
    // Not answered: 28 when the section has a title, else 0.
    virtual std::optional<CGFloat> tableViewHeightForHeaderInSection(UITableView& tableView, long section) {
        (void)tableView, (void)section;
        return std::nullopt;
    }
    virtual std::optional<CGFloat> tableViewHeightForFooterInSection(UITableView& tableView, long section) {
        (void)tableView, (void)section;
        return std::nullopt;
    }
    virtual UIViewPtr tableViewViewForHeaderInSection(UITableView& tableView, long section) {
        (void)tableView, (void)section;
        return nullptr;
    }
    virtual UIViewPtr tableViewViewForFooterInSection(UITableView& tableView, long section) {
        (void)tableView, (void)section;
        return nullptr;
    }
    virtual bool tableViewShouldHighlightRowAtIndexPath(UITableView& tableView,
                                                        const NSIndexPath& indexPath) {
        (void)tableView, (void)indexPath;
        return true;
    }
    // The row to select instead, or none to select nothing.
    virtual std::optional<NSIndexPath> tableViewWillSelectRowAtIndexPath(UITableView& tableView,
                                                                         const NSIndexPath& indexPath) {
        (void)tableView;
        return indexPath;
    }
    virtual void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) {
        (void)tableView, (void)indexPath;
    }
    virtual std::optional<NSIndexPath> tableViewWillDeselectRowAtIndexPath(UITableView& tableView,
                                                                           const NSIndexPath& indexPath) {
        (void)tableView;
        return indexPath;
    }
    virtual void tableViewDidDeselectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) {
        (void)tableView, (void)indexPath;
    }
};

class UITableView : public UIScrollView {
    FV_CLASS(UITableView, UIScrollView)
    static void registerMembers(ClassBuilder<UITableView>& b);
    static UITableViewPtr create(CGRect frame = CGRectZero, UITableViewStyle style = UITableViewStylePlain);
    UITableView();
    UITableView(CGRect frame, UITableViewStyle style);
    ~UITableView() override;

    UITableViewStyle style() const { return style_; }

    // ---- data source and delegate (weak) ----
    std::shared_ptr<UITableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(const std::shared_ptr<UITableViewDataSource>& dataSource);
    // The delegate as a table delegate (none when it is only a scroll-view delegate).
    std::shared_ptr<UITableViewDelegate> tableDelegate() const { return tableDelegate_.lock(); }
    void setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) override;

    // ---- appearance ----
    CGFloat rowHeight() const { return rowHeight_; }
    void setRowHeight(CGFloat height);
    UITableViewCellSeparatorStyle separatorStyle() const { return separatorStyle_; }
    void setSeparatorStyle(UITableViewCellSeparatorStyle style);
    bool allowsSelection() const { return allowsSelection_; }
    void setAllowsSelection(bool allows);
    // Above the first section and below the last; full width, their own height.
    UIViewPtr tableHeaderView() const { return tableHeaderView_; }
    void setTableHeaderView(const UIViewPtr& view);
    UIViewPtr tableFooterView() const { return tableFooterView_; }
    void setTableFooterView(const UIViewPtr& view);

    // ---- cells ----
    void registerNib(const std::shared_ptr<UINib>& nib, const std::string& identifier);
    // Cells of a class in the class registry; an unknown class is logged and registers nothing.
    void registerClass(const std::string& className, const std::string& identifier);
    template <typename Cell>
    void registerClass(const std::string& identifier) {
        registerClass(classInfoOf<Cell>().name, identifier);
    }
    // A queued cell (after prepareForReuse), or a new one from the registered nib or class; none
    // when nothing is queued and nothing is registered.
    UITableViewCellPtr dequeueReusableCellWithIdentifier(const std::string& identifier);
    // As above, but never none: an unregistered identifier is logged and gives a plain cell.
    UITableViewCellPtr dequeueReusableCellWithIdentifier(const std::string& identifier,
                                                         const NSIndexPath& indexPath);

    void reloadData();
    long numberOfSections();
    long numberOfRowsInSection(long section);

    std::vector<UITableViewCellPtr> visibleCells();
    std::vector<NSIndexPath> indexPathsForVisibleRows();
    // None when the cell is not on screen in this table.
    std::optional<NSIndexPath> indexPathForCell(const UITableViewCell* cell);
    std::optional<NSIndexPath> indexPathForRowAtPoint(CGPoint point);
    // The visible cell of that row, or none.
    UITableViewCellPtr cellForRowAtIndexPath(const NSIndexPath& indexPath);
    // The header (footer) view on screen for that section, or none.
    UIViewPtr headerViewForSection(long section);
    UIViewPtr footerViewForSection(long section);

    // In content coordinates; zero for a path outside the table.
    CGRect rectForRowAtIndexPath(const NSIndexPath& indexPath);
    CGRect rectForHeaderInSection(long section);
    CGRect rectForFooterInSection(long section);

    // ---- selection (one row at a time) ----
    std::optional<NSIndexPath> indexPathForSelectedRow() const { return selected_; }
    // None deselects. Scrolls to the row unless the position is none.
    void selectRowAtIndexPath(const std::optional<NSIndexPath>& indexPath, bool animated,
                              UITableViewScrollPosition scrollPosition);
    void deselectRowAtIndexPath(const NSIndexPath& indexPath, bool animated);

    void scrollToRowAtIndexPath(const NSIndexPath& indexPath, UITableViewScrollPosition position,
                                bool animated);

    void layoutSubviews() override;
    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;

  private:
    struct Section {
        CGFloat top = 0;
        CGFloat header = 0;
        std::vector<CGFloat> rowEnds;  // cumulative row bottoms, from the end of the header
        CGFloat footer = 0;
        CGFloat rowsTop() const { return top + header; }
        CGFloat rowsHeight() const { return rowEnds.empty() ? 0 : rowEnds.back(); }
        CGFloat bottom() const { return rowsTop() + rowsHeight() + footer; }
    };

    void ensureGeometry();
    void computeGeometry();
    CGFloat tableHeaderHeight() const;
    bool isValid(const NSIndexPath& indexPath);
    void updateVisibleCells();
    std::vector<NSIndexPath> rowsInRect(CGRect rect);
    UITableViewCellPtr makeCell(const NSIndexPath& indexPath, UITableViewDataSource& dataSource);
    UITableViewCellPtr visibleCellAt(const NSIndexPath& indexPath) const;
    UIViewPtr makeSectionView(long section, bool header);
    void enqueue(const UITableViewCellPtr& cell);
    void updateSectionViews(CGRect visible, bool headers);
    void placeTableHeaderAndFooter();
    void clearCellsAndSectionViews();
    void endTouchTracking();
    void selectRowByUser(const NSIndexPath& indexPath);

    UITableViewStyle style_ = UITableViewStylePlain;
    std::weak_ptr<UITableViewDataSource> dataSource_;
    std::weak_ptr<UITableViewDelegate> tableDelegate_;
    CGFloat rowHeight_ = 44;
    UITableViewCellSeparatorStyle separatorStyle_ = UITableViewCellSeparatorStyleSingleLine;
    bool allowsSelection_ = true;
    UIViewPtr tableHeaderView_;
    UIViewPtr tableFooterView_;

    ReuseQueue<UITableViewCell> reuse_{"UITableView", "table cell"};
    std::map<NSIndexPath, UITableViewCellPtr> visible_;
    std::map<long, UIViewPtr> headerViews_;
    std::map<long, UIViewPtr> footerViews_;

    std::vector<Section> sections_;
    bool geometryValid_ = false;
    bool updatingCells_ = false;
    CGFloat laidOutWidth_ = -1;

    std::optional<NSIndexPath> selected_;
    std::optional<NSIndexPath> touchedRow_;
    bool touchedRowHighlighted_ = false;
    CGPoint touchStart_;
};

}  // namespace fv
