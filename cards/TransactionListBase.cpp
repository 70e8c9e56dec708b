#include "cards/TransactionListBase.h"

#include "cards/TransactionTableViewCell.h"
#include "controls/SectionTableViewCell.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(TransactionListBase);

TransactionListBase::~TransactionListBase() = default;

void tintImageView(UIImageView& view, const UIColorPtr& color) {
    if (auto image = view.image(); image && image->renderingMode() != UIImageRenderingMode::AlwaysTemplate)
        view.setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
    view.setTintColor(color);
}

void TransactionListBase::loadCardPages() {
    myCardTransactions_ = CardOverviewRecord::load();
}

// ---- table ----

long TransactionListBase::tableViewNumberOfRowsInSection(UITableView&, long section) {
    if (section < 0) return 0;
    return static_cast<long>(myCardTransactions_.transactionCount(static_cast<std::size_t>(section)));
}

std::optional<CGFloat> TransactionListBase::tableViewHeightForHeaderInSection(UITableView&, long) {
    return kHeaderHeight;
}

std::optional<CGFloat> TransactionListBase::tableViewHeightForRowAtIndexPath(UITableView&,
                                                                             const NSIndexPath&) {
    return kRowHeight;
}

UIViewPtr TransactionListBase::tableViewViewForHeaderInSection(UITableView& tableView, long section) {
    auto header = std::dynamic_pointer_cast<SectionTableViewCell>(
        tableView.dequeueReusableCellWithIdentifier(SectionTableViewCell::kReuseIdentifier));
    if (!header) {
        tableView.registerNib(UINib::nibWithNibName(SectionTableViewCell::kNibName, frameworkBundle()),
                              SectionTableViewCell::kReuseIdentifier);
        header = std::dynamic_pointer_cast<SectionTableViewCell>(
            tableView.dequeueReusableCellWithIdentifier(SectionTableViewCell::kReuseIdentifier));
    }
    if (!header) return nullptr;
    const auto page = static_cast<std::size_t>(std::max(section, 0L));
    const std::string date = myCardTransactions_.date(page);
    if (date.empty())
        header->Lbl_Date->setText(std::nullopt);
    else
        header->Lbl_Date->setText(date);
    styleDayHeader(*header->Lbl_Date);
    return header->contentView();
}

UITableViewCellPtr TransactionListBase::tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                                       const NSIndexPath& indexPath) {
    auto cell = std::dynamic_pointer_cast<TransactionTableViewCell>(
        tableView.dequeueReusableCellWithIdentifier(TransactionTableViewCell::kReuseIdentifier));
    if (!cell) {
        tableView.registerNib(UINib::nibWithNibName(TransactionTableViewCell::kNibName, frameworkBundle()),
                              TransactionTableViewCell::kReuseIdentifier);
        cell = std::dynamic_pointer_cast<TransactionTableViewCell>(
            tableView.dequeueReusableCellWithIdentifier(TransactionTableViewCell::kReuseIdentifier));
    }
    if (!cell) return UITableViewCell::create();
    const auto theme = ThemeManager::sharedInstance();
    cell->setSelectionStyle(UITableViewCellSelectionStyleNone);
    cell->setBackgroundColor(UIColor::clearColor());
    cell->view_separator->setBackgroundColor(theme->border_color());
    cell->Lbl_Transaction->setTextColor(theme->main_font_color());
    cell->lbl_time->setTextColor(theme->light_font_color());
    const auto record = myCardTransactions_.transaction(static_cast<std::size_t>(indexPath.section),
                                                        static_cast<std::size_t>(indexPath.row));
    if (!record) return cell;
    if (auto amount = record->rowText(TransactionRecord::kAmount)) cell->Lbl_Amount->setText(*amount);
    if (auto title = record->rowText(TransactionRecord::kTitle)) cell->Lbl_Transaction->setText(*title);
    if (auto icon = record->categoryImageName())
        cell->Img_Category->setImage(UIImage::imageNamed(*icon, frameworkBundle()));
    if (auto time = record->rowText(TransactionRecord::kTime)) cell->lbl_time->setText(*time);
    cell->Lbl_Amount->setTextColor(record->isDebit() ? UIColor::redColor() : colorWithCSS(kCreditColor));
    return cell;
}

void TransactionListBase::tableViewDidSelectRowAtIndexPath(UITableView& tableView,
                                                           const NSIndexPath& indexPath) {
    tableView.deselectRowAtIndexPath(indexPath, true);
    fillPopup(indexPath.section, indexPath.row);
}

// ---- detail pop-up ----

namespace {

// A pop-up label shows nothing, rather than an empty text, for a value that is absent.
std::optional<std::string> popupText(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return text;
}

}  // namespace

void TransactionListBase::fillPopup(long section, long row) {
    const auto page = static_cast<std::size_t>(std::max(section, 0L));
    const auto record = myCardTransactions_.transaction(page, static_cast<std::size_t>(std::max(row, 0L)))
                            .value_or(TransactionRecord(Value::Dictionary{}));
    const auto icon = record.categoryImageName();
    img_bottomView_categoryIcon->setImage(icon ? UIImage::imageNamed(*icon, frameworkBundle()) : nullptr);
    showDetail(
        {{&lbl_bottomView_date, popupText(myCardTransactions_.date(page))},
         {&lbl_bottomView_time, popupText(record.popupText(TransactionRecord::kTime))},
         {&lbl_bottomView_type, popupText(record.typeTitle())},
         {&lbl_bottomView_amount, popupText(record.popupText(TransactionRecord::kAmount))},
         {&lbl_bottomView_description, popupText(record.popupText(TransactionRecord::kTransactionID))},
         {&lbl_bottomView_Title, popupText(record.popupText(TransactionRecord::kTitle))},
         {&lbl_bottomView_categoryName, popupText(record.popupText(TransactionRecord::kCategoryName))}});
}

}  // namespace fv
