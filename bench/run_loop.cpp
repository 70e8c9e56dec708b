// Cost of the main queue's dispatch: posting and running next-turn work, and delayed work run by
// advancing the virtual clock.
#include <benchmark/benchmark.h>

#include "platform/foundation/RunLoop.h"

namespace {

void BM_PostAndRunOnce(benchmark::State& state) {
    fv::RunLoop loop;
    loop.setVirtualClock(true);
    const auto batch = state.range(0);
    std::int64_t ran = 0;
    for (auto _ : state) {
        for (std::int64_t i = 0; i < batch; ++i) loop.post([&ran] { ++ran; });
        loop.runOnce();
    }
    benchmark::DoNotOptimize(ran);
    state.SetItemsProcessed(state.iterations() * batch);
}
BENCHMARK(BM_PostAndRunOnce)->Arg(1)->Arg(64)->Arg(1024);

void BM_PostAfterAndAdvance(benchmark::State& state) {
    fv::RunLoop loop;
    loop.setVirtualClock(true);
    const auto batch = state.range(0);
    std::int64_t ran = 0;
    for (auto _ : state) {
        // Distinct due times, posted out of order, so each runs at its own instant.
        for (std::int64_t i = 0; i < batch; ++i)
            loop.postAfter(static_cast<double>((i * 7919) % batch + 1) * 1e-3, [&ran] { ++ran; });
        loop.advance(static_cast<double>(batch) * 1e-3);
    }
    benchmark::DoNotOptimize(ran);
    state.SetItemsProcessed(state.iterations() * batch);
}
BENCHMARK(BM_PostAfterAndAdvance)->Arg(1)->Arg(64)->Arg(1024);

}  // namespace
