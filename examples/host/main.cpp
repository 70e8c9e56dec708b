// The example host: embeds the framework as a real application would and walks its roads (Roads.h),
// saving a picture of the window after every step.
//
//     fernvault_host [--fast] [--no-pictures] [--road NAME] [output-folder]
//
// The main run loop runs against real time, as in an application; --fast puts it on a virtual clock so
// every wait (transitions, the one-second pause before the success screen) passes at once. Every road
// is walked in order unless --road names one. Pictures go to out/ unless a folder is given;
// --no-pictures renders every step but writes nothing.
#include <string>

#include "core/FrameworkResources.h"
#include "examples/host/HostApplication.h"
#include "examples/host/Roads.h"
#include "examples/host/Walkthrough.h"
#include "platform/foundation/Log.h"

namespace {

std::string roadNames() {
    std::string names;
    for (const auto& road : fv::roads()) names += (names.empty() ? "" : ", ") + road.name;
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    fv::HostApplication::Options options;
    std::string output = "out";
    const fv::Road* only = nullptr;
    bool pictures = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            options.virtualClock = true;
        } else if (arg == "--no-pictures") {
            pictures = false;
        } else if (arg == "--road") {
            if (i + 1 >= argc || !(only = fv::roadNamed(argv[i + 1]))) {
                fv::log("fernvault_host: --road takes one of: " + roadNames());
                return 2;
            }
            ++i;
        } else if (arg == "-h" || arg == "--help") {
            fv::print(
                "usage: fernvault_host [--fast] [--no-pictures] [--road NAME] [output-folder]; roads: " +
                roadNames());
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            fv::log("fernvault_host: unknown option " + arg + " (try --help)");
            return 2;
        } else {
            output = arg;
        }
    }

    // Every framework screen is made from the bundle's files: without it a road would only fail
    // halfway, on a screen with nothing bound.
    if (!fv::frameworkBundle()) {
        fv::log(
            "fernvault_host: no framework bundle, so no road can be walked (FERNVAULT_BUNDLE_PATH names "
            "its folder when it is not installed beside the library)");
        return 1;
    }
    fv::HostApplication app(options);
    fv::Walkthrough walk(app, pictures ? output : "");
    const bool ok = only ? only->walk(walk) : walk.runAll();
    const std::string saved =
        pictures ? std::to_string(walk.pictures().size()) + " pictures in " + output : "pictures not saved";
    fv::print(ok ? "walk-through done: " + saved : "walk-through stopped");
    return ok ? 0 : 1;
}
