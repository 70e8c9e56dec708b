#include "platform/ui/UITableView.h"

#include "platform/foundation/Log.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UITableViewMetrics.h"

namespace fv {

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
    rowHeight_ = detail::tableNonNegative(height);
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

}  // namespace fv
