#include <gtest/gtest.h>

#include <string>

#include "cards/CardOverviewRecord.h"
#include "cards/TransactionTableViewCell.h"
#include "controls/AttributedAmountString.h"
#include "core/FrameworkResources.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {
namespace {

TransactionTableViewCellPtr loadRow() {
    auto nib = UINib::nibWithNibName(TransactionTableViewCell::kNibName, frameworkBundle());
    if (!nib) return nullptr;
    auto objects = nib->instantiateWithOwner(nullptr);
    return objects.empty() ? nullptr : std::dynamic_pointer_cast<TransactionTableViewCell>(objects.front());
}

// Fills a row as the transaction lists do.
void fill(TransactionTableViewCell& row, const TransactionRecord& t) {
    if (auto icon = t.categoryImageName())
        row.Img_Category->setImage(UIImage::imageNamed(*icon, frameworkBundle()));
    if (auto title = t.rowText(TransactionRecord::kTitle)) row.Lbl_Transaction->setText(*title);
    if (auto time = t.rowText(TransactionRecord::kTime)) row.lbl_time->setText(*time);
    if (auto amount = t.rowText(TransactionRecord::kAmount))
        row.Lbl_Amount->setAttributedText(attributedAmountString(*amount));
    row.Lbl_Amount->setTextColor(t.isDebit() ? UIColor::redColor() : colorWithCSS("42dc6a"));
}

class TransactionRowTest : public TestHostFixture {};

TEST_F(TransactionRowTest, LoadsWithItsContentInTheContentView) {
    auto row = loadRow();
    ASSERT_TRUE(row);
    EXPECT_EQ(row->className(), "TransactionTableViewCell");
    EXPECT_EQ(std::string(TransactionTableViewCell::kReuseIdentifier), "transaction_cell");
    const UIViewPtr parts[] = {row->Img_Category.get(), row->Lbl_Transaction.get(), row->Lbl_Amount.get(),
                               row->view_separator.get(), row->lbl_time.get()};
    for (const auto& part : parts) EXPECT_EQ(part->superview(), row->contentView().get());
}

TEST_F(TransactionRowTest, LooksLikeADayOfTransactions) {
    const auto pages = CardOverviewRecord::load();
    ASSERT_GT(pages.pageCount(), 0u);
    const std::size_t count = std::min<std::size_t>(pages.transactionCount(0), 5);
    ASSERT_GT(count, 0u);
    auto list = UIView::create(CGRectMake(0, 0, 375, 70 * count));
    list->setBackgroundColor(UIColor::whiteColor());
    host.rootScreen()->view()->addSubview(list);
    bool sawDebit = false, sawCredit = false;
    for (std::size_t i = 0; i < count; ++i) {
        auto row = loadRow();
        ASSERT_TRUE(row);
        row->setFrame(CGRectMake(0, 70 * i, 375, 70));
        list->addSubview(row);
        row->layoutIfNeeded();
        auto t = pages.transaction(0, i);
        ASSERT_TRUE(t);
        fill(*row, *t);
        (t->isDebit() ? sawDebit : sawCredit) = true;
    }
    EXPECT_TRUE(sawDebit && sawCredit) << "the picture should show both colours";
    EXPECT_TRUE(host.snapshot("transaction_rows", list));
}

}  // namespace
}  // namespace fv
