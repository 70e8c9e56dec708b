// Parsing a realistic property list: 1,000 card-page dictionaries like the demonstration data.
#include <benchmark/benchmark.h>

#include "platform/foundation/PropertyList.h"

namespace {

std::string makeList(int pages) {
    fv::Value list(fv::Value::Array{});
    for (int i = 0; i < pages; ++i) {
        fv::Value page;
        page.set("Card Number", "4111 1111 1111 " + std::to_string(1000 + i));
        page.set("Exp", "12/29");
        page.set("Balance", 1234.56 + i);
        page.set("Active", i % 2 == 0);
        page.set("Date", fv::Date{1700000000.0 + i * 86400});
        page.set("Logo", fv::Value::Bytes(48, static_cast<std::uint8_t>(i)));
        fv::Value records(fv::Value::Array{});
        for (int r = 0; r < 5; ++r)
            records.append(
                fv::Value::Dictionary{{"trans_type", "Purchase"}, {"amount", r * 10}, {"merchant", "Shop"}});
        page.set("Records", records);
        list.append(page);
    }
    return fv::PropertyList::toXML(list);
}

void BM_ParsePropertyList(benchmark::State& state) {
    const std::string xml = makeList(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(fv::PropertyList::readData(xml));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * xml.size()));
}
BENCHMARK(BM_ParsePropertyList)->Arg(1000);

}  // namespace
