// UITableView's geometry: where each section, row, header and footer lies, worked out from the data source.
#include "platform/ui/UITableView.h"

#include <algorithm>

#include "platform/ui/UITableViewMetrics.h"

namespace fv {

CGFloat UITableView::tableHeaderHeight() const {
    return tableHeaderView_ ? detail::tableNonNegative(tableHeaderView_->frame().size.height) : 0;
}

void UITableView::ensureGeometry() {
    if (!geometryValid_) computeGeometry();
}

void UITableView::computeGeometry() {
    geometryValid_ = true;
    auto keep = weak_from_this().lock();
    auto dataSource = this->dataSource();
    auto delegate = tableDelegate();
    std::vector<Section> sections;
    CGFloat y = tableHeaderHeight();
    long count = dataSource ? std::max(0L, dataSource->numberOfSectionsInTableView(*this)) : 0;
    for (long s = 0; s < count; ++s) {
        Section section;
        section.top = y;
        auto headerHeight = delegate ? delegate->tableViewHeightForHeaderInSection(*this, s) : std::nullopt;
        if (!headerHeight && dataSource->tableViewTitleForHeaderInSection(*this, s))
            headerHeight = detail::kTableTitleHeaderHeight;
        section.header = detail::tableNonNegative(headerHeight.value_or(0));
        long rows = std::max(0L, dataSource->tableViewNumberOfRowsInSection(*this, s));
        section.rowEnds.reserve(static_cast<std::size_t>(rows));
        CGFloat end = 0;
        for (long r = 0; r < rows; ++r) {
            auto h = delegate ? delegate->tableViewHeightForRowAtIndexPath(*this, {s, r}) : std::nullopt;
            end += detail::tableNonNegative(h.value_or(rowHeight_));
            section.rowEnds.push_back(end);
        }
        auto footerHeight = delegate ? delegate->tableViewHeightForFooterInSection(*this, s) : std::nullopt;
        if (!footerHeight && dataSource->tableViewTitleForFooterInSection(*this, s))
            footerHeight = detail::kTableTitleHeaderHeight;
        section.footer = detail::tableNonNegative(footerHeight.value_or(0));
        y = section.bottom();
        sections.push_back(std::move(section));
    }
    sections_ = std::move(sections);
    if (tableFooterView_) y += detail::tableNonNegative(tableFooterView_->frame().size.height);
    laidOutWidth_ = bounds().size.width;
    setContentSize({laidOutWidth_, y});
}

long UITableView::numberOfSections() {
    ensureGeometry();
    return static_cast<long>(sections_.size());
}

long UITableView::numberOfRowsInSection(long section) {
    ensureGeometry();
    if (section < 0 || section >= static_cast<long>(sections_.size())) return 0;
    return static_cast<long>(sections_[static_cast<std::size_t>(section)].rowEnds.size());
}

bool UITableView::isValid(const NSIndexPath& indexPath) {
    return indexPath.row >= 0 && indexPath.row < numberOfRowsInSection(indexPath.section);
}

CGRect UITableView::rectForRowAtIndexPath(const NSIndexPath& indexPath) {
    if (!isValid(indexPath)) return CGRectZero;
    const auto& section = sections_[static_cast<std::size_t>(indexPath.section)];
    auto r = static_cast<std::size_t>(indexPath.row);
    CGFloat start = r ? section.rowEnds[r - 1] : 0;
    return {{0, section.rowsTop() + start}, {bounds().size.width, section.rowEnds[r] - start}};
}

CGRect UITableView::rectForHeaderInSection(long section) {
    ensureGeometry();
    if (section < 0 || section >= static_cast<long>(sections_.size())) return CGRectZero;
    const auto& s = sections_[static_cast<std::size_t>(section)];
    return {{0, s.top}, {bounds().size.width, s.header}};
}

CGRect UITableView::rectForFooterInSection(long section) {
    ensureGeometry();
    if (section < 0 || section >= static_cast<long>(sections_.size())) return CGRectZero;
    const auto& s = sections_[static_cast<std::size_t>(section)];
    return {{0, s.rowsTop() + s.rowsHeight()}, {bounds().size.width, s.footer}};
}

std::optional<NSIndexPath> UITableView::indexPathForRowAtPoint(CGPoint point) {
    ensureGeometry();
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const auto& section = sections_[s];
        CGFloat local = point.y - section.rowsTop();
        if (local < 0 || local >= section.rowsHeight()) continue;
        auto it = std::upper_bound(section.rowEnds.begin(), section.rowEnds.end(), local);
        if (it == section.rowEnds.end()) continue;
        return NSIndexPath{static_cast<long>(s), static_cast<long>(it - section.rowEnds.begin())};
    }
    return std::nullopt;
}

std::vector<NSIndexPath> UITableView::rowsInRect(CGRect rect) {
    std::vector<NSIndexPath> rows;
    CGFloat minY = CGRectGetMinY(rect), maxY = CGRectGetMaxY(rect);
    if (rect.size.width <= 0 || rect.size.height <= 0) return rows;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const auto& section = sections_[s];
        if (section.bottom() <= minY) continue;
        if (section.top >= maxY) break;
        auto first =
            std::upper_bound(section.rowEnds.begin(), section.rowEnds.end(), minY - section.rowsTop());
        for (auto it = first; it != section.rowEnds.end(); ++it) {
            std::size_t r = static_cast<std::size_t>(it - section.rowEnds.begin());
            CGFloat start = r ? section.rowEnds[r - 1] : 0;
            if (section.rowsTop() + start >= maxY) break;
            if (*it > start) rows.push_back({static_cast<long>(s), static_cast<long>(r)});
        }
    }
    return rows;
}

}  // namespace fv
