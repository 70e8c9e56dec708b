// The frame budget, each figure in one run:
// - the steady frame of the transfer screen and of a twelve-row text screen at scales 2 and 3, each
//   frame paired with its raw cairo/Pango twin drawn just before it (counters: ms of each, ratio);
// - the first frame of the transfer screen in a fresh process, from main() (bench_first_frame);
// - the example host's --fast walk of every road, with and without writing its pictures;
// with the peak memory of each process.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/FrameScreens.h"
#include "bench/support/ProcessRun.h"
#include "bench/support/Spread.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewRendering.h"

namespace {

using namespace fv;
using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

using bench::median;

// Frames of ours and of the twin in turn, so that a drift of the machine's speed hits both alike.
void pairFrames(benchmark::State& state, UIView& view, bench::RawTwin& twin, double scale) {
    std::vector<double> ours, raw;
    for (auto _ : state) {
        auto t0 = Clock::now();
        benchmark::DoNotOptimize(twin.frame());
        auto t1 = Clock::now();
        auto image = renderView(view, scale);
        benchmark::DoNotOptimize(image);
        image.reset();
        auto t2 = Clock::now();
        raw.push_back(ms(t1 - t0));
        ours.push_back(ms(t2 - t1));
    }
    const double o = median(ours), r = median(raw);
    state.counters["ours_ms"] = o;
    state.counters["raw_ms"] = r;
    state.counters["ratio"] = r > 0 ? o / r : 0;
}

void BM_TransferScreenFrame(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0));
    {
        HostApplication::Options options;
        options.virtualClock = true;
        HostApplication app(options);
        if (!bench::openTransferScreen(app)) {
            state.SkipWithError("the transfer screen did not appear");
        } else {
            app.window()->layoutIfNeeded();
            renderView(*app.window(), scale);  // the first frame is not a steady one
            auto twin = bench::replayTwin(*app.window(), scale);
            pairFrames(state, *app.window(), *twin, scale);
        }
    }
    RunLoop::main().reset();
}
BENCHMARK(BM_TransferScreenFrame)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->MinTime(1);

void BM_TextScreenFrame(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0));
    {
        auto window = bench::makeTextScreen();
        renderView(*window, scale);
        auto twin = bench::textScreenTwin(scale);
        pairFrames(state, *window, *twin, scale);
        window->setHidden(true);
    }
    UIApplication::sharedApplication()->reset();
}
BENCHMARK(BM_TextScreenFrame)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->MinTime(1);

void BM_FirstFrameFreshProcess(benchmark::State& state) {
    std::vector<double> fromMain, wall, peak;
    for (auto _ : state) {
        auto run = bench::runProcess({FV_FIRST_FRAME_PROGRAM, std::to_string(state.range(0))}, true);
        double frame = 0;
        if (!run.ok() || std::sscanf(run.output.c_str(), "first_frame_ms %lf", &frame) != 1) {
            state.SkipWithError("bench_first_frame failed");
            break;
        }
        fromMain.push_back(frame);
        wall.push_back(run.wallMs);
        peak.push_back(static_cast<double>(run.peakKiB) / 1024);
    }
    state.counters["from_main_ms"] = median(fromMain);
    state.counters["process_ms"] = median(wall);
    state.counters["peak_MiB"] = median(peak);
}
BENCHMARK(BM_FirstFrameFreshProcess)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(15);

// The host's --fast walk of every road; range 1 writes the pictures, 0 only renders them.
void BM_HostWalk(benchmark::State& state) {
    const bool pictures = state.range(0) != 0;
    const auto dir = std::filesystem::temp_directory_path() / ("fv-bench-walk-" + std::to_string(getpid()));
    std::vector<double> wall, peak;
    for (auto _ : state) {
        std::vector<std::string> args{FV_HOST_PROGRAM, "--fast"};
        args.push_back(pictures ? dir.string() : "--no-pictures");
        auto run = bench::runProcess(args, true);
        if (!run.ok()) {
            state.SkipWithError("the walk failed");
            break;
        }
        wall.push_back(run.wallMs);
        peak.push_back(static_cast<double>(run.peakKiB) / 1024);
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    state.counters["walk_ms"] = median(wall);
    state.counters["peak_MiB"] = median(peak);
}
BENCHMARK(BM_HostWalk)->Arg(0)->Arg(1)->ArgName("pictures")->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
