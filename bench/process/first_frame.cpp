// The first frame of the card-to-bank transfer screen in a fresh process, timed from main(): the host
// application, the framework's preparation, the screen pushed and settled, one render of the window.
// Prints the milliseconds and the peak memory; bench_frame_budget and bench_compare_first_frame start
// it as a new process each run.
//
//     bench_first_frame [scale] [--host-fontconfig]     # default scale 2
//
// --host-fontconfig: the host loads fontconfig's configuration and makes it current before the
// framework starts, as a GUI toolkit does; the clock then starts after that load, which is the
// host's own, and its time is printed apart.
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/support/FrameScreens.h"
#include "platform/ui/UIViewRendering.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    auto start = Clock::now();
    double scale = 2;
    double hostFontconfigMs = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--host-fontconfig") == 0) {
            if (!FcInit()) return 1;
            hostFontconfigMs = msSince(start);
            start = Clock::now();
        } else {
            scale = std::atof(argv[i]);
        }
    }
    fv::HostApplication::Options options;
    options.virtualClock = true;
    fv::HostApplication app(options);
    if (!fv::bench::openTransferScreen(app)) {
        std::fprintf(stderr, "first_frame: the transfer screen did not appear\n");
        return 1;
    }
    app.window()->layoutIfNeeded();
    const auto image = fv::renderView(*app.window(), scale);
    const double frameMs = msSince(start);
    if (!image || image->isEmpty()) return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first_frame_ms %.3f peak_kib %ld\n", frameMs, usage.ru_maxrss);
    if (hostFontconfigMs >= 0) std::printf("host_fontconfig_ms %.3f\n", hostFontconfigMs);
    return 0;
}
