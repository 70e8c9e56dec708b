// UITableView's views on screen: the cells and section views for what is visible, made, placed and reused.
#include "platform/ui/UITableView.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableViewMetrics.h"

namespace fv {

UITableViewCellPtr UITableView::visibleCellAt(const NSIndexPath& indexPath) const {
    auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

UITableViewCellPtr UITableView::makeCell(const NSIndexPath& indexPath, UITableViewDataSource& dataSource) {
    auto cell = dataSource.tableViewCellForRowAtIndexPath(*this, indexPath);
    if (cell) {
        reuse_.remove(cell);
        return cell;
    }
    // The platform would abort here; an empty row keeps the screen alive and the log says why.
    log("UITableView: the data source gave no cell for row " + indexPath.description() +
        "; showing an empty one");
    return UITableViewCell::create();
}

void UITableView::updateVisibleCells() {
    if (updatingCells_) return;
    auto keep = weak_from_this().lock();
    ensureGeometry();
    updatingCells_ = true;
    auto dataSource = this->dataSource();
    CGRect visible = bounds();
    std::vector<NSIndexPath> wanted = dataSource ? rowsInRect(visible) : std::vector<NSIndexPath>{};

    for (auto it = visible_.begin(); it != visible_.end();) {
        if (std::binary_search(wanted.begin(), wanted.end(), it->first)) {
            ++it;
            continue;
        }
        auto cell = it->second;
        it = visible_.erase(it);
        enqueue(cell);
    }
    for (const auto& indexPath : wanted) {
        auto cell = visibleCellAt(indexPath);
        if (!cell) {
            cell = makeCell(indexPath, *dataSource);
            visible_[indexPath] = cell;
            cell->setHighlighted(false, false);
            cell->setSelected(selected_ == indexPath, false);
            cell->setShowsSeparator(separatorStyle_ != UITableViewCellSeparatorStyleNone);
        }
        CGRect frame = rectForRowAtIndexPath(indexPath);
        if (!CGRectEqualToRect(cell->frame(), frame)) cell->setFrame(frame);
        if (cell->superview() != this) insertSubview(cell, 0);
    }
    updateSectionViews(visible, true);
    updateSectionViews(visible, false);
    placeTableHeaderAndFooter();
    updatingCells_ = false;
}

UIViewPtr UITableView::makeSectionView(long section, bool header) {
    auto delegate = tableDelegate();
    UIViewPtr view;
    if (delegate)
        view = header ? delegate->tableViewViewForHeaderInSection(*this, section)
                      : delegate->tableViewViewForFooterInSection(*this, section);
    if (view) return view;
    auto dataSource = this->dataSource();
    if (!dataSource) return nullptr;
    auto title = header ? dataSource->tableViewTitleForHeaderInSection(*this, section)
                        : dataSource->tableViewTitleForFooterInSection(*this, section);
    if (!title) return nullptr;
    CGFloat width = bounds().size.width;
    auto container = UIView::create({{0, 0}, {width, detail::kTableTitleHeaderHeight}});
    container->setBackgroundColor(UIColor::colorWithWhite(0.95, 1));
    auto label =
        UILabel::create({{15, 0}, {std::max<CGFloat>(0, width - 30), detail::kTableTitleHeaderHeight}});
    label->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    label->setFont(UIFont::boldSystemFontOfSize(13));
    label->setText(*title);
    container->addSubview(label);
    return container;
}

void UITableView::updateSectionViews(CGRect visible, bool header) {
    auto& views = header ? headerViews_ : footerViews_;
    std::map<long, UIViewPtr> shown;
    for (long s = 0; s < static_cast<long>(sections_.size()); ++s) {
        CGRect rect = header ? rectForHeaderInSection(s) : rectForFooterInSection(s);
        if (rect.size.height <= 0 || !CGRectIntersectsRect(rect, visible)) continue;
        auto existing = views.find(s);
        // A section without a view is remembered as none so it is not asked again while visible.
        UIViewPtr view = existing != views.end() ? existing->second : makeSectionView(s, header);
        shown[s] = view;
        if (!view) continue;
        view->setFrame(rect);
        if (view->superview() != this) addSubview(view);
    }
    for (auto& [section, view] : views)
        if (view && !shown.count(section) && view->superview() == this) view->removeFromSuperview();
    views = std::move(shown);
}

void UITableView::placeTableHeaderAndFooter() {
    CGFloat width = bounds().size.width;
    if (tableHeaderView_) tableHeaderView_->setFrame({{0, 0}, {width, tableHeaderHeight()}});
    if (tableFooterView_) {
        CGFloat top = sections_.empty() ? tableHeaderHeight() : sections_.back().bottom();
        tableFooterView_->setFrame(
            {{0, top}, {width, detail::tableNonNegative(tableFooterView_->frame().size.height)}});
    }
}

void UITableView::clearCellsAndSectionViews() {
    auto cells = std::move(visible_);
    visible_.clear();
    for (auto& [indexPath, cell] : cells) enqueue(cell);
    for (auto* views : {&headerViews_, &footerViews_}) {
        for (auto& [section, view] : *views)
            if (view && view->superview() == this) view->removeFromSuperview();
        views->clear();
    }
}

void UITableView::reloadData() {
    endTouchTracking();
    clearCellsAndSectionViews();
    selected_.reset();
    geometryValid_ = false;
    if (!updatingCells_) computeGeometry();
    setNeedsLayout();
}

void UITableView::layoutSubviews() {
    UIScrollView::layoutSubviews();
    ensureGeometry();
    if (bounds().size.width != laidOutWidth_) {
        laidOutWidth_ = bounds().size.width;
        setContentSize({laidOutWidth_, contentSize().height});
    }
    updateVisibleCells();
}

std::vector<UITableViewCellPtr> UITableView::visibleCells() {
    updateVisibleCells();
    std::vector<UITableViewCellPtr> cells;
    cells.reserve(visible_.size());
    for (auto& [indexPath, cell] : visible_) cells.push_back(cell);
    return cells;
}

std::vector<NSIndexPath> UITableView::indexPathsForVisibleRows() {
    updateVisibleCells();
    std::vector<NSIndexPath> paths;
    paths.reserve(visible_.size());
    for (auto& [indexPath, cell] : visible_) paths.push_back(indexPath);
    return paths;
}

std::optional<NSIndexPath> UITableView::indexPathForCell(const UITableViewCell* cell) {
    if (!cell) return std::nullopt;
    updateVisibleCells();
    for (auto& [indexPath, visibleCell] : visible_)
        if (visibleCell.get() == cell) return indexPath;
    return std::nullopt;
}

UITableViewCellPtr UITableView::cellForRowAtIndexPath(const NSIndexPath& indexPath) {
    updateVisibleCells();
    return visibleCellAt(indexPath);
}

UIViewPtr UITableView::headerViewForSection(long section) {
    updateVisibleCells();
    auto it = headerViews_.find(section);
    return it == headerViews_.end() ? nullptr : it->second;
}

UIViewPtr UITableView::footerViewForSection(long section) {
    updateVisibleCells();
    auto it = footerViews_.find(section);
    return it == footerViews_.end() ? nullptr : it->second;
}

}  // namespace fv
