// The first frame of the card-to-bank transfer screen in a fresh process, timed from main(): the host
// application, the framework's preparation, the screen pushed and settled, one render of the window.
// Prints the milliseconds and the peak memory; bench_frame_budget starts it as a new process each run.
//
//     bench_first_frame [scale]     # default 2
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/support/FrameScreens.h"
#include "platform/ui/UIViewRendering.h"

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    const double scale = argc > 1 ? std::atof(argv[1]) : 2;
    fv::HostApplication::Options options;
    options.virtualClock = true;
    fv::HostApplication app(options);
    if (!fv::bench::openTransferScreen(app)) {
        std::fprintf(stderr, "first_frame: the transfer screen did not appear\n");
        return 1;
    }
    app.window()->layoutIfNeeded();
    const auto image = fv::renderView(*app.window(), scale);
    const auto end = std::chrono::steady_clock::now();
    if (!image || image->isEmpty()) return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first_frame_ms %.3f peak_kib %ld\n",
                std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss);
    return 0;
}
