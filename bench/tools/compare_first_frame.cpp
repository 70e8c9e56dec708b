// First-frame programs started in turn, so that the machine's drift from minute to minute hits them
// alike: each side a bench_first_frame (of this tree, of another commit's build, or this one with
// other options or another environment), started N times after one unmeasured start each to warm the
// page cache.
//
//     bench_compare_first_frame [--runs N] LABEL=COMMAND LABEL=COMMAND...
//
// COMMAND is a program and its arguments parted by spaces (/usr/bin/env sets variables). Each round
// starts with the next side, so none always goes first. Prints, per side, the medians and ranges of
// the first frame (as the program reports it), of the whole process (spawn to exit) and of its CPU
// time, and the peak memory; then each side's first frame against the first side's.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "bench/support/ProcessRun.h"
#include "bench/support/Spread.h"

namespace {

struct Side {
    std::string label;
    std::vector<std::string> command;
    std::vector<double> frame, wall, cpu, peak;
};

using fv::bench::spreadOf;

bool parseSide(const std::string& text, Side& side) {
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    side.label = text.substr(0, eq);
    std::istringstream words(text.substr(eq + 1));
    for (std::string w; words >> w;) side.command.push_back(w);
    return !side.command.empty();
}

// One start of a side; false when it failed or printed no frame.
bool runOnce(Side& side, bool keep) {
    const auto run = fv::bench::runProcess(side.command);
    double frame = 0;
    if (!run.ok() || std::sscanf(run.output.c_str(), "first_frame_ms %lf", &frame) != 1) {
        std::fprintf(stderr, "compare_first_frame: %s failed (status %d)\n", side.label.c_str(), run.status);
        return false;
    }
    if (keep) {
        side.frame.push_back(frame);
        side.wall.push_back(run.wallMs);
        side.cpu.push_back(run.cpuMs);
        side.peak.push_back(static_cast<double>(run.peakKiB) / 1024);
    }
    return true;
}

void print(const Side& side) {
    const auto f = spreadOf(side.frame), w = spreadOf(side.wall), c = spreadOf(side.cpu),
               p = spreadOf(side.peak);
    std::printf("| %s | %.1f ms (%.1f-%.1f) | %.1f ms (%.1f-%.1f) | %.1f ms (%.1f-%.1f) | %.1f MiB |\n",
                side.label.c_str(), f.median, f.low, f.high, w.median, w.low, w.high, c.median, c.low, c.high,
                p.median);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 20;
    std::vector<Side> sides;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            continue;
        }
        Side side;
        if (!parseSide(arg, side)) {
            std::fprintf(stderr, "compare_first_frame: '%s' is not LABEL=COMMAND\n", arg.c_str());
            return 2;
        }
        sides.push_back(std::move(side));
    }
    if (sides.size() < 2 || runs < 1) {
        std::fprintf(stderr, "usage: bench_compare_first_frame [--runs N] LABEL=COMMAND LABEL=COMMAND...\n");
        return 2;
    }
    for (auto& side : sides)
        if (!runOnce(side, false)) return 1;
    for (int round = 0; round < runs; ++round)
        for (std::size_t i = 0; i < sides.size(); ++i)
            if (!runOnce(sides[(static_cast<std::size_t>(round) + i) % sides.size()], true)) return 1;
    std::printf("%d starts each, in turn; medians (ranges)\n\n", runs);
    std::printf("| build | first frame from main() | whole process | process CPU | peak |\n");
    std::printf("| --- | --- | --- | --- | --- |\n");
    for (const auto& side : sides) print(side);
    std::printf("\n");
    const double a = spreadOf(sides[0].frame).median;
    for (std::size_t i = 1; i < sides.size(); ++i) {
        const double b = spreadOf(sides[i].frame).median;
        if (b > 0)
            std::printf("first frame, %s against %s: %+.1f %%\n", sides[0].label.c_str(),
                        sides[i].label.c_str(), (a / b - 1) * 100);
    }
    return 0;
}
