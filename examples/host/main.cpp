// The example host: embeds the framework as a real application would and walks the card-to-bank
// transfer, saving a picture of the window after every step.
//
//     fernvault_host [--fast] [--no-pictures] [output-folder]
//
// The main run loop runs against real time, as in an application; --fast puts it on a virtual clock so
// every wait (transitions, the one-second pause before the success screen) passes at once. Pictures go
// to out/ unless a folder is given; --no-pictures renders every step but writes nothing.
#include <string>

#include "examples/host/HostApplication.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"

int main(int argc, char** argv) {
    fv::HostApplication::Options options;
    std::string output = "out";
    bool pictures = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            options.virtualClock = true;
        } else if (arg == "--no-pictures") {
            pictures = false;
        } else if (arg == "-h" || arg == "--help") {
            fv::print("usage: fernvault_host [--fast] [--no-pictures] [output-folder]");
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            fv::log("fernvault_host: unknown option " + arg + " (try --help)");
            return 2;
        } else {
            output = arg;
        }
    }

    fv::HostApplication app(options);
    fv::Walkthrough walk(app, pictures ? output : "");
    const bool ok = walk.runTransfer();
    const std::string saved =
        pictures ? std::to_string(walk.pictures().size()) + " pictures in " + output : "pictures not saved";
    fv::print(ok ? "walk-through done: " + saved : "walk-through stopped");
    return ok ? 0 : 1;
}
