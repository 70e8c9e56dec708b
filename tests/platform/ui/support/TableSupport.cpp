#include "tests/platform/ui/support/TableSupport.h"

namespace fv {

FV_REGISTER_CLASS(CountingCell);
FV_REGISTER_CLASS(CountingItemCell);
FV_REGISTER_CLASS(TableSource);
FV_REGISTER_CLASS(ItemSource);

namespace {
std::string row(const NSIndexPath& p) {
    return std::to_string(p.section) + "." + std::to_string(p.row);
}
}  // namespace

UITableViewCellPtr TableSource::tableViewCellForRowAtIndexPath(UITableView& table,
                                                               const NSIndexPath& indexPath) {
    ++cellRequests;
    auto cell = table.dequeueReusableCellWithIdentifier(identifier, indexPath);
    cell->setTag(indexPath.row);
    return cell;
}

std::optional<std::string> TableSource::tableViewTitleForHeaderInSection(UITableView&, long section) {
    auto it = headerTitles.find(section);
    if (it == headerTitles.end()) return std::nullopt;
    return it->second;
}

std::optional<CGFloat> TableSource::tableViewHeightForRowAtIndexPath(UITableView&,
                                                                     const NSIndexPath& indexPath) {
    auto it = rowHeights.find(indexPath);
    if (it == rowHeights.end()) return std::nullopt;
    return it->second;
}

std::optional<CGFloat> TableSource::tableViewHeightForHeaderInSection(UITableView&, long section) {
    auto it = headerHeights.find(section);
    if (it == headerHeights.end()) return std::nullopt;
    return it->second;
}

std::optional<CGFloat> TableSource::tableViewHeightForFooterInSection(UITableView&, long section) {
    auto it = footerHeights.find(section);
    if (it == footerHeights.end()) return std::nullopt;
    return it->second;
}

UIViewPtr TableSource::tableViewViewForHeaderInSection(UITableView&, long section) {
    calls.push_back("viewForHeader " + std::to_string(section));
    return headerView ? headerView(section) : nullptr;
}

bool TableSource::tableViewShouldHighlightRowAtIndexPath(UITableView&, const NSIndexPath& indexPath) {
    calls.push_back("shouldHighlight " + row(indexPath));
    return highlight;
}

std::optional<NSIndexPath> TableSource::tableViewWillSelectRowAtIndexPath(UITableView&,
                                                                          const NSIndexPath& indexPath) {
    calls.push_back("willSelect " + row(indexPath));
    return redirect ? redirect(indexPath) : indexPath;
}

void TableSource::tableViewDidSelectRowAtIndexPath(UITableView&, const NSIndexPath& indexPath) {
    calls.push_back("didSelect " + row(indexPath));
}

std::optional<NSIndexPath> TableSource::tableViewWillDeselectRowAtIndexPath(UITableView&,
                                                                            const NSIndexPath& indexPath) {
    calls.push_back("willDeselect " + row(indexPath));
    return indexPath;
}

void TableSource::tableViewDidDeselectRowAtIndexPath(UITableView&, const NSIndexPath& indexPath) {
    calls.push_back("didDeselect " + row(indexPath));
}

}  // namespace fv
