// The example host: embeds the framework as a real application would and walks the card-to-bank
// transfer, saving a picture of the window after every step.
//
//     fernvault_host [--fast] [output-folder]
//
// The main run loop runs against real time, as in an application; --fast puts it on a virtual clock so
// every wait (transitions, the one-second pause before the success screen) passes at once. Pictures go
// to out/ unless a folder is given.
#include <string>

#include "examples/host/HostApplication.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"

int main(int argc, char** argv) {
    fv::HostApplication::Options options;
    std::string output = "out";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            options.virtualClock = true;
        } else if (arg == "-h" || arg == "--help") {
            fv::print("usage: fernvault_host [--fast] [output-folder]");
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            fv::log("fernvault_host: unknown option " + arg + " (try --help)");
            return 2;
        } else {
            output = arg;
        }
    }

    fv::HostApplication app(options);
    fv::Walkthrough walk(app, output);
    const bool ok = walk.runTransfer();
    fv::print(ok ? "walk-through done: " + std::to_string(walk.pictures().size()) + " pictures in " + output
                 : "walk-through stopped");
    return ok ? 0 : 1;
}
