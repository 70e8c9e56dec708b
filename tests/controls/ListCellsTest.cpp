#include <gtest/gtest.h>

#include "controls/SectionTableViewCell.h"
#include "controls/SidemenuRowTableViewCell.h"
#include "controls/SidemenuSectionCustomerSupportTableViewCell.h"
#include "controls/SidemenuSectionTableViewCell.h"
#include "core/FrameworkResources.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UITableView.h"

namespace fv {
namespace {

template <typename Cell>
std::shared_ptr<Cell> loadCell(const std::string& name) {
    auto nib = UINib::nibWithNibName(name, frameworkBundle());
    if (!nib) return nullptr;
    auto objects = nib->instantiateWithOwner(nullptr);
    return objects.empty() ? nullptr : std::dynamic_pointer_cast<Cell>(objects.front());
}

// A day-grouped list that makes its headers the way the transaction lists do.
class DayList : public NSObject, public UITableViewDataSource, public UITableViewDelegate {
  public:
    std::vector<std::string> days{"Monday, 7 December", "Sunday, 6 December", "Saturday, 5 December"};
    int registrations = 0;

    long numberOfSectionsInTableView(UITableView&) override { return static_cast<long>(days.size()); }
    long tableViewNumberOfRowsInSection(UITableView&, long) override { return 2; }
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView&, const NSIndexPath& path) override {
        auto cell = UITableViewCell::create(UITableViewCellStyleDefault, "row");
        cell->textLabel()->setText("Payment " + std::to_string(path.row + 1));
        return cell;
    }
    std::optional<CGFloat> tableViewHeightForHeaderInSection(UITableView&, long) override { return 30; }
    UIViewPtr tableViewViewForHeaderInSection(UITableView& table, long section) override {
        auto cell = std::dynamic_pointer_cast<SectionTableViewCell>(
            table.dequeueReusableCellWithIdentifier(SectionTableViewCell::kReuseIdentifier));
        if (!cell) {
            ++registrations;
            table.registerNib(UINib::nibWithNibName(SectionTableViewCell::kNibName, frameworkBundle()),
                              SectionTableViewCell::kReuseIdentifier);
            cell = std::dynamic_pointer_cast<SectionTableViewCell>(
                table.dequeueReusableCellWithIdentifier(SectionTableViewCell::kReuseIdentifier));
        }
        if (!cell) return nullptr;
        cell->Lbl_Date->setText(days[static_cast<std::size_t>(section)]);
        return cell->contentView();
    }
};

class ListCellsTest : public TestHostFixture {};

TEST_F(ListCellsTest, DayHeaderRegistersItsFileOnceOnFirstRequest) {
    auto list = std::make_shared<DayList>();
    auto table = UITableView::create(CGRectMake(0, 0, 375, 400));
    table->setDataSource(list);
    table->setDelegate(list);
    host.window()->addSubview(table);
    host.runUntilIdle();

    EXPECT_EQ(list->registrations, 1);
    EXPECT_TRUE(host.findViewWithText("Monday, 7 December", table));
    EXPECT_TRUE(host.findViewWithText("Saturday, 5 December", table));
    table->reloadData();
    host.runUntilIdle();
    EXPECT_EQ(list->registrations, 1);
    EXPECT_TRUE(host.snapshot("DateSectionHeaders", table));
}

TEST_F(ListCellsTest, DayHeaderComesWithItsReuseIdentifierAndLabel) {
    auto cell = loadCell<SectionTableViewCell>("SectionTableViewCell");
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->reuseIdentifier(), "section_cell");
    EXPECT_EQ(cell->Lbl_Date->superview(), cell->contentView().get());
}

// Selection is the interface file's business: the cells add no highlight of their own.
class CellSelectionTest : public ListCellsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CellSelectionTest, SelectingLeavesTheLookAlone) {
    auto cell = loadCell<UITableViewCell>(GetParam());
    ASSERT_TRUE(cell);
    auto before = cell->contentView()->backgroundColor();
    cell->setSelected(true, false);
    EXPECT_TRUE(cell->selected());
    EXPECT_EQ(cell->selectionStyle(), UITableViewCellSelectionStyleNone);
    EXPECT_EQ(cell->contentView()->backgroundColor(), before);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellSelectionTest,
                         ::testing::Values("SectionTableViewCell", "SidemenuRowTableViewCell",
                                           "SidemenuSectionTableViewCell",
                                           "SidemenuSectionCustomerSupportTableViewCell"));

TEST_F(ListCellsTest, SideMenuCellsBindTheirOutlets) {
    auto row = loadCell<SidemenuRowTableViewCell>("SidemenuRowTableViewCell");
    auto section = loadCell<SidemenuSectionTableViewCell>("SidemenuSectionTableViewCell");
    auto support =
        loadCell<SidemenuSectionCustomerSupportTableViewCell>("SidemenuSectionCustomerSupportTableViewCell");
    ASSERT_TRUE(row && section && support);

    row->lbl->setText("Transfer history");
    section->lbl->setText("Transfers");
    support->lbl_customerNumber->setText("+1 800 555 0199");
    EXPECT_TRUE(section->arrow->image());
    EXPECT_TRUE(section->img_categoryImg->image());
    EXPECT_EQ(support->btn_customerNumber->currentTitle(), "Call");
    EXPECT_EQ(support->btn_domesticNumber->currentTitle(), "Call");

    // The menu as a host would stack it.
    auto menu = UIView::create(CGRectMake(0, 0, 280, 208));
    section->setFrame(CGRectMake(0, 0, 280, 54));
    row->setFrame(CGRectMake(0, 54, 280, 44));
    support->setFrame(CGRectMake(0, 98, 280, 110));
    for (const UIViewPtr& cell : {UIViewPtr(section), UIViewPtr(row), UIViewPtr(support)})
        menu->addSubview(cell);
    host.window()->addSubview(menu);
    host.runUntilIdle();
    EXPECT_TRUE(host.findViewWithText("+1 800 555 0199", menu));
    EXPECT_TRUE(host.snapshot("SideMenuCells", menu));
}

}  // namespace
}  // namespace fv
