// Scrolling a 100,000-row table from top to bottom, a screen's height at a time, laying out after every
// step as the run loop would. The "cells_created" counter must stay near the rows that fit on screen
// (about 16 on a 667-point window): every other row reuses a queued cell.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/foundation/Log.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITableView.h"

namespace {

using namespace fv;

class BenchCell : public UITableViewCell {
    FV_CLASS(BenchCell, UITableViewCell)
    BenchCell() { ++created; }
    static inline long created = 0;
};

class Rows : public NSObject, public UITableViewDataSource {
    FV_CLASS(Rows, NSObject)
    long tableViewNumberOfRowsInSection(UITableView&, long) override { return 100000; }
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& table,
                                                      const NSIndexPath& indexPath) override {
        auto cell = table.dequeueReusableCellWithIdentifier("Row", indexPath);
        cell->textLabel()->setText("Row " + std::to_string(indexPath.row));
        return cell;
    }
};

void BM_ScrollTableToItsEnd(benchmark::State& state) {
    const CGFloat step = static_cast<CGFloat>(state.range(0));
    long created = 0;
    for (auto _ : state) {
        BenchCell::created = 0;
        auto rows = std::make_shared<Rows>();
        auto table = UITableView::create({{0, 0}, {375, 667}});
        table->registerClass<BenchCell>("Row");
        table->setDataSource(rows);
        table->layoutIfNeeded();
        const CGFloat end = table->maximumContentOffset().y;
        for (CGFloat y = 0; y < end; y += step) {
            table->setContentOffset({0, y});
            table->layoutIfNeeded();
        }
        table->setContentOffset({0, end});
        table->layoutIfNeeded();
        benchmark::DoNotOptimize(table->visibleCells().size());
        created = BenchCell::created;
    }
    state.counters["cells_created"] = static_cast<double>(created);
    print("scroll_table: step " + std::to_string(static_cast<int>(step)) +
          " pt, cells created: " + std::to_string(created));
}
BENCHMARK(BM_ScrollTableToItsEnd)->Arg(667)->Arg(44)->Unit(benchmark::kMillisecond);

}  // namespace
