#include "platform/ui/UITableView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINib.h"

namespace fv {

namespace {
constexpr CGFloat kTitleHeaderHeight = 28;
constexpr CGFloat kTapSlop = 10;

CGFloat nonNegative(CGFloat v) {
    return std::isfinite(v) && v > 0 ? v : 0;
}
}  // namespace

FV_REGISTER_CLASS(UITableView);

void UITableView::registerMembers(ClassBuilder<UITableView>& b) {
    b.enumNames("separatorStyle", {{"none", 0}, {"singleLine", 1}});
    b.enumNames("style", {{"plain", 0}, {"default", 0}, {"grouped", 1}});
    b.property("rowHeight", &UITableView::rowHeight, &UITableView::setRowHeight);
    b.property("separatorStyle", &UITableView::separatorStyle, &UITableView::setSeparatorStyle);
    b.property("allowsSelection", &UITableView::allowsSelection, &UITableView::setAllowsSelection);
    b.object(
        "dataSource", [](UITableView& t) { return std::dynamic_pointer_cast<NSObject>(t.dataSource()); },
        [](UITableView& t, const NSObjectPtr& v) {
            auto typed = std::dynamic_pointer_cast<UITableViewDataSource>(v);
            if (v && !typed) return false;
            t.setDataSource(typed);
            return true;
        });
    b.object(
        "delegate", [](UITableView& t) { return std::dynamic_pointer_cast<NSObject>(t.delegate()); },
        [](UITableView& t, const NSObjectPtr& v) {
            // Through the list's own delegate type first: a screen that is a scroll-view delegate
            // along several paths has no unambiguous UIScrollViewDelegate base.
            std::shared_ptr<UIScrollViewDelegate> typed = std::dynamic_pointer_cast<UITableViewDelegate>(v);
            if (!typed) typed = std::dynamic_pointer_cast<UIScrollViewDelegate>(v);
            if (v && !typed) return false;
            t.setDelegate(typed);
            return true;
        });
    b.object(
        "tableHeaderView", [](UITableView& t) -> NSObjectPtr { return t.tableHeaderView(); },
        [](UITableView& t, const NSObjectPtr& v) {
            auto view = std::dynamic_pointer_cast<UIView>(v);
            if (v && !view) return false;
            t.setTableHeaderView(view);
            return true;
        });
    b.object(
        "tableFooterView", [](UITableView& t) -> NSObjectPtr { return t.tableFooterView(); },
        [](UITableView& t, const NSObjectPtr& v) {
            auto view = std::dynamic_pointer_cast<UIView>(v);
            if (v && !view) return false;
            t.setTableFooterView(view);
            return true;
        });
}

UITableViewPtr UITableView::create(CGRect frame, UITableViewStyle style) {
    return std::make_shared<UITableView>(frame, style);
}

UITableView::UITableView() : UITableView(CGRectZero, UITableViewStylePlain) {}

UITableView::UITableView(CGRect frame, UITableViewStyle style) : style_(style) {
    setFrame(frame);
    setAlwaysBounceVertical(true);
    setBackgroundColor(UIColor::whiteColor());
}

UITableView::~UITableView() = default;

// ---- data source and delegate ----

void UITableView::setDataSource(const std::shared_ptr<UITableViewDataSource>& dataSource) {
    dataSource_ = dataSource;
    clearCellsAndSectionViews();
    geometryValid_ = false;
    setNeedsLayout();
}

void UITableView::setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) {
    UIScrollView::setDelegate(delegate);
    tableDelegate_ = std::dynamic_pointer_cast<UITableViewDelegate>(delegate);
    geometryValid_ = false;
    setNeedsLayout();
}

// ---- appearance ----

void UITableView::setRowHeight(CGFloat height) {
    rowHeight_ = nonNegative(height);
    geometryValid_ = false;
    setNeedsLayout();
}

void UITableView::setSeparatorStyle(UITableViewCellSeparatorStyle style) {
    separatorStyle_ = style;
    for (auto& [indexPath, cell] : visible_)
        cell->setShowsSeparator(style != UITableViewCellSeparatorStyleNone);
}

void UITableView::setAllowsSelection(bool allows) {
    allowsSelection_ = allows;
    if (!allows && selected_) deselectRowAtIndexPath(*selected_, false);
}

void UITableView::setTableHeaderView(const UIViewPtr& view) {
    if (view == tableHeaderView_) return;
    if (tableHeaderView_ && tableHeaderView_->superview() == this) tableHeaderView_->removeFromSuperview();
    tableHeaderView_ = view;
    if (view) addSubview(view);
    geometryValid_ = false;
    setNeedsLayout();
}

void UITableView::setTableFooterView(const UIViewPtr& view) {
    if (view == tableFooterView_) return;
    if (tableFooterView_ && tableFooterView_->superview() == this) tableFooterView_->removeFromSuperview();
    tableFooterView_ = view;
    if (view) addSubview(view);
    geometryValid_ = false;
    setNeedsLayout();
}

// ---- registration and reuse ----

void UITableView::registerNib(const std::shared_ptr<UINib>& nib, const std::string& identifier) {
    reuse_.registerNib(nib, identifier);
}

void UITableView::registerClass(const std::string& className, const std::string& identifier) {
    reuse_.registerClass(className, identifier);
}

UITableViewCellPtr UITableView::dequeueReusableCellWithIdentifier(const std::string& identifier) {
    return reuse_.dequeue(identifier);
}

UITableViewCellPtr UITableView::dequeueReusableCellWithIdentifier(const std::string& identifier,
                                                                  const NSIndexPath& indexPath) {
    if (auto cell = dequeueReusableCellWithIdentifier(identifier)) return cell;
    log("UITableView: no cell registered for identifier `" + identifier + "` (row " +
        indexPath.description() + "); using a plain cell");
    return UITableViewCell::create(UITableViewCellStyleDefault, identifier);
}

void UITableView::enqueue(const UITableViewCellPtr& cell) {
    if (cell->superview() == this) cell->removeFromSuperview();
    // A highlight belongs to a finger on a row; the row is gone.
    cell->setHighlighted(false, false);
    reuse_.enqueue(cell, visible_.size());
}

// ---- geometry ----

CGFloat UITableView::tableHeaderHeight() const {
    return tableHeaderView_ ? nonNegative(tableHeaderView_->frame().size.height) : 0;
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
            headerHeight = kTitleHeaderHeight;
        section.header = nonNegative(headerHeight.value_or(0));
        long rows = std::max(0L, dataSource->tableViewNumberOfRowsInSection(*this, s));
        section.rowEnds.reserve(static_cast<std::size_t>(rows));
        CGFloat end = 0;
        for (long r = 0; r < rows; ++r) {
            auto h = delegate ? delegate->tableViewHeightForRowAtIndexPath(*this, {s, r}) : std::nullopt;
            end += nonNegative(h.value_or(rowHeight_));
            section.rowEnds.push_back(end);
        }
        auto footerHeight = delegate ? delegate->tableViewHeightForFooterInSection(*this, s) : std::nullopt;
        if (!footerHeight && dataSource->tableViewTitleForFooterInSection(*this, s))
            footerHeight = kTitleHeaderHeight;
        section.footer = nonNegative(footerHeight.value_or(0));
        y = section.bottom();
        sections.push_back(std::move(section));
    }
    sections_ = std::move(sections);
    if (tableFooterView_) y += nonNegative(tableFooterView_->frame().size.height);
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

// ---- cells on screen ----

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
    auto container = UIView::create({{0, 0}, {width, kTitleHeaderHeight}});
    container->setBackgroundColor(UIColor::colorWithWhite(0.95, 1));
    auto label = UILabel::create({{15, 0}, {std::max<CGFloat>(0, width - 30), kTitleHeaderHeight}});
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
        tableFooterView_->setFrame({{0, top}, {width, nonNegative(tableFooterView_->frame().size.height)}});
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

// ---- selection and scrolling ----

void UITableView::selectRowAtIndexPath(const std::optional<NSIndexPath>& indexPath, bool animated,
                                       UITableViewScrollPosition scrollPosition) {
    if (!indexPath) {
        if (selected_) deselectRowAtIndexPath(*selected_, animated);
        return;
    }
    if (!isValid(*indexPath)) return;
    if (selected_ && *selected_ != *indexPath) deselectRowAtIndexPath(*selected_, animated);
    selected_ = indexPath;
    if (auto cell = visibleCellAt(*indexPath)) cell->setSelected(true, animated);
    if (scrollPosition != UITableViewScrollPositionNone)
        scrollToRowAtIndexPath(*indexPath, scrollPosition, animated);
}

void UITableView::deselectRowAtIndexPath(const NSIndexPath& indexPath, bool animated) {
    if (selected_ != indexPath) return;
    selected_.reset();
    if (auto cell = visibleCellAt(indexPath)) cell->setSelected(false, animated);
}

void UITableView::scrollToRowAtIndexPath(const NSIndexPath& indexPath, UITableViewScrollPosition position,
                                         bool animated) {
    if (!isValid(indexPath)) return;
    CGRect row = rectForRowAtIndexPath(indexPath);
    CGRect b = bounds();
    UIEdgeInsets insets = contentInset();
    CGFloat top = CGRectGetMinY(row) - insets.top;
    CGFloat bottom = CGRectGetMaxY(row) - b.size.height + insets.bottom;
    CGFloat y = b.origin.y;
    switch (position) {
        case UITableViewScrollPositionTop:
            y = top;
            break;
        case UITableViewScrollPositionMiddle:
            y = CGRectGetMidY(row) - b.size.height / 2;
            break;
        case UITableViewScrollPositionBottom:
            y = bottom;
            break;
        case UITableViewScrollPositionNone:
            if (y > top)
                y = top;
            else if (y < bottom)
                y = bottom;
            break;
    }
    setContentOffset(clampedContentOffset({b.origin.x, y}), animated);
}

// ---- touches ----

void UITableView::endTouchTracking() {
    if (touchedRow_ && touchedRowHighlighted_)
        if (auto cell = visibleCellAt(*touchedRow_)) cell->setHighlighted(false, false);
    touchedRow_.reset();
    touchedRowHighlighted_ = false;
}

void UITableView::touchesBegan(const UITouchSet& touches, UIEvent* event) {
    endTouchTracking();
    if (touches.empty()) return;
    std::optional<NSIndexPath> indexPath;
    if (allowsSelection_ && !touchStartsInNestedScrollView(*touches.front()))
        indexPath = indexPathForRowAtPoint(touches.front()->locationInView(this));
    if (!indexPath) {
        UIScrollView::touchesBegan(touches, event);
        return;
    }
    touchStart_ = touches.front()->locationInView(nullptr);
    auto keep = weak_from_this().lock();
    auto delegate = tableDelegate();
    if (delegate && !delegate->tableViewShouldHighlightRowAtIndexPath(*this, *indexPath)) return;
    touchedRow_ = indexPath;
    if (auto cell = cellForRowAtIndexPath(*indexPath)) {
        cell->setHighlighted(true, false);
        touchedRowHighlighted_ = true;
    }
}

void UITableView::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    if (!touchedRow_ || touches.empty()) {
        UIScrollView::touchesMoved(touches, event);
        return;
    }
    CGPoint p = touches.front()->locationInView(nullptr);
    if (std::hypot(p.x - touchStart_.x, p.y - touchStart_.y) > kTapSlop || isDragging()) endTouchTracking();
}

void UITableView::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    if (!touchedRow_) {
        UIScrollView::touchesEnded(touches, event);
        return;
    }
    NSIndexPath indexPath = *touchedRow_;
    bool dragged = isDragging();
    endTouchTracking();
    if (!dragged) selectRowByUser(indexPath);
}

void UITableView::touchesCancelled(const UITouchSet& touches, UIEvent* event) {
    if (!touchedRow_) {
        UIScrollView::touchesCancelled(touches, event);
        return;
    }
    endTouchTracking();
}

void UITableView::selectRowByUser(const NSIndexPath& indexPath) {
    auto keep = weak_from_this().lock();
    auto delegate = tableDelegate();
    auto target = delegate ? delegate->tableViewWillSelectRowAtIndexPath(*this, indexPath) : indexPath;
    if (!target || !isValid(*target)) return;
    if (selected_ && *selected_ != *target) {
        NSIndexPath previous = *selected_;
        auto deselect = delegate ? delegate->tableViewWillDeselectRowAtIndexPath(*this, previous) : previous;
        if (deselect) {
            deselectRowAtIndexPath(*deselect, false);
            if (delegate) delegate->tableViewDidDeselectRowAtIndexPath(*this, *deselect);
        }
    }
    selectRowAtIndexPath(target, false, UITableViewScrollPositionNone);
    if (delegate) delegate->tableViewDidSelectRowAtIndexPath(*this, *target);
}

}  // namespace fv
