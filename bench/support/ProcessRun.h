#pragma once
// Runs a program to its end as a child of this process and reads what it printed and what it cost.
#include <string>
#include <vector>

namespace fv::bench {

struct ProcessRun {
    int status = -1;     // as waitpid gives it; -1 when the program could not be started
    double wallMs = 0;   // from the spawn to the reaped exit
    double cpuMs = 0;    // user and system time of the child and of what it waited for
    long peakKiB = 0;    // resident peak (see runProcess)
    std::string output;  // its standard output; its standard error goes to /dev/null

    bool ok() const;
};

// With `peakThroughTime`, GNU time is started in between and gives the peak: a child spawned straight
// from a large process can be charged that process's pages as its own peak. Otherwise the peak and the
// CPU time come from the child's own accounting, which is right when this process is small.
ProcessRun runProcess(std::vector<std::string> args, bool peakThroughTime = false);

}  // namespace fv::bench
